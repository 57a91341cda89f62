#include "frmCalibration.h"

#include "RowControls.h"
#include "core/BusCode.h"
#include "CalibrationRules.h"
#include "app/Application.h"
#include "app/HeldKey.h"
#include "app/WindowNames.h"
#include "core/Clock.h"
#include "link/DeviceLink.h"
#include "protocol/CommandVocabulary.h"
#include "protocol/StatusProtocol.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace dalto {

namespace {
constexpr int PotCount = 5;
constexpr double StepSeconds = 0.1;
constexpr int PumpSliceMs = 10;
// The device reads a network-row setting before it answers.
constexpr int NetworkSettleMs = 100;

void addHeaders(QGridLayout& grid)
{
    const QStringList headers = {QStringLiteral("Get"), QStringLiteral("Set"), QStringLiteral("Command"),
                                 QStringLiteral("Data")};
    for (int column = 0; column < headers.size(); ++column) {
        auto* header = new QLabel(headers[column]);
        header->setStyleSheet(QStringLiteral("font-weight: bold"));
        grid.addWidget(header, 0, column);
    }
}

QString withoutLineBreaks(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}
} // namespace

frmCalibration::frmCalibration(Application& app)
    : ToolPanel(app, window::frmCalibration, QStringLiteral("Calibration Panel"))
    , fraCmds(new QGroupBox(QStringLiteral("Commands:")))
    , cmdUp(new QPushButton(QStringLiteral("Up")))
    , cmdDn(new QPushButton(QStringLiteral("Down")))
{
    fraCmds->setObjectName(QStringLiteral("fraCmds"));
    fraCmds->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto* rows = new QGridLayout(fraCmds);
    addHeaders(*rows);
    int line = 1;
    for (const CalibrationRow& row : CalibrationRows())
        addRow(*rows, line++, row);

    cmdUp->setObjectName(QStringLiteral("cmdUp"));
    cmdDn->setObjectName(QStringLiteral("cmdDn"));
    auto* upKey = new HeldKey(cmdUp);
    auto* downKey = new HeldKey(cmdDn);
    connect(upKey, &HeldKey::down, this, &frmCalibration::cmdUp_MouseDown);
    connect(upKey, &HeldKey::up, this, &frmCalibration::cmdArrow_MouseUp);
    connect(downKey, &HeldKey::down, this, &frmCalibration::cmdDn_MouseDown);
    connect(downKey, &HeldKey::up, this, &frmCalibration::cmdArrow_MouseUp);

    auto* content = new QWidget;
    auto* frames = new QHBoxLayout(content);
    frames->setContentsMargins(0, 0, 0, 0);
    frames->addWidget(fraCmds, 0, Qt::AlignTop);
    frames->addWidget(buildPotFrame(), 0, Qt::AlignTop);
    setPanelContent(content);
}

void frmCalibration::addRow(QGridLayout& grid, int line, const CalibrationRow& row)
{
    const int index = row.index;
    auto* caption = new QLabel(row.caption);
    caption->setObjectName(row.labelName.isEmpty() ? ArrayName("lblSCPI", index) : row.labelName);
    lblSCPI[index] = caption;
    if (row.hasGet) {
        QPushButton* get = RowButton(QStringLiteral("Get"), ArrayName("cmdGetSCPI", index), row.caption);
        cmdGetSCPI[index] = get;
        connect(get, &QPushButton::clicked, this, [this, index] { cmdGetSCPI_Click(index); });
        grid.addWidget(get, line, 0);
    }
    QPushButton* set = RowButton(QStringLiteral("Set"), ArrayName("cmdSetSCPI", index), row.caption);
    cmdSetSCPI[index] = set;
    connect(set, &QPushButton::clicked, this, [this, index] { cmdSetSCPI_Click(index); });
    grid.addWidget(set, line, 1);
    grid.addWidget(caption, line, 2);
    if (row.hasData) {
        auto* box = new QLineEdit;
        box->setObjectName(ArrayName("txtSCPI", index));
        box->setAccessibleName(row.caption);
        caption->setBuddy(box);
        txtSCPI[index] = box;
        grid.addWidget(box, line, 3);
    }
}

QGroupBox* frmCalibration::buildPotFrame()
{
    auto* frame = new QGroupBox;
    auto* grid = new QGridLayout(frame);
    addHeaders(*grid);
    for (int i = 0; i < PotCount; ++i) {
        const QString caption = QStringLiteral("Pot %1").arg(i + 1);
        auto* get = RowButton(QStringLiteral("Get"), ArrayName("cmdGetPot", i), caption);
        auto* set = RowButton(QStringLiteral("Set"), ArrayName("cmdSetPot", i), caption);
        auto* label = new QLabel(caption);
        auto* box = new QLineEdit;
        box->setObjectName(ArrayName("txtPot", i));
        box->setAccessibleName(caption);
        label->setBuddy(box);
        cmdGetPot[i] = get;
        cmdSetPot[i] = set;
        txtPot[i] = box;
        connect(get, &QPushButton::clicked, this, [this, i] { cmdGetPot_Click(i); });
        connect(set, &QPushButton::clicked, this, [this, i] { cmdSetPot_Click(i); });
        grid->addWidget(get, i + 1, 0);
        grid->addWidget(set, i + 1, 1);
        grid->addWidget(label, i + 1, 2);
        grid->addWidget(box, i + 1, 3);
    }
    auto* arrows = new QHBoxLayout;
    arrows->addWidget(cmdUp);
    arrows->addWidget(cmdDn);
    grid->addLayout(arrows, PotCount + 1, 0, 1, 4);
    return frame;
}

void frmCalibration::Form_Load()
{
    loadToolPanel();
    selectedPot_ = -1;
    app().link().WriteDevice(status::ToolPanelOpened, false);
    SetFactoryAccess(false);
    SetPotAccess(false);
}

// A locked box is read-only and shown in the button-face colour.
void frmCalibration::setBoxUnlocked(QLineEdit* box, bool unlocked)
{
    box->setReadOnly(!unlocked);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, unlocked ? palette().color(QPalette::Base) : palette().color(QPalette::Button));
    box->setPalette(colours);
}

void frmCalibration::setRowVisible(int index, bool visible)
{
    cmdGetSCPI.at(index)->setVisible(visible);
    cmdSetSCPI.at(index)->setVisible(visible);
    txtSCPI.at(index)->setVisible(visible);
    lblSCPI.at(index)->setVisible(visible);
}

void frmCalibration::SetPotAccess(bool enable)
{
    for (int i = 0; i < PotCount; ++i) {
        cmdSetPot.at(i)->setEnabled(enable);
        setBoxUnlocked(txtPot.at(i), enable);
    }
    cmdUp->setEnabled(enable);
    cmdDn->setEnabled(enable);
}

// The frame takes the height of the rows left visible: it ends above System Ver
// without factory access, above the network rows off TCP/IP.
void frmCalibration::SetFactoryAccess(bool show)
{
    const bool network = show && app().state().BusCode == bus::Tcp;
    for (const CalibrationRow& row : CalibrationRows()) {
        if (row.access == RowAccess::FactorySet) {
            cmdSetSCPI.at(row.index)->setEnabled(show);
            setBoxUnlocked(txtSCPI.at(row.index), show);
        } else if (row.access == RowAccess::FactoryRow) {
            setRowVisible(row.index, show);
        } else if (row.access == RowAccess::FactoryNetworkRow) {
            setRowVisible(row.index, network);
        }
    }
    fraCmds->layout()->invalidate();
    fraCmds->setFixedHeight(fraCmds->sizeHint().height());
}

void frmCalibration::selectAll(QLineEdit* box)
{
    box->setFocus();
    box->setSelection(0, static_cast<int>(box->text().size()));
}

void frmCalibration::cmdGetSCPI_Click(int index)
{
    const QString reply = withoutLineBreaks(exchange(QueryOf(app().state().ScpiCommands.value(index)), {fraCmds}));
    QLineEdit* box = txtSCPI.at(index);
    if (index != calrow::NetworkVersion)
        box->setText(reply);
    else if (const std::optional<QString> revision = HardwareRevisionIn(reply))
        box->setText(*revision);
    selectAll(box);
}

void frmCalibration::cmdSetSCPI_Click(int index)
{
    QString command = app().state().ScpiCommands.value(index);
    const auto box = txtSCPI.find(index);
    if (box != txtSCPI.end())
        command += QLatin1Char(' ') + box->second->text();
    const bool networkRow = index == calrow::NetworkSerial || index == calrow::NetworkVersion;
    const QString code = txtSCPI.at(calrow::Password)->text();
    // The module takes factory data only with the factory code after the value.
    if (networkRow && code == FactoryAccessCode)
        command += QLatin1Char(' ') + FactoryAccessCode;
    DeviceLink& link = app().link();
    link.WriteDevice(command, true);
    if (networkRow) {
        app().context().clock.delay(NetworkSettleMs);
        link.ReadDevice(app().state().LastError, 2, true);
    }
    if (index == calrow::EndCal) {
        SetFactoryAccess(false);
        SetPotAccess(false);
    }
    if (index == calrow::Password) {
        const CalibrationAccess access = AccessForCode(code);
        SetPotAccess(OpensPots(access));
        SetFactoryAccess(OpensFactory(access));
    }
}

void frmCalibration::cmdGetPot_Click(int index)
{
    const QString query = QueryOf(app().state().ScpiCommands.value(calrow::Pot)) + QLatin1Char(' ') +
                          QString::number(index + 1);
    DeviceLink& link = app().link();
    link.WriteDevice(query, true);
    QString reply;
    link.ReadDevice(reply, 2, true);
    QLineEdit* box = txtPot.at(index);
    box->setText(withoutLineBreaks(reply));
    selectedPot_ = index;
    selectAll(box);
}

void frmCalibration::cmdSetPot_Click(int index)
{
    app().link().WriteDevice(QStringLiteral("%1 %2,%3")
                                 .arg(app().state().ScpiCommands.value(calrow::Pot))
                                 .arg(index + 1)
                                 .arg(txtPot.at(index)->text()),
                             true);
}

void frmCalibration::cmdUp_MouseDown()
{
    potHeld(true);
}

void frmCalibration::cmdDn_MouseDown()
{
    potHeld(false);
}

void frmCalibration::cmdArrow_MouseUp()
{
    app().state().ButtonHeld = false;
}

// Steps the selected pot once per pass until the key comes up; the command goes
// out on every pass, also when the value stands at a limit.
void frmCalibration::potHeld(bool up)
{
    const QPointer<frmCalibration> self(this);
    AppContext& context = app().context();
    SharedState& state = context.state;
    Clock& clock = context.clock;
    // The window may go, or the program end, while events run between the steps.
    const auto holding = [&] { return self && !context.programEnding; };
    state.ButtonHeld = true;
    while (holding() && state.ButtonHeld && selectedPot_ >= 0) {
        QLineEdit* box = txtPot.at(selectedPot_);
        box->setText(SteppedPot(box->text(), up));
        app().link().WriteDevice(QStringLiteral("CAL:POT %1,%2").arg(selectedPot_ + 1).arg(box->text()), true);
        const double sent = clock.now();
        while (holding() && clock.now() - sent < StepSeconds)
            clock.pump(PumpSliceMs);
    }
}

} // namespace dalto
