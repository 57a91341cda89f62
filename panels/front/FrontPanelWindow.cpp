#include "FrontPanelWindow.h"

#include "FrontPanelControls.h"
#include "ReadoutValue.h"
#include "StatusQuery.h"
#include "app/Application.h"
#include "app/ProgramPictures.h"
#include "app/TranscriptBox.h"
#include "app/TranscriptSave.h"
#include "app/WindowRegistry.h"
#include "core/LegacyNumbers.h"
#include "link/DeviceLink.h"
#include "protocol/SetPointLimits.h"
#include "protocol/StatusBitNames.h"
#include "protocol/StatusProtocol.h"
#include "trend/TrendWindow.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <dialix/PropertyBag.h>
#include <dialix/tavKnob.h>

namespace dalto::front {

namespace {
constexpr int KnobSize = 96;
constexpr int FlashInterval = 100;
constexpr double BlinkHalfPeriod = 0.35;
constexpr int PumpSliceMs = 10;
// The reply is kept in a fixed-width text, as the device's answer buffer is.
constexpr int ReplyWidth = 100;
} // namespace

FrontPanelWindow::FrontPanelWindow(Application& app, const QString& windowName)
    : PanelWindow(app, windowName)
{
    setWindowTitle(QStringLiteral("Virtual Control Panel"));

    txtVolt = ReadOutBox(QStringLiteral("txtVolt"), QStringLiteral("DC voltage read-out"));
    txtCurr = ReadOutBox(QStringLiteral("txtCurr"), QStringLiteral("DC current read-out"));

    fraKnobs = Plate(QStringLiteral("fraKnobs"));
    fraKnobs->setAutoFillBackground(true);
    knbVolt = makeKnob(QStringLiteral("knbVolt"), QStringLiteral("Voltage knob"), SetPointKnob);
    knbCurr = makeKnob(QStringLiteral("knbCurr"), QStringLiteral("Current knob"), SetPointKnob);
    knobRow_ = new QHBoxLayout(fraKnobs);
    addKnob(knbVolt, QStringLiteral("VOLTAGE"));
    addKnob(knbCurr, QStringLiteral("CURRENT"));
    connect(knbVolt, &tavKnob::Scroll, this,
            [this] { knobScrolled(knbVolt, menu::ReadOut::Volt, state().VoltFormat); });
    connect(knbCurr, &tavKnob::Scroll, this,
            [this] { knobScrolled(knbCurr, menu::ReadOut::Curr, state().CurrFormat); });
    connect(knbVolt, &tavKnob::Change, this, [this] {
        knobChanged(knbVolt, menu::ReadOut::Volt, state().VoltFormat, QStringLiteral("VOLT "), 0);
    });
    connect(knbCurr, &tavKnob::Change, this, [this] {
        knobChanged(knbCurr, menu::ReadOut::Curr, state().CurrFormat, QStringLiteral("CURR "), 1);
    });

    fraTitle = Plate(QStringLiteral("fraTitle"));
    pctName = new QLabel;
    Name(pctName, QStringLiteral("pctName"), QStringLiteral("Product name"));
    (new QHBoxLayout(fraTitle))->addWidget(pctName);
    pctLogo = new QLabel;
    Name(pctLogo, QStringLiteral("pctLogo"), QStringLiteral("Logo"));

    rtbTranx = new TranscriptBox;
    rtbTranx->setAccessibleName(QStringLiteral("Transcript"));
    cmdClearText = Key(QStringLiteral("cmdClearText"), QStringLiteral("Clear"), QStringLiteral("Clear transcript"));
    cmdSave = Key(QStringLiteral("cmdSave"), QStringLiteral("Save to File"), QStringLiteral("Save transcript to file"));
    connect(cmdClearText, &QPushButton::clicked, this, &FrontPanelWindow::cmdClearText_Click);
    connect(cmdSave, &QPushButton::clicked, this, &FrontPanelWindow::cmdSave_Click);

    tmrInfo = new QTimer(this);
    tmrInfo->setObjectName(QStringLiteral("tmrInfo"));
    tmrInfo->setInterval(100);
    tmrMenu = new QTimer(this);
    tmrMenu->setObjectName(QStringLiteral("tmrMenu"));
    tmrFlash = new QTimer(this);
    tmrFlash->setObjectName(QStringLiteral("tmrFlash"));
    tmrFlash->setInterval(FlashInterval);
    connect(tmrInfo, &QTimer::timeout, this, [this] { tmrInfo_Timer(); });
    connect(tmrFlash, &QTimer::timeout, this, &FrontPanelWindow::tmrFlash_Timer);

    connectPanelMenu();
}

FrontPanelWindow::~FrontPanelWindow() = default;

QString FrontPanelWindow::aboutTitle() const
{
    return QStringLiteral("Virtual Control Panel");
}

QList<QWidget*> FrontPanelWindow::measuredReadOuts() const
{
    return {txtVolt, txtCurr};
}

DeviceLink& FrontPanelWindow::link()
{
    return app().link();
}

SharedState& FrontPanelWindow::state()
{
    return app().state();
}

Clock& FrontPanelWindow::clock()
{
    return app().context().clock;
}

void FrontPanelWindow::Form_Unload()
{
    tmrInfo->stop();
    tmrMenu->stop();
    tmrFlash->stop();
    // The trend window belongs to this panel: it goes when the panel goes.
    if (trend_)
        trend_->close();
    link().WriteDevice(status::Closing, debugMode());
    SetPointLamps.clear();
    ConfigLamps.clear();
    FaultLamps.clear();
    ModeLamps.clear();
}

QLineEdit* FrontPanelWindow::readOut(menu::ReadOut which) const
{
    return which == menu::ReadOut::Volt ? txtVolt : txtCurr;
}

Lamp* FrontPanelWindow::addLamp(std::map<int, Lamp*>& array, int index, const QString& caption, int tag)
{
    const QString arrayName = &array == &lblStatus ? QStringLiteral("lblStatus")
                              : &array == &lblErrors ? QStringLiteral("lblErrors")
                                                     : QStringLiteral("lblDisabled");
    auto* lamp = new Lamp(caption, tag);
    lamp->setObjectName(QStringLiteral("%1(%2)").arg(arrayName).arg(index));
    array[index] = lamp;
    return lamp;
}

void FrontPanelWindow::setReadOut(menu::ReadOut which, const QString& text)
{
    readOut(which)->setText(text);
}

void FrontPanelWindow::ShowValue(menu::ReadOut which, float value, const QString& format)
{
    readOut(which)->setText(ShowValueText(value, format));
}

bool FrontPanelWindow::StatusBitShown(int bit) const
{
    return bit >= 0 && bit < int(StatusBitsShown.size()) && StatusBitsShown[size_t(bit)];
}

bool FrontPanelWindow::FaultBitShown(int bit) const
{
    return bit >= 0 && bit < int(FaultBitsShown.size()) && FaultBitsShown[size_t(bit)];
}

void FrontPanelWindow::ModeLampsOff()
{
    for (const auto& [key, lamp] : ModeLamps)
        if (key != QLatin1String("6") && key != QLatin1String("7"))
            lamp->setColour(menu::LampColour::Off);
}

void FrontPanelWindow::enableKnobs(bool enabled)
{
    for (tavKnob* knob : fraKnobs->findChildren<tavKnob*>())
        knob->setKnobEnabled(enabled);
}

void FrontPanelWindow::setMenuTimerEnabled(bool enabled)
{
    SwitchTimer(*tmrMenu, enabled);
}

void FrontPanelWindow::setMenuTimerInterval(int milliseconds)
{
    tmrMenu->setInterval(milliseconds);
}

void FrontPanelWindow::setInfoTimerEnabled(bool enabled)
{
    SwitchTimer(*tmrInfo, enabled);
}

void FrontPanelWindow::poll()
{
    tmrInfo_Timer();
}

void FrontPanelWindow::repaint()
{
    update();
}

void FrontPanelWindow::addReadOuts(QGridLayout& grid)
{
    Label1 = Caption(QStringLiteral("Label1"), QStringLiteral("DC VOLTAGE"));
    Label2 = Caption(QStringLiteral("Label2"), QStringLiteral("DC CURRENT"));
    for (const int bit : {8, 10}) {
        Lamp* lamp = addLamp(lblStatus, bit, statusbits::StatusLampCaption(bit), bit);
        lamp->setAccessibleName(statusbits::StatusBitName(bit));
    }
    grid.addWidget(Label1, 0, 0);
    grid.addWidget(txtVolt, 1, 0);
    grid.addWidget(lblStatus[8], 1, 1);
    grid.addWidget(Label2, 2, 0);
    grid.addWidget(txtCurr, 3, 0);
    grid.addWidget(lblStatus[10], 3, 1);
}

void FrontPanelWindow::restartPollInterval()
{
    tmrInfo->setInterval(PollInterval);
}

std::optional<QString> FrontPanelWindow::askStatus()
{
    const QPointer<FrontPanelWindow> self(this);
    const QString reply = QueryStatus(link(), debugMode()).leftJustified(ReplyWidth, QLatin1Char(' '), true);
    if (!self)
        return std::nullopt;
    polling_ = false;
    return reply;
}

bool FrontPanelWindow::showStatus(const std::optional<StatusReading>& reading, const QString& heading,
                                  const QString& reply)
{
    if (!reading) {
        reportPollError(heading, reply, OverflowDescription);
        return false;
    }
    StatusBitsShown = reading->statusBits;
    FaultBitsShown = reading->faultBits;
    PaintLamps();
    emit statusRead(clock().now(), *reading);
    return true;
}

bool FrontPanelWindow::closeIfNotCurrent()
{
    const QObject* current = state().CurrentPanel.data();
    if (!current || current->objectName() == windowName())
        return false;
    Switching = true;
    app().windows().unload(windowName());
    Switching = false;
    return true;
}

tavKnob* FrontPanelWindow::makeKnob(const QString& name, const QString& caption, const KnobDesign& design)
{
    auto* knob = new tavKnob;
    Name(knob, name, caption);
    dialix::PropertyBag stored;
    stored.write(QStringLiteral("Max"), 100);
    stored.write(QStringLiteral("Turns"), design.turns);
    stored.write(QStringLiteral("Slot"), design.slot);
    knob->ReadProperties(stored);
    knob->setUserMode(true);
    knob->setFixedSize(KnobSize, KnobSize);
    return knob;
}

tavKnob* FrontPanelWindow::knobFor(int index) const
{
    return index == 0 ? knbVolt : index == 1 ? knbCurr : nullptr;
}

void FrontPanelWindow::fitKnobs()
{
    for (std::size_t kind = 0; kind < SetPointKindCount; ++kind) {
        if (tavKnob* knob = knobFor(int(kind))) {
            knob->setMaximum(state().Ratings[std::size_t(UpperRatingIndex(SetPointKind(kind)))]);
            knob->setStop(SetPointStop(SetPointKind(kind), state()));
        }
    }
}

void FrontPanelWindow::addKnob(tavKnob* knob, const QString& caption)
{
    auto* column = new QVBoxLayout;
    column->addWidget(knob, 0, Qt::AlignHCenter);
    column->addWidget(Caption(knob->objectName() + QStringLiteral("Caption"), caption));
    knobRow_->addLayout(column);
}

void FrontPanelWindow::loadPictures()
{
    const Paths& paths = app().context().paths;
    setWindowIcon(programIcon(paths));
    const QPixmap logo = programPicture(paths, QStringLiteral("logo.gif"));
    const QPixmap name = programPicture(paths, QStringLiteral("name.gif"));
    pctLogo->setPixmap(logo);
    pctLogo->setVisible(!logo.isNull());
    pctName->setPixmap(name);
    fraTitle->setVisible(!name.isNull());
}

QHBoxLayout* FrontPanelWindow::titleRow()
{
    auto* row = new QHBoxLayout;
    row->addWidget(fraTitle);
    row->addStretch();
    row->addWidget(pctLogo);
    return row;
}

QWidget* FrontPanelWindow::transcriptArea()
{
    if (transcriptArea_)
        return transcriptArea_;
    transcriptArea_ = new QWidget;
    transcriptArea_->setObjectName(QStringLiteral("transcriptArea"));
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdClearText);
    buttons->addWidget(cmdSave);
    buttons->addStretch();
    auto* row = new QHBoxLayout(transcriptArea_);
    row->addWidget(rtbTranx, 1);
    row->addLayout(buttons);
    return transcriptArea_;
}

void FrontPanelWindow::setFace(QWidget* face)
{
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(face, 1);
    layout->addWidget(transcriptArea(), 3);
    setCentralWidget(central);
}

LampColour FrontPanelWindow::litModeColour(const QString& key) const
{
    return key == QLatin1String("6") ? LampColour::Orange : LampColour::Green;
}

void FrontPanelWindow::PaintLamps()
{
    for (const auto& [key, lamp] : ModeLamps)
        lamp->setColour(StatusBitsShown[size_t(lamp->tag())] ? litModeColour(key) : LampColour::Off);
    // Each lamp is set once per poll: the last fault lamp (REMOTE) is lit green,
    // and a lamp set red and then green again would be restyled twice a tick.
    const Lamp* remote = FaultLamps.last();
    for (const auto& [key, lamp] : FaultLamps) {
        const LampColour lit = lamp == remote ? LampColour::Green : LampColour::Red;
        lamp->setColour(FaultBitsShown[size_t(lamp->tag())] ? lit : LampColour::Off);
    }
}

void FrontPanelWindow::tmrFlash_Timer()
{
    const double now = clock().now();
    if (now - lastBlink_ > BlinkHalfPeriod) {
        blinkPhase() = !blinkPhase();
        lastBlink_ = now;
    }
}

void FrontPanelWindow::waitProcessingEvents(double seconds)
{
    const QPointer<FrontPanelWindow> self(this);
    const double start = clock().now();
    while (self && clock().now() - start < seconds)
        clock().pump(PumpSliceMs);
}

void FrontPanelWindow::SwitchTimer(QTimer& timer, bool on)
{
    if (!on)
        timer.stop();
    else if (!timer.isActive())
        timer.start();
}

void FrontPanelWindow::reportPollError(const QString& heading, const QString& reply,
                                       const QString& description)
{
    if (!debugMode())
        return;
    app().context().prompts.message(heading + QLatin1Char('\n') + QStringLiteral("Command: ") + status::Live +
                                        QLatin1Char('\n') + QStringLiteral("Response: ") + reply +
                                        QLatin1Char('\n') + QStringLiteral("Error: ") + description,
                                    QStringLiteral("DaltoPanel Error"), PromptButtons::Ok,
                                    PromptIcon::Critical);
}

void FrontPanelWindow::knobScrolled(tavKnob* knob, menu::ReadOut display, const QString& format)
{
    tmrInfo->stop();
    readOut(display)->setText(ShowValueText(knob->value(), format));
    update();
}

void FrontPanelWindow::knobChanged(tavKnob* knob, menu::ReadOut display, const QString& format,
                                   const QString& command, int index)
{
    QLineEdit* shown = readOut(display);
    shown->setText(ShowValueText(knob->value(), format));
    const auto value = float(legacy::leadingNumber(shown->text()));
    if (ReportRefusal(app().context().prompts, SetPointRefusal(SetPointKind(index), value, state()))) {
        // A knob placed above the ceiling and let go where it was: it goes back
        // to the set point, and nothing is sent.
        knob->SetPositionNoEvent(state().DeviceState[size_t(index)]);
        SwitchTimer(*tmrInfo, true);
        return;
    }
    link().WriteDevice(command + shown->text(), debugMode());
    state().DeviceState[size_t(index)] = value;
    state().DeviceStateSaved[size_t(index)] = value;
    update();
    SwitchTimer(*tmrInfo, true);
}

void FrontPanelWindow::cmdClearText_Click()
{
    rtbTranx->setTranscriptText(QString());
}

void FrontPanelWindow::cmdSave_Click()
{
    SaveTranscriptToFile(app().context(), *rtbTranx);
}

} // namespace dalto::front
