#include "frmHBX.h"

#include "app/HeldKey.h"
#include "SimulatedStatus.h"
#include "app/Application.h"
#include "app/TranscriptBox.h"
#include "app/WindowNames.h"
#include "core/Configuration.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <dialix/tavKnob.h>

namespace dalto::front {

namespace {
constexpr int InfoIntervalAtLoad = 250;
} // namespace

frmHBX::frmHBX(Application& app)
    : FrontPanelWindow(app, window::frmHBX)
    , menu_(app.link(), *this)
{
    buildFace();
    // The supply's panel has no room for the transcript: it stays below the
    // window's edge, also in debug mode.
    transcriptArea()->hide();
    connectKeys();
}

frmHBX::~frmHBX() = default;

void frmHBX::connectKeys()
{
    connect(tmrMenu, &QTimer::timeout, this, [this] { menu_.tmrMenu_Timer(); });

    // Every change of the entry display runs the keypad rules, whatever made it
    // (keys, paste, an accessibility tool, setText); the engine's own rewrites
    // of the display do not.
    connect(txtInput, &QLineEdit::textChanged, this, [this] {
        if (!writingEntry_)
            menu_.txtInput_Change();
    });

    const std::pair<QPushButton*, void (hbx::HbxMenu::*)()> clicks[] = {
        {cmdMenu, &hbx::HbxMenu::cmdMenu_Click},   {cmdItem, &hbx::HbxMenu::cmdItem_Click},
        {cmdMem, &hbx::HbxMenu::cmdMem_Click},     {cmdArm, &hbx::HbxMenu::cmdArm_Click},
        {cmdEnter, &hbx::HbxMenu::cmdEnter_Click}, {cmdStart, &hbx::HbxMenu::cmdStart_Click},
        {cmdStop, &hbx::HbxMenu::cmdStop_Click},
    };
    for (const auto& [key, handler] : clicks)
        connect(key, &QPushButton::clicked, this, [this, handler = handler] { (menu_.*handler)(); });

    const struct {
        QPushButton* key;
        void (hbx::HbxMenu::*down)();
        void (hbx::HbxMenu::*up)();
    } held[] = {
        {cmdDsply, &hbx::HbxMenu::cmdDsply_MouseDown, &hbx::HbxMenu::cmdDsply_MouseUp},
        {cmdUp, &hbx::HbxMenu::cmdUp_MouseDown, &hbx::HbxMenu::cmdArrow_MouseUp},
        {cmdDn, &hbx::HbxMenu::cmdDn_MouseDown, &hbx::HbxMenu::cmdArrow_MouseUp},
        {cmdClear, &hbx::HbxMenu::cmdClear_MouseDown, &hbx::HbxMenu::cmdClear_MouseUp},
    };
    for (const auto& h : held) {
        auto* tracker = new HeldKey(h.key);
        connect(tracker, &HeldKey::down, this, [this, down = h.down] { (menu_.*down)(); });
        connect(tracker, &HeldKey::up, this, [this, up = h.up] { (menu_.*up)(); });
    }
}

void frmHBX::Form_Load()
{
    loadPictures();
    fields().DebugMode = DebugModeEnabled(app().context().paths.programFolder());
    registerTranscript(*rtbTranx);
    clock().pump();

    fields().SetPointItem = hbx::hbxstate::Voltage;
    fields().RunState = hbx::hbxrun::Standby;
    buildCollections();
    menu_.ExitMenu();

    fitKnobs();
    placeKnobs();
    for (tavKnob* knob : {knbVolt, knbCurr})
        knob->setBackColor(fraKnobs->palette().color(QPalette::Window));
    enableKnobs(true);

    Switching = false;
    show();
    state().SimStatus = SimStatusAtLoad;
    state().SimAlarms = SimAlarmsAtLoad;
    txtInput->setFocus();
    update();

    tmrFlash->start();
    tmrInfo->setInterval(InfoIntervalAtLoad);
    tmrInfo->start();
}

void frmHBX::buildCollections()
{
    if (!SetPointLamps.isEmpty())
        return;
    const std::pair<const char*, Lamp*> setPoints[] = {
        {"8", lblStatus[8]}, {"10", lblStatus[10]}, {"0", lblErrors[0]}, {"1", lblErrors[1]}};
    for (const auto& [key, lamp] : setPoints)
        SetPointLamps.add(key, lamp);

    const std::pair<const char*, Lamp*> config[] = {
        {"0", lblStatus[9]},   {"1", lblStatus[3]},   {"2", lblStatus[4]},   {"3", lblDisabled[0]},
        {"4", lblDisabled[3]}, {"5", lblDisabled[1]}, {"6", lblDisabled[2]}, {"7", lblErrors[8]},
    };
    for (const auto& [key, lamp] : config)
        ConfigLamps.add(key, lamp);

    for (const auto& [index, lamp] : lblErrors)
        FaultLamps.add(QString::number(index), lamp);
    FaultLamps.add("9", lblDisabled[2]);

    ModeLamps.add("0", lblArm[0]);
    for (const auto& [index, lamp] : lblStatus)
        ModeLamps.add(QString::number(index), lamp);
}

LampColour frmHBX::litModeColour(const QString& key) const
{
    return key == QLatin1String("0") ? LampColour::Yellow : FrontPanelWindow::litModeColour(key);
}

void frmHBX::keyPressEvent(QKeyEvent* event)
{
    // Enter comes here also from txtInput, which lets it pass on.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        menu_.cmdEnter_Click();
        return;
    }
    const QString text = event->text();
    if (text.size() != 1 || !(text[0].isDigit() || text[0] == QLatin1Char('.'))) {
        FrontPanelWindow::keyPressEvent(event);
        return;
    }
    txtInput->setFocus();
    QKeyEvent typed(event->type(), event->key(), event->modifiers(), text);
    QCoreApplication::sendEvent(txtInput, &typed);
}

// HbxMenuHost

void frmHBX::setMemoryText(const QString& text)
{
    txtMEM->setText(text);
}

QString frmHBX::inputText() const
{
    return txtInput->text();
}

void frmHBX::setInputText(const QString& text)
{
    // setText puts the caret at the end, also when the text stays the same.
    const QScopedValueRollback writing(writingEntry_, true);
    txtInput->setText(text);
    txtInput->end(false);
}

const LampCollection& frmHBX::collection(hbx::LampSet set) const
{
    switch (set) {
    case hbx::LampSet::SetPoint: return SetPointLamps;
    case hbx::LampSet::Config: return ConfigLamps;
    case hbx::LampSet::Fault: return FaultLamps;
    case hbx::LampSet::Mode: break;
    }
    return ModeLamps;
}

void frmHBX::setLamp(hbx::LampSet set, int key, LampColour colour)
{
    if (Lamp* lamp = collection(set).find(QString::number(key)))
        lamp->setColour(colour);
}

void frmHBX::lampsOff(hbx::LampSet set)
{
    for (const auto& [key, lamp] : collection(set))
        lamp->setColour(LampColour::Off);
}

void frmHBX::placeKnobs()
{
    knbVolt->SetPositionNoEvent(state().DeviceState[0]);
    knbCurr->SetPositionNoEvent(state().DeviceState[1]);
}

} // namespace dalto::front
