#include "frmCommSetup.h"

#include "core/BusCode.h"
#include "CommFields.h"
#include "DiscoverySettings.h"
#include "LinkProbe.h"
#include "Named.h"
#include "PlainLabel.h"
#include "SerialPortHint.h"
#include "TitleWidth.h"
#include "WaitCursor.h"
#include "frmChange.h"
#include "frmChangeTCPIP.h"
#include "frmFindGPIB.h"
#include "frmFindTCPIP.h"
#include "link/DeviceLink.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace dalto {

namespace {
const QString CommErrorTitle = QStringLiteral("Communications Error");

void fillNumbers(QComboBox& box, int first, int last)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    box.clear();
    box.addItems(items);
}

QComboBox* editableCombo(QWidget* parent, const QString& name)
{
    QComboBox* box = Named(new QComboBox(parent), name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}
} // namespace

frmCommSetup::frmCommSetup(DeviceLink& link, ShowModal showModal, QWidget* parent)
    : QDialog(parent), link_(link), showModal_(std::move(showModal))
{
    setObjectName(QStringLiteral("frmCommSetup"));
    cmbPort = editableCombo(this, QStringLiteral("cmbPort"));
    cmbAddress = editableCombo(this, QStringLiteral("cmbAddress"));
    txtAddress = Named(new QLineEdit(this), QStringLiteral("txtAddress"));
    lblAddress = Named(new QLabel(QStringLiteral("Address"), this), QStringLiteral("lblAddress"));
    lblPort = Named(new QLabel(QStringLiteral("Port"), this), QStringLiteral("lblPort"));
    lblPortPath = PlainLabel(this, QStringLiteral("lblPortPath"));
    lblPortsPresent = PlainLabel(this, QStringLiteral("lblPortsPresent"));
    cmdOK = Named(new QPushButton(QStringLiteral("OK"), this), QStringLiteral("cmdOK"));
    cmdCancel = Named(new QPushButton(QStringLiteral("Cancel"), this), QStringLiteral("cmdCancel"));
    cmdFind = Named(new QPushButton(QStringLiteral("Find..."), this), QStringLiteral("cmdFind"));
    cmdChange = Named(new QPushButton(QStringLiteral("Change..."), this), QStringLiteral("cmdChange"));

    grid_ = new QGridLayout;
    grid_->addWidget(lblAddress, 0, 0);
    grid_->addWidget(lblPort, 1, 0);
    grid_->addWidget(lblPortPath, 2, 0, 1, 2);
    grid_->addWidget(lblPortsPresent, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdFind);
    buttons->addWidget(cmdChange);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout_ = new QVBoxLayout(this);
    layout_->addLayout(grid_);
    layout_->addLayout(buttons);
    // The layout fixes the dialog's size; this keeps it wide enough for its title.
    titleRoom_ = new QSpacerItem(0, 0);
    layout_->addItem(titleRoom_);
    layout_->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, &frmCommSetup::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmCommSetup::cmdCancel_Click);
    connect(cmdFind, &QPushButton::clicked, this, &frmCommSetup::cmdFind_Click);
    connect(cmdChange, &QPushButton::clicked, this, &frmCommSetup::cmdChange_Click);
    connect(cmbPort, &QComboBox::currentTextChanged, this, &frmCommSetup::showPortMeaning);
}

void frmCommSetup::setBus(int16_t bus)
{
    bus_ = bus;
    const QStringList& names = link_.context().state.CommList;
    setWindowTitle((bus >= 0 && bus < names.size() ? names[bus] : QString()) + QStringLiteral(" Setup"));
    const QMargins margins = layout_->contentsMargins();
    titleRoom_->changeSize(TitleWidth(*this) - margins.left() - margins.right(), 0);
    layout_->invalidate();

    const bool serial = bus == bus::Rs232 || bus::isRs485(bus);
    // GPIB and RS-232 edit their one value in cmbPort on the first row.
    const bool portOnFirstRow = bus == bus::Gpib || bus == bus::Rs232;
    grid_->addWidget(cmbPort, portOnFirstRow ? 0 : 1, 1);
    grid_->addWidget(bus == bus::Tcp ? static_cast<QWidget*>(txtAddress) : cmbAddress, 0, 1);
    if (bus == bus::Gpib)
        fillNumbers(*cmbPort, 1, 31);
    else if (serial)
        fillNumbers(*cmbPort, 1, 9);
    else if (bus == bus::Tcp)
        fillNumbers(*cmbPort, 1, 10001);
    if (bus::isRs485(bus))
        fillNumbers(*cmbAddress, 0, 255);

    lblAddress->setText(bus == bus::Rs232 ? QStringLiteral("Comm Port")
                                          : bus::isRs485(bus) ? QStringLiteral("RS485 Address")
                                                              : QStringLiteral("Address"));
    lblPort->setText(bus::isRs485(bus) ? QStringLiteral("Comm Port") : QStringLiteral("Port"));
    const bool known = bus >= bus::Gpib && bus < bus::Simulated;
    lblAddress->setVisible(known);
    cmbPort->setVisible(known);
    lblPort->setVisible(bus == bus::Tcp || bus::isRs485(bus));
    txtAddress->setVisible(bus == bus::Tcp);
    cmbAddress->setVisible(bus::isRs485(bus));
    cmdFind->setVisible(bus == bus::Gpib || bus == bus::Tcp);
    cmdChange->setVisible(bus == bus::Gpib || bus == bus::Tcp || bus::isRs485(bus));
    lblPortPath->setVisible(serial);
    lblPortsPresent->setVisible(serial);
    if (serial)
        lblPortsPresent->setText(SerialPortsPresent(PresentSerialPorts()));
    showFields();
}

void frmCommSetup::setAddress(const QString& address)
{
    address_ = address;
    showFields();
}

void frmCommSetup::setPort(const QString& port)
{
    port_ = port;
    showFields();
}

void frmCommSetup::showFields()
{
    if (bus_ == bus::Gpib)
        cmbPort->setCurrentText(address_);
    else if (bus_ == bus::Rs232)
        cmbPort->setCurrentText(port_ == QStringLiteral("0") ? QString() : port_);
    else
        cmbPort->setCurrentText(port_);
    txtAddress->setText(address_);
    cmbAddress->setCurrentText(address_);
    showPortMeaning();
}

void frmCommSetup::showPortMeaning()
{
    if (bus_ == bus::Rs232 || bus::isRs485(bus_))
        lblPortPath->setText(
            SerialPortMeaning(link_.context().paths.configFile(), cmbPort->currentText(), PresentSerialPorts()));
}

bool frmCommSetup::validate()
{
    CommFields fields;
    if (bus_ == bus::Gpib) {
        fields.address = cmbPort->currentText();
    } else {
        fields.port = cmbPort->currentText();
        fields.address = bus_ == bus::Tcp ? txtAddress->text() : cmbAddress->currentText();
    }
    const std::optional<QString> problem = ValidateCommFields(bus_, fields);
    address_ = fields.address;
    port_ = fields.port;
    if (problem)
        link_.context().prompts.message(*problem, DataErrorTitle);
    return !problem;
}

void frmCommSetup::cmdOK_Click()
{
    if (!validate())
        return;
    result_ = true;
    hide();
}

void frmCommSetup::cmdCancel_Click()
{
    result_ = false;
    hide();
}

void frmCommSetup::cmdFind_Click()
{
    if (bus_ == bus::Tcp)
        findNetworkDevice();
    else if (bus_ == bus::Gpib)
        findGpibDevice();
}

void frmCommSetup::findNetworkDevice()
{
    frmFindTCPIP find(link_.context(), ReadDiscoverySettings(link_.context().paths.configFile()), this);
    if (!find.Bind())
        return;
    showModal_(find);
    if (find.result()) {
        txtAddress->setText(find.IPAddress());
        cmbPort->setCurrentText(QString::number(find.Port()));
    }
}

void frmCommSetup::findGpibDevice()
{
    std::unique_ptr<frmFindGPIB> find;
    {
        WaitCursor wait;
        find = std::make_unique<frmFindGPIB>(link_, this);
    }
    showModal_(*find);
    if (find->result())
        cmbPort->setCurrentText(find->address());
}

void frmCommSetup::cmdChange_Click()
{
    std::optional<WaitCursor> wait(std::in_place);
    if (!validate())
        return;
    LinkProbe probe(link_, bus_, address_, PortNumber(port_).value_or(0));
    const ProbeOutcome outcome = probe.test();
    wait.reset();
    const QString description = ConnectionDescription(bus_, address_, port_);
    Prompts& prompts = link_.context().prompts;
    if (outcome == ProbeOutcome::OpenFailed)
        prompts.message(QStringLiteral("Error initializing communications on ") + description + QLatin1Char('.'),
                        CommErrorTitle, PromptButtons::Ok, PromptIcon::Critical);
    else if (outcome == ProbeOutcome::NoAnswer)
        prompts.message(QStringLiteral("Could not communicate with device on ") + description + QLatin1Char('.'),
                        CommErrorTitle, PromptButtons::Ok, PromptIcon::Critical);
    else if (bus_ == bus::Tcp)
        changeNetworkSettings();
    else
        changeDeviceAddress();
}

void frmCommSetup::changeNetworkSettings()
{
    frmChangeTCPIP change(link_, this);
    change.Form_Load();
    showModal_(change);
    if (change.result()) {
        txtAddress->setText(change.IPAddress());
        cmbPort->setCurrentText(QString::number(change.Port()));
    }
}

void frmCommSetup::changeDeviceAddress()
{
    frmChange change(link_, this);
    change.setBus(bus_);
    change.setAddress(bus_ == bus::Gpib ? cmbPort->currentText() : cmbAddress->currentText());
    showModal_(change);
    if (!change.result())
        return;
    if (bus_ == bus::Gpib)
        cmbPort->setCurrentText(change.newAddress());
    else
        cmbAddress->setCurrentText(change.newAddress());
}

} // namespace dalto
