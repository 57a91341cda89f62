// START and STOP, the set keys, the hold keys, the arrow keys and CLEAR.
#include "frmKD.h"

#include "ArrowRepeat.h"
#include "ReadoutValue.h"
#include "SimulatedStatus.h"
#include "app/Application.h"
#include "core/LegacyNumbers.h"
#include "link/DeviceLink.h"
#include "panels/front/menu/MenuItems.h"
#include "protocol/DeviceSettings.h"
#include "protocol/SetPointLimits.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <dialix/tavKnob.h>

namespace dalto::front {

namespace ms = menu::menustate;

namespace {
constexpr int HoldReleaseDelayMs = 400;
constexpr int ImmediateMs = 1;
} // namespace

void frmKD::cmdStart_Click()
{
    auto& f = fields();
    const bool potSelected = f.MenuState == ms::Calibration && menu::IsPotItem(f.MenuItem);
    if (f.MenuState == ms::Calibration && f.MenuItem > menu::calitem::Pots - 1)
        return;
    if (f.MenuState == ms::Idle || potSelected) {
        tmrInfo->stop();
        f.RunState = runstate::OutputOn;
        link().WriteDevice(QStringLiteral("OUTP:START"), f.DebugMode);
        setInfoTimerEnabled(true);
    }
    state().SimStatus = SimStatusAfterStart(state().SimStatus);
}

void frmKD::cmdStop_Click()
{
    auto& f = fields();
    tmrInfo->stop();
    f.RunState = runstate::Standby;
    link().WriteDevice(QStringLiteral("OUTP:STOP"), f.DebugMode);
    link().WriteDevice(QStringLiteral("<>IGN 0"), f.DebugMode);
    state().SimStatus = SimStatusAfterStop(state().SimStatus);
    if (f.MenuState < ms::Config || (f.MenuState > ms::Config && f.MenuItem != menu::NoItem))
        setInfoTimerEnabled(true);
}

std::optional<float> frmKD::typeSetPoint(const SetKey& key)
{
    SharedState& s = state();
    Prompts& prompts = app().context().prompts;
    const auto kind = SetPointKind(key.index);
    const QString title = QString::fromLatin1(key.title);
    const QString typed = prompts.inputSetPoint(title, menu::NumberText(s.DeviceState[size_t(key.index)]),
                                                SetPointRangeText(kind, s));
    if (typed.isEmpty() || ReportRefusal(prompts, TypedSetPointRefusal(kind, typed, s), title))
        return std::nullopt;
    auto& f = fields();
    link().WriteDevice(QString::fromLatin1(key.command) + typed, f.DebugMode);
    const float stored = ClampValue(typed, s.Ratings[size_t(key.upper)],
                                    key.lower < 0 ? 0.0f : s.Ratings[size_t(key.lower)]);
    s.DeviceState[size_t(key.index)] = stored;
    SaveDeviceState(s);
    if (tavKnob* knob = knobFor(key.index))
        knob->SetPositionNoEvent(stored);

    const QPointer<frmKD> self(this);
    const int16_t before = f.MenuState;
    f.MenuState = key.displayState;
    waitProcessingEvents(key.displayMs / 1000.0);
    if (!self)
        return stored;
    f.MenuState = before;
    link().WriteDevice(QStringLiteral("<>CHG %1,%2,0").arg(f.MenuState).arg(f.MenuItem), f.DebugMode);
    return stored;
}

void frmKD::cmdVolt_Click()
{
    typeSetPoint({"Voltage Set", "VOLT ", 0, 0, -1, ms::ShowVoltage, 800});
}

void frmKD::cmdCurr_Click()
{
    typeSetPoint({"Current Set", "CURR ", 1, 4, -1, ms::ShowCurrent, 1000});
}

void frmKD::cmdOVT_Click()
{
    typeSetPoint({"OVT Set", "VOLT:PROT ", 2, 2, 3, ms::Ovt, 1000});
}

void frmKD::cmdOCT_Click()
{
    typeSetPoint({"OCT Set", "CURR:PROT ", 3, 6, 7, ms::Oct, 1000});
}

void frmKD::holdKeyDown(int16_t heldState, QPushButton* key)
{
    auto& f = fields();
    tmrInfo->stop();
    tmrMenu->stop();
    f.SavedState = f.MenuState;
    f.MenuState = heldState;
    link().WriteDevice(QStringLiteral("<>CHG %1,-1,%2").arg(heldState).arg(f.MenuMode), f.DebugMode);
    tmrInfo_Timer();
    clock().pump();
    key->update();
    repaint();
}

void frmKD::holdKeyUp()
{
    auto& f = fields();
    clock().delay(HoldReleaseDelayMs);
    f.MenuState = f.SavedState;
    link().WriteDevice(QStringLiteral("<>CHG %1,%2,%3").arg(f.MenuState).arg(f.MenuItem).arg(f.MenuMode),
                       f.DebugMode);
    if (f.MenuState < ms::Config) {
        tmrInfo->setInterval(ImmediateMs);
        setInfoTimerEnabled(true);
        return;
    }
    tmrMenu->setInterval(ImmediateMs);
    setMenuTimerEnabled(true);
    if (f.MenuState == ms::Calibration && f.MenuItem != menu::NoItem) {
        tmrInfo->setInterval(ImmediateMs);
        setInfoTimerEnabled(true);
    }
}

void frmKD::cmdVISet_MouseDown()
{
    holdKeyDown(ms::VoltCurrHeld, cmdVISet);
}

void frmKD::cmdVISet_MouseUp()
{
    holdKeyUp();
}

void frmKD::cmdTRIP_MouseDown()
{
    holdKeyDown(ms::TripHeld, cmdTRIP);
}

void frmKD::cmdTRIP_MouseUp()
{
    holdKeyUp();
}

void frmKD::arrowHeld(bool up)
{
    const QPointer<frmKD> self(this);
    auto& f = fields();
    SharedState& s = state();
    tmrInfo->stop();
    ArrowRepeat repeat;
    s.ButtonHeld = true;
    link().WriteDevice(QStringLiteral("<>IGN 1"), f.DebugMode);
    while (self && s.ButtonHeld) {
        f.EditValue = repeat.step(f.EditValue, f.EditFormat, up, f.MenuState >= ms::Calibration);
        menu_.ApplyEditValue(up ? menu::EditAction::Up : menu::EditAction::Dn);
        menu_.ShowEditValue();
        menu_.NoteKeyAction();
        tmrInfo_Timer();
        if (self)
            waitProcessingEvents(repeat.delay());
    }
    if (!self)
        return;
    link().WriteDevice(QStringLiteral("<>IGN 0"), f.DebugMode);
    if (f.MenuState < ms::ShowVoltage || f.MenuState >= ms::Calibration)
        setInfoTimerEnabled(true);
}

void frmKD::cmdUp_MouseDown()
{
    arrowHeld(true);
}

void frmKD::cmdDn_MouseDown()
{
    arrowHeld(false);
}

void frmKD::cmdArrow_MouseUp()
{
    state().ButtonHeld = false;
}

bool frmKD::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != cmdClear)
        return PanelWindow::eventFilter(watched, event);
    bool act = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPointF at = mouse->position();
        const bool inside = at.x() >= 0 && at.x() < cmdClear->width() && at.y() >= 0 &&
                            at.y() < cmdClear->height();
        menu_.NoteKeyAction();
        if (event->type() == QEvent::MouseButtonPress)
            act = clearKey_.mouseDown(inside);
        else if (event->type() == QEvent::MouseButtonRelease)
            act = clearKey_.mouseUp(inside);
        else if (mouse->buttons() != Qt::NoButton)
            act = clearKey_.mouseMove(inside);
        break;
    }
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Space)
            return false;
        menu_.NoteKeyAction();
        // A held bar repeats (as release and press pairs on X11): only the real
        // press and release move the key.
        if (key->isAutoRepeat())
            return true;
        act = event->type() == QEvent::KeyPress ? clearKey_.spaceDown() : clearKey_.spaceUp();
        break;
    }
    default:
        return false;
    }
    cmdClear->setDown(clearKey_.pressed());
    if (act)
        menu_.ClearKeyAction();
    // The key's own click handling is replaced by the tracking above.
    return true;
}

} // namespace dalto::front
