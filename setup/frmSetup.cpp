#include "frmSetup.h"

#include "core/BusCode.h"
#include "DialogIcon.h"
#include "Named.h"
#include "PlainLabel.h"
#include "TitleWidth.h"
#include "WaitCursor.h"
#include "app/frmLimits.h"
#include "core/Configuration.h"
#include "frmCommSetup.h"
#include "link/DeviceLink.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace dalto {

namespace {
constexpr qsizetype ShortestBusName = 2;

QGroupBox* frame(QWidget* parent, const QString& name, const QString& caption)
{
    return Named(new QGroupBox(caption, parent), name);
}

QComboBox* dropDownList(QWidget* parent, const QString& name)
{
    return Named(new QComboBox(parent), name);
}
} // namespace

frmSetup::frmSetup(DeviceLink& link, ShowModal showModal, QWidget* parent)
    : QDialog(parent), link_(link), showModal_(std::move(showModal))
{
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(QStringLiteral("Configuration Setup"));
    Frame3 = frame(this, QStringLiteral("Frame3"), QStringLiteral("Start-Up Mode"));
    cmbApp = dropDownList(Frame3, QStringLiteral("cmbApp"));
    Label3 = PlainLabel(Frame3, QStringLiteral("Label3"), QStringLiteral("Start-Up Panel"));
    Frame4 = frame(this, QStringLiteral("Frame4"), QStringLiteral("System"));
    cmbPanel = dropDownList(Frame4, QStringLiteral("cmbPanel"));
    Label1 = PlainLabel(Frame4, QStringLiteral("Label1"), QStringLiteral("System Type"));
    Frame1 = frame(this, QStringLiteral("Frame1"), QStringLiteral("Communications Setup"));
    lblComm = PlainLabel(Frame1, QStringLiteral("lblComm"), QStringLiteral("Type of Communications"));
    cmbComm = dropDownList(Frame1, QStringLiteral("cmbComm"));
    lblAddress = PlainLabel(Frame1, QStringLiteral("lblAddress"), QStringLiteral("Address"));
    lblAddressDisplay = PlainLabel(Frame1, QStringLiteral("lblAddressDisplay"), QStringLiteral("127.0.0.1"));
    lblPort = PlainLabel(Frame1, QStringLiteral("lblPort"), QStringLiteral("Port"));
    lblPortDisplay = PlainLabel(Frame1, QStringLiteral("lblPortDisplay"), QStringLiteral("4040"));
    cmdConfigure = Named(new QPushButton(QStringLiteral("Configure..."), Frame1), QStringLiteral("cmdConfigure"));
    cmdLimits = Named(new QPushButton(QStringLiteral("Limits..."), this), QStringLiteral("cmdLimits"));
    cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("cmdOK"));
    cmdCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), QStringLiteral("cmdCancel"));

    auto* startup = new QVBoxLayout(Frame3);
    startup->addWidget(Label3);
    startup->addWidget(cmbApp);
    auto* system = new QVBoxLayout(Frame4);
    system->addWidget(Label1);
    system->addWidget(cmbPanel);
    auto* comm = new QVBoxLayout(Frame1);
    comm->addWidget(lblComm);
    comm->addWidget(cmbComm);
    commGrid_ = new QGridLayout;
    comm->addLayout(commGrid_);
    comm->addWidget(cmdConfigure, 0, Qt::AlignLeft);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdLimits);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame3);
    layout->addWidget(Frame4);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    setMinimumWidth(TitleWidth(*this));

    connect(cmdConfigure, &QPushButton::clicked, this, &frmSetup::cmdConfigure_Click);
    connect(cmdLimits, &QPushButton::clicked, this, &frmSetup::cmdLimits_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmSetup::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmSetup::Form_Load()
{
    AppContext& context = link_.context();
    const SharedState& state = context.state;
    SetDialogIcon(*this, context.paths);

    int16_t bus = NotFound;
    QString address;
    int32_t port = 0;
    ReadCommSettings(state, context.paths.configFile(), bus, address, port);

    for (const QString& name : state.CommList)
        if (name.size() >= ShortestBusName)
            cmbComm->addItem(name);
    cmbApp->addItems(state.FormList);
    for (qsizetype i = 0; i < state.SystList.size(); ++i)
        if (!state.SystList[i].isEmpty())
            cmbPanel->addItem(state.SystList[i], int(i));

    // A combo box selects its first item as soon as it has one; a setting that is
    // not found must show as no choice at all, so that OK refuses it.
    cmbComm->setCurrentIndex(bus != NotFound ? bus : -1);
    cmbApp->setCurrentIndex(state.StartupPanel != NotFound ? state.StartupPanel : -1);
    cmbPanel->setCurrentIndex(state.SystemType != NotFound ? cmbPanel->findData(int(state.SystemType)) : -1);

    // The bus shown at opening counts as chosen; only a change by the user
    // swaps addresses and leads on to its configuration.
    choice_.emplace(int16_t(cmbComm->currentIndex()), CommFields{address, QString::number(port)});
    refreshCommDisplay();
    connect(cmbComm, &QComboBox::currentIndexChanged, this, &frmSetup::cmbComm_Click);
}

void frmSetup::refreshCommDisplay()
{
    const CommDisplay display = CommDisplayFor(choice_->bus());
    lblAddressDisplay->setText(choice_->fields().address);
    lblPortDisplay->setText(choice_->fields().port);
    lblAddress->setText(display.addressLabel);
    lblPort->setText(display.portLabel);
    lblAddress->setVisible(display.addressShown);
    lblAddressDisplay->setVisible(display.addressShown);
    lblPort->setVisible(display.portShown);
    lblPortDisplay->setVisible(display.portShown);
    cmdConfigure->setVisible(display.configureShown);
    // The pair that is shown always sits on the first row.
    const int portRow = display.addressShown ? 1 : 0;
    commGrid_->addWidget(lblAddress, 0, 0);
    commGrid_->addWidget(lblAddressDisplay, 0, 1);
    commGrid_->addWidget(lblPort, portRow, 0);
    commGrid_->addWidget(lblPortDisplay, portRow, 1);
}

void frmSetup::cmbComm_Click()
{
    const int16_t bus = int16_t(cmbComm->currentIndex());
    if (bus == choice_->bus())
        return;
    choice_->changeBus(bus);
    refreshCommDisplay();
    if (CommDisplayFor(bus).configureShown)
        cmdConfigure_Click();
}

void frmSetup::cmdConfigure_Click()
{
    std::unique_ptr<frmCommSetup> comm;
    {
        WaitCursor wait;
        comm = std::make_unique<frmCommSetup>(link_, showModal_, this);
        comm->setBus(choice_->bus());
        comm->setAddress(choice_->fields().address);
        comm->setPort(choice_->fields().port);
    }
    showModal_(*comm);
    if (comm->result()) {
        choice_->setFields({comm->address(), comm->port()});
        refreshCommDisplay();
    }
}

void frmSetup::cmdLimits_Click()
{
    // The limits are saved on their own OK; Cancel here keeps them.
    frmLimits limits(link_.context(), this);
    limits.Form_Load();
    showModal_(limits);
}

void frmSetup::cmdOK_Click()
{
    AppContext& context = link_.context();
    CommFields fields = choice_->fields();
    std::optional<QString> problem = ValidateCommFields(choice_->bus(), fields);
    if (!problem)
        problem = ValidateSetupNames(cmbApp->currentText(), cmbPanel->currentText());
    if (problem) {
        context.prompts.message(*problem, DataErrorTitle);
        return;
    }
    choice_->setFields(fields);
    const QString iniPath = context.paths.configFile();
    QString error;
    if (!SaveSettings(iniPath, cmbApp->currentText(), cmbComm->currentText(), fields.address, fields.port,
                      cmbPanel->currentText(), &error)) {
        context.prompts.message(QStringLiteral("The settings could not be saved to ") + iniPath
                                    + QStringLiteral(": ") + error,
                                ApplicationTitle, PromptButtons::Ok, PromptIcon::Critical);
        return;
    }
    LoadSettings(context.state, context.prompts, iniPath);
    link_.InitComm();
    saved_ = true;
    accept();
}

void RunSetupDialog(DeviceLink& link, QWidget* parent)
{
    frmSetup setup(link, ExecModal, parent);
    setup.Form_Load();
    setup.exec();
}

} // namespace dalto
