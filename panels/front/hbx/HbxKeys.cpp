// The keypad entry, ARM, START, STOP, DISPLAY, UP/DN and CLEAR.
#include "HbxMenu.h"

#include "HbxItems.h"
#include "KeypadEntry.h"
#include "core/AppContext.h"
#include "core/LegacyNumbers.h"
#include "link/DeviceLink.h"
#include "panels/front/ArrowRepeat.h"
#include "panels/front/SimulatedStatus.h"
#include "panels/front/menu/MenuItems.h"
#include "protocol/StatusProtocol.h"

namespace dalto::front::hbx {

namespace {

constexpr int PumpSliceMs = 10;
constexpr int ArmedBit = 0;
constexpr int32_t ArmedMask = 1 << ArmedBit;
// Fault-word bit that CLEAR in idle clears on the device.
constexpr int ProtectionLatchedBit = 7;

// A long CLEAR press: the supply is told at 5 s and at 10 s, then counts while
// a lamp blinks, and ends the press by itself when the count passes 11.
constexpr double FirstClearStage = 5;
constexpr double SecondClearStage = 10;
constexpr double ClearBlinkSeconds = 0.4;
constexpr int ClearCountBeforeFirst = -100;
constexpr int ClearCountEnd = 11;
// The lamp that blinks while the long press counts: POWER (status bit 7).
constexpr int ClearBlinkLamp = 7;
// The pause after CLEAR that keeps the restored value on the displays.
constexpr double ClearPauseSeconds = 0.5;

} // namespace

void HbxMenu::waitProcessingEvents(double seconds)
{
    const auto alive = alive_;
    const double start = clock_.now();
    while (*alive && clock_.now() - start < seconds)
        clock_.pump(PumpSliceMs);
}

void HbxMenu::showEntry(const QString& text)
{
    entryShown_ = text;
    host_.setInputText(text);
}

void HbxMenu::txtInput_Change()
{
    const QString changed = host_.inputText();
    if (changed.isEmpty()) {
        entryShown_.clear();
        return;
    }
    const KeypadText entry = ApplyKeypadChange(entryShown_, changed, fields_.MenuState == hbxstate::MemoryRecall);
    // Also when the text stays: the caret goes to the end.
    showEntry(entry.text);
    NoteKeyAction();
    fields_.EditValue = EntryValue(entry.text);
    if (!entry.accepted)
        return;
    fields_.PointTyped = entry.pointTyped;
    const bool idle = fields_.MenuState == hbxstate::Idle;
    if (idle && fields_.MenuMode != hbxmode::DirectEntry) {
        fields_.MenuMode = hbxmode::DirectEntry;
        if (const HbxSetPoint* point = FindHbxSetPoint(fields_.SetPointItem))
            fields_.EditFormat = HbxSetPointFormat(*point, state_);
    }
    if (atCodePrompt())
        fields_.MenuMode = hbxmode::Menu;
    if (fields_.TypeCode != Typing) {
        fields_.TypeCode = Typing;
        notice(idle ? fields_.SetPointItem : fields_.MenuState, fields_.MenuItem, fields_.MenuMode);
        send(QStringLiteral("<>TYP 1"));
    }
    RefreshMenuDisplay();
}

void HbxMenu::cmdArm_Click()
{
    if (fields_.RunState != hbxrun::Standby || fields_.MenuState != hbxstate::Idle
        || fields_.MenuMode != hbxmode::None)
        return;
    host_.setInfoTimerEnabled(false);
    const bool disarm = host_.StatusBitShown(ArmedBit);
    host_.setLamp(LampSet::Mode, ArmedBit, disarm ? LampColour::Off : LampColour::Yellow);
    send(disarm ? QStringLiteral("OUTP:Arm 0") : QStringLiteral("OUTP:Arm 1"));
    state_.SimStatus = disarm ? (state_.SimStatus & ~ArmedMask) : (state_.SimStatus | ArmedMask);
    host_.setInfoTimerEnabled(true);
}

void HbxMenu::cmdStart_Click()
{
    const int16_t item = fields_.MenuItem;
    const bool calibrating = IsCalibrationState(fields_.MenuState) && item != NoItem;
    if (calibrating && !menu::IsPotItem(item))
        return;
    if (fields_.MenuState == hbxstate::Idle || calibrating) {
        host_.setInfoTimerEnabled(false);
        fields_.RunState = host_.StatusBitShown(ArmedBit) ? hbxrun::ArmedOn : hbxrun::OutputOn;
        send(QStringLiteral("OUTP:START"));
        host_.setInfoTimerEnabled(true);
    }
    state_.SimStatus = SimStatusAfterStart(state_.SimStatus);
}

void HbxMenu::cmdStop_Click()
{
    host_.setInfoTimerEnabled(false);
    fields_.RunState = hbxrun::Standby;
    host_.setLamp(LampSet::Mode, ArmedBit, LampColour::Off);
    send(QStringLiteral("OUTP:STOP"));
    send(QStringLiteral("<>IGN 0"));
    state_.SimStatus = SimStatusAfterStop(state_.SimStatus) & ~ArmedMask;
    const bool calibrating = IsCalibrationState(fields_.MenuState) && fields_.MenuItem != NoItem;
    if (fields_.MenuState < hbxstate::Voltage || calibrating)
        host_.setInfoTimerEnabled(true);
}

void HbxMenu::cmdDsply_MouseDown()
{
    if (fields_.MenuState == hbxstate::DisplayHeld)
        return;
    host_.setInfoTimerEnabled(false);
    host_.setMenuTimerEnabled(false);
    fields_.SavedState = fields_.MenuState;
    fields_.SavedTypeCode = fields_.TypeCode;
    fields_.MenuState = hbxstate::DisplayHeld;
    fields_.TypeCode = NotTyping;
    notice(hbxstate::DisplayHeld, NoItem, fields_.MenuMode);
    send(QStringLiteral("<>TYP -1"));
    host_.poll();
}

void HbxMenu::cmdDsply_MouseUp()
{
    if (fields_.MenuState != hbxstate::DisplayHeld)
        return;
    fields_.MenuState = fields_.SavedState;
    fields_.TypeCode = fields_.SavedTypeCode;
    notice(fields_.MenuState, fields_.MenuItem, fields_.MenuMode);
    send(QStringLiteral("<>TYP %1").arg(fields_.TypeCode));
    if (fields_.MenuState < hbxstate::MemoryRecall) {
        host_.setInfoTimerEnabled(true);
        return;
    }
    host_.setMenuTimerInterval(1);
    host_.setMenuTimerEnabled(true);
    if (IsCalibrationState(fields_.MenuState) && fields_.MenuItem != NoItem)
        host_.setInfoTimerEnabled(true);
}

void HbxMenu::cmdUp_MouseDown()
{
    arrowHeld(true);
}

void HbxMenu::cmdDn_MouseDown()
{
    arrowHeld(false);
}

void HbxMenu::cmdArrow_MouseUp()
{
    state_.ButtonHeld = false;
}

void HbxMenu::startArrowEntry()
{
    // UP and DN in idle adjust the set point that direct entry would change,
    // starting from its committed value.
    fields_.MenuMode = hbxmode::DirectEntry;
    loadEditValue(fields_.SetPointItem);
    host_.enableKnobs(false);
    notice(fields_.SetPointItem, NoItem, fields_.MenuMode);
    send(QStringLiteral("<>TYP %1").arg(fields_.TypeCode));
}

void HbxMenu::arrowHeld(bool up)
{
    if (fields_.MenuState == hbxstate::DisplayHeld)
        return;
    const bool idle = fields_.MenuState == hbxstate::Idle;
    if (idle && fields_.MenuMode != hbxmode::DirectEntry)
        startArrowEntry();
    const auto alive = alive_;
    host_.setInfoTimerEnabled(false);
    ArrowRepeat repeat;
    state_.ButtonHeld = true;
    send(QStringLiteral("<>IGN 1"));
    while (*alive && state_.ButtonHeld) {
        fields_.EditValue = repeat.step(fields_.EditValue, fields_.EditFormat, up,
                                        IsCalibrationState(fields_.MenuState));
        ApplyEditValue(up ? EditAction::Up : EditAction::Dn);
        // Typed digits give way to the stepped value, which has gone out; an
        // access code being typed is no value.
        const bool typedValue = !host_.inputText().isEmpty() && !atCodePrompt();
        if (fields_.MenuMode == hbxmode::DirectEntry || typedValue)
            showEntry(legacy::format(fields_.EditValue, fields_.EditFormat));
        RefreshMenuDisplay();
        NoteKeyAction();
        host_.poll();
        if (*alive)
            waitProcessingEvents(repeat.delay());
    }
    if (!*alive)
        return;
    send(QStringLiteral("<>IGN 0"));
    if (fields_.MenuState < hbxstate::Voltage || IsCalibrationState(fields_.MenuState))
        host_.setInfoTimerEnabled(true);
}

void HbxMenu::cmdClear_MouseDown()
{
    showEntry(QString());
    if (!IsSetPointState(fields_.MenuState))
        return;
    host_.setInfoTimerEnabled(false);
    state_.ButtonHeld = true;
    clearHeldLoop();
}

void HbxMenu::clearHeldLoop()
{
    const auto alive = alive_;
    const double pressedAt = clock_.now();
    bool firstSent = false;
    bool secondSent = false;
    int count = 0;
    double blinkAt = 0;
    bool lit = false;
    while (*alive && state_.ButtonHeld) {
        const double now = clock_.now();
        if (!firstSent && now - pressedAt > FirstClearStage) {
            host_.setMenuTimerEnabled(false);
            send(QStringLiteral("<>CLR 1"));
            firstSent = true;
            count = ClearCountBeforeFirst;
            blinkAt = now;
        }
        if (!secondSent && now - pressedAt > SecondClearStage) {
            send(QStringLiteral("<>CLR 2"));
            secondSent = true;
            count = 0;
        }
        if (firstSent && now >= blinkAt) {
            lit = !lit;
            host_.setLamp(LampSet::Mode, ClearBlinkLamp, lit ? LampColour::Green : LampColour::Off);
            if (lit)
                ++count;
            blinkAt += ClearBlinkSeconds;
        }
        if (secondSent)
            ShowMemory(count);
        if (count > ClearCountEnd)
            break;
        clock_.pump(PumpSliceMs);
    }
    if (!*alive || !firstSent)
        return;
    // The blinking lamp shows the output again (the menus leave it alone).
    const bool powered = host_.StatusBitShown(ClearBlinkLamp);
    host_.setLamp(LampSet::Mode, ClearBlinkLamp, powered ? LampColour::Green : LampColour::Off);
    if (state_.ButtonHeld) {
        // Ended by itself.
        host_.setInfoTimerEnabled(true);
        host_.setMenuTimerEnabled(true);
        ReadAllState(link_);
    } else if (fields_.MenuState >= hbxstate::MemoryRecall) {
        // Let go after the first notice: the menu that is still open gets its
        // display and its time-out back.
        host_.setMenuTimerEnabled(true);
    }
}

void HbxMenu::cmdClear_MouseUp()
{
    clearReleased(ClearBy::Key);
}

void HbxMenu::clearReleased(ClearBy by)
{
    send(status::Closing);
    state_.ButtonHeld = false;
    const int16_t menuState = fields_.MenuState;
    const int16_t item = fields_.MenuItem;
    // A latched protection is cleared by the user's own CLEAR only, never by a
    // time-out.
    if (by == ClearBy::Key && menuState == hbxstate::Idle && host_.FaultBitShown(ProtectionLatchedBit))
        send(QStringLiteral("OUTP:PROT:CLE"));
    if (menuState == hbxstate::Config && item != NoItem) {
        ApplyEditValue(EditAction::Off);
        host_.setLamp(LampSet::Config, item, LampColour::Off);
    }
    const bool calibrating = IsCalibrationState(menuState) && item != NoItem;
    if (calibrating && menu::IsPotItem(item)) {
        // The pot goes back to its saved value.
        ApplyEditValue(EditAction::Clear);
    } else if (FullScaleRating(menuState, item)) {
        showEntry(QString());
        ApplyEditValue(EditAction::Clear);
    }
    fields_.TypeCode = NotTyping;
    const bool directEntry = fields_.MenuMode == hbxmode::DirectEntry;
    if (!directEntry && menuState != hbxstate::MemoryRecall && !IsSetPointState(menuState))
        return;
    ApplyEditValue(EditAction::Clear);
    fields_.MenuMode = hbxmode::None;
    RefreshMenuDisplay();
    if (directEntry)
        ExitMenu();
    waitProcessingEvents(ClearPauseSeconds);
}

} // namespace dalto::front::hbx
