#include "FrmLoader.h"

#include "app/Application.h"
#include "app/WindowNames.h"
#include "core/Configuration.h"
#include "core/PickFile.h"
#include "firmware/LoaderBus.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace dalto {

namespace {

const QString ErrorReportTitle = QStringLiteral("Report Firmware Loader Error");

QColor statusColour(firmware::StatusColour colour, const QPalette& palette)
{
    switch (colour) {
    case firmware::StatusColour::Red: return QColor(255, 0, 0);
    case firmware::StatusColour::Green: return QColor(0, 192, 0);
    case firmware::StatusColour::Yellow: return QColor(255, 255, 0);
    case firmware::StatusColour::Window: break;
    }
    return palette.color(QPalette::Base);
}

QLineEdit* lockedBox(const QString& name, const QString& caption, const QPalette& palette)
{
    auto* box = new QLineEdit;
    box->setObjectName(name);
    box->setAccessibleName(caption);
    box->setReadOnly(true);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, palette.color(QPalette::Button));
    box->setPalette(colours);
    return box;
}

QPushButton* namedButton(const QString& name, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

QGroupBox* namedFrame(const QString& name, const QString& caption)
{
    auto* frame = new QGroupBox(caption);
    frame->setObjectName(name);
    return frame;
}

} // namespace

FrmLoader::FrmLoader(Application& app)
    : ToolPanel(app, window::FrmLoader, QStringLiteral("Firmware Panel"))
    , fraFile(namedFrame(QStringLiteral("fraFile"), QStringLiteral("Choose new firmware file:")))
    , txtFirmware(lockedBox(QStringLiteral("txtFirmware"), QStringLiteral("Firmware file"), palette()))
    , cmdSelect(namedButton(QStringLiteral("cmdSelect"), QStringLiteral("Select")))
    , fraProgram(namedFrame(QStringLiteral("fraProgram"), QStringLiteral("Programming:")))
    , cmdStart(namedButton(QStringLiteral("cmdStart"), QStringLiteral("Start")))
    , cmdStop(namedButton(QStringLiteral("cmdStop"), QStringLiteral("Stop")))
    , lblAdr(new QLabel(QStringLiteral("Current Address:")))
    , txtAdr(lockedBox(QStringLiteral("txtAdr"), QStringLiteral("Current Address"), palette()))
    , fraStatus(namedFrame(QStringLiteral("fraStatus"), QStringLiteral("Status:")))
    , txtStatus(new QLineEdit)
    , pgbStatus(new QProgressBar)
    , loader_(app.link(), *this)
{
    lblAdr->setObjectName(QStringLiteral("lblAdr"));
    lblAdr->setBuddy(txtAdr);
    txtStatus->setObjectName(QStringLiteral("txtStatus"));
    txtStatus->setAccessibleName(QStringLiteral("Status"));
    txtStatus->setReadOnly(true);
    txtStatus->setAutoFillBackground(true);
    pgbStatus->setObjectName(QStringLiteral("pgbStatus"));
    pgbStatus->setAccessibleName(QStringLiteral("Progress"));
    pgbStatus->setRange(0, 1);
    pgbStatus->setValue(0);

    auto* file = new QHBoxLayout(fraFile);
    file->addWidget(txtFirmware, 1);
    file->addWidget(cmdSelect);

    auto* program = new QGridLayout(fraProgram);
    program->addWidget(cmdStart, 0, 0);
    program->addWidget(cmdStop, 0, 1);
    program->addWidget(lblAdr, 1, 0);
    program->addWidget(txtAdr, 1, 1);

    auto* status = new QVBoxLayout(fraStatus);
    status->addWidget(txtStatus);
    status->addWidget(pgbStatus);

    auto* content = new QWidget;
    auto* frames = new QVBoxLayout(content);
    frames->setContentsMargins(0, 0, 0, 0);
    frames->addWidget(fraFile);
    auto* lower = new QHBoxLayout;
    lower->addWidget(fraProgram);
    lower->addWidget(fraStatus, 1);
    frames->addLayout(lower);
    setPanelContent(content);

    connect(cmdSelect, &QPushButton::clicked, this, &FrmLoader::cmdSelect_Click);
    connect(cmdStart, &QPushButton::clicked, this, &FrmLoader::cmdStart_Click);
    connect(cmdStop, &QPushButton::clicked, this, &FrmLoader::cmdStop_Click);
}

void FrmLoader::Form_Load()
{
    loadToolPanel();
    // A bus that fell back to Simulated mode is the configured one again.
    SharedState& state = app().state();
    ReadCommSettings(state, app().context().paths.configFile(), state.BusCode, state.DeviceAddress, state.DevicePort);
}

void FrmLoader::cmdSelect_Click()
{
    const QString path = PickFile(app().context().prompts, QStringLiteral("Select File"), QString(),
                                  QStringLiteral("Hex Files"), QStringLiteral("*.hex"), QStringLiteral("open"));
    if (path.isEmpty())
        return;
    app().context().clock.pump();
    txtFirmware->setText(path);
}

void FrmLoader::cmdStart_Click()
{
    if (const auto refusal = firmware::busRefusal(app().state().BusCode)) {
        app().context().prompts.message(*refusal, ApplicationTitle);
        mnuSetup_Click();
        return;
    }
    cmdStart->setEnabled(false);
    setMenusUsable(false);
    loader_.run(txtFirmware->text());
}

void FrmLoader::cmdStop_Click()
{
    loader_.stop();
}

void FrmLoader::Set_Status(const QString& text, const QColor& colour)
{
    QPalette colours = txtStatus->palette();
    colours.setColor(QPalette::Base, colour);
    txtStatus->setPalette(colours);
    txtStatus->setText(text);
}

void FrmLoader::showStatus(firmware::LoaderStatus status)
{
    const firmware::StatusLook look = firmware::statusLook(status);
    Set_Status(look.text, statusColour(look.colour, palette()));
}

void FrmLoader::showAddress(const QString& address)
{
    txtAdr->setText(address);
}

void FrmLoader::showProgressRange(int maximum)
{
    pgbStatus->setRange(0, maximum);
}

void FrmLoader::showProgress(int value)
{
    pgbStatus->setValue(value);
}

void FrmLoader::tell(const firmware::LoaderMessage& message)
{
    app().context().prompts.message(message.text, message.title, PromptButtons::Ok, message.icon);
}

void FrmLoader::reportError(const firmware::LoaderError& error)
{
    app().context().prompts.message(QStringLiteral("Error Information:\r\nErr Source: ") + error.source
                                        + QStringLiteral("\r\nErr Description: ") + error.description
                                        + QStringLiteral("\r\nErr Number: ") + QString::number(error.number),
                                    ErrorReportTitle);
}

void FrmLoader::transferEnded()
{
    cmdStart->setEnabled(true);
    setMenusUsable(true);
}

void FrmLoader::setMenusUsable(bool usable)
{
    menu.mnuView->setEnabled(usable);
    menu.mnuComm->setEnabled(usable);
}

} // namespace dalto
