#include "frmKD.h"

#include "app/HeldKey.h"
#include "SimulatedStatus.h"
#include "app/Application.h"
#include "app/TranscriptBox.h"
#include "app/WindowNames.h"
#include "core/Configuration.h"
#include "link/DeviceLink.h"
#include "protocol/StatusProtocol.h"

#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <dialix/tavKnob.h>

namespace dalto::front {

namespace {

constexpr int InfoIntervalAtLoad = 250;
constexpr int MenuInterval = 200;

// Window heights in twips: the panel alone, or with the transcript below it.
constexpr int KdHeightTwips = 5295;
constexpr int TallHeightTwips = 6675;
constexpr int DebugHeightTwips = 10110;

menu::MenuVariant VariantOf(PanelSeries series)
{
    return series == PanelSeries::HB ? menu::MenuVariant::HB : menu::MenuVariant::KD;
}

QString WindowNameOf(PanelSeries series)
{
    switch (series) {
    case PanelSeries::MW: return window::frmMW;
    case PanelSeries::HB: return window::frmHB;
    case PanelSeries::KD: break;
    }
    return window::frmKD;
}

} // namespace

frmKD::frmKD(Application& app, PanelSeries series)
    : FrontPanelWindow(app, WindowNameOf(series))
    , series_(series)
    , menu_(app.link(), *this, VariantOf(series))
{
    buildFace();

    tmrMenu->setInterval(MenuInterval);
    connect(tmrMenu, &QTimer::timeout, this, [this] { menu_.tmrMenu_Timer(); });

    connect(cmdMenu, &QPushButton::clicked, this, [this] { menu_.cmdMenu_Click(); });
    connect(cmdItem, &QPushButton::clicked, this, [this] { menu_.cmdItem_Click(); });
    connect(cmdEnter, &QPushButton::clicked, this, [this] { menu_.cmdEnter_Click(); });
    // Hold keys, arrows and CAL act on mouse down and mouse up.
    const auto held = [this](QPushButton* key, auto onDown, auto onUp) {
        auto* tracker = new HeldKey(key);
        connect(tracker, &HeldKey::down, this, onDown);
        connect(tracker, &HeldKey::up, this, onUp);
    };
    held(cmdCal, [this] { menu_.cmdCal_MouseDown(); }, [this] { menu_.cmdCal_MouseUp(); });
    held(cmdVISet, &frmKD::cmdVISet_MouseDown, &frmKD::cmdVISet_MouseUp);
    held(cmdTRIP, &frmKD::cmdTRIP_MouseDown, &frmKD::cmdTRIP_MouseUp);
    held(cmdUp, &frmKD::cmdUp_MouseDown, &frmKD::cmdArrow_MouseUp);
    held(cmdDn, &frmKD::cmdDn_MouseDown, &frmKD::cmdArrow_MouseUp);
    connect(cmdStart, &QPushButton::clicked, this, &frmKD::cmdStart_Click);
    connect(cmdStop, &QPushButton::clicked, this, &frmKD::cmdStop_Click);
    connect(cmdVolt, &QPushButton::clicked, this, &frmKD::cmdVolt_Click);
    connect(cmdCurr, &QPushButton::clicked, this, &frmKD::cmdCurr_Click);
    connect(cmdOVT, &QPushButton::clicked, this, [this] { cmdOVT_Click(); });
    connect(cmdOCT, &QPushButton::clicked, this, [this] { cmdOCT_Click(); });
}

frmKD::~frmKD() = default;

void frmKD::wireClearKey()
{
    cmdClear->installEventFilter(this);
}

void frmKD::Form_Load()
{
    loadPictures();
    fields().DebugMode = DebugModeEnabled(app().context().paths.programFolder());
    applyWindowHeight();

    registerTranscript(*rtbTranx);
    clock().pump();

    fields().RunState = runstate::Standby;
    showCalKey(false);
    buildCollections();

    clock().pump();
    ModeLampsOff();
    ConfigLampsOff();
    menu_.ExitMenu();

    fitKnobs();
    placeKnobs();
    for (tavKnob* knob : fraKnobs->findChildren<tavKnob*>())
        knob->setBackColor(fraKnobs->palette().color(QPalette::Window));

    showArrowKeys(false);
    enableKnobs(true);
    wireClearKey();

    Switching = false;
    show();
    state().SimStatus = SimStatusAtLoad;
    state().SimAlarms = SimAlarmsAtLoad;
    repaint();

    tmrFlash->start();
    tmrInfo->setInterval(InfoIntervalAtLoad);
    tmrInfo->start();
}

void frmKD::applyWindowHeight()
{
    const int twips = fields().DebugMode            ? DebugHeightTwips
                      : series_ == PanelSeries::KD ? KdHeightTwips
                                                   : TallHeightTwips;
    rtbTranx->parentWidget()->setVisible(fields().DebugMode);
    const int pixels = twips * logicalDpiY() / 1440;
    resize(width(), std::max(pixels, sizeHint().height()));
}

void frmKD::buildCollections()
{
    if (!SetPointLamps.isEmpty())
        return;
    SetPointLamps.add("8", lblStatus[8]);
    SetPointLamps.add("10", lblStatus[10]);
    SetPointLamps.add("0", lblErrors[0]);
    SetPointLamps.add("1", lblErrors[1]);

    const std::pair<const char*, Lamp*> config[] = {
        {"0", lblStatus[9]},   {"1", lblStatus[3]},   {"2", lblStatus[4]}, {"3", lblDisabled[0]},
        {"4", lblDisabled[1]}, {"5", lblDisabled[2]}, {"6", lblErrors[8]},
    };
    for (const auto& [key, lamp] : config)
        ConfigLamps.add(key, lamp);

    for (const auto& [index, lamp] : lblErrors)
        FaultLamps.add(QString::number(index), lamp);
    FaultLamps.add("9", lblDisabled[2]);

    for (const auto& [index, lamp] : lblStatus)
        ModeLamps.add(QString::number(index), lamp);
}

void frmKD::setLamp(menu::LampGroup group, int position, LampColour colour)
{
    const LampCollection& lamps = group == menu::LampGroup::SetPoint ? SetPointLamps : ConfigLamps;
    if (Lamp* lamp = lamps.at(position))
        lamp->setColour(colour);
}

void frmKD::ConfigLampsOff()
{
    for (const auto& [key, lamp] : ConfigLamps)
        lamp->setColour(LampColour::Off);
}

void frmKD::FaultLampsOff()
{
    for (const auto& [key, lamp] : FaultLamps)
        lamp->setColour(LampColour::Off);
}

void frmKD::showCalKey(bool shown)
{
    cmdCal->setVisible(shown);
    cmdEnter->setVisible(!shown);
}

void frmKD::showArrowKeys(bool shown)
{
    cmdUp->setVisible(shown);
    cmdDn->setVisible(shown);
    cmdVISet->setVisible(!shown);
    cmdTRIP->setVisible(!shown);
}

void frmKD::enableSetKeys(bool enabled)
{
    for (QPushButton* key : {cmdVolt, cmdCurr, cmdOVT, cmdOCT})
        key->setEnabled(enabled);
}

void frmKD::placeKnobs()
{
    for (int index = 0; index < 4; ++index)
        if (tavKnob* knob = knobFor(index))
            knob->SetPositionNoEvent(state().DeviceState[size_t(index)]);
}

} // namespace dalto::front
