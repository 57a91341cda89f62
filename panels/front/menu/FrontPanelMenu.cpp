#include "FrontPanelMenu.h"

#include "MenuItems.h"
#include "MenuTimeouts.h"
#include "core/AppContext.h"
#include "link/DeviceLink.h"
#include "protocol/DeviceSettings.h"
#include "protocol/SetPointLimits.h"

#include <algorithm>
#include "protocol/StatusProtocol.h"

namespace dalto::front::menu {

namespace {

// How long CAL must be held before the calibration items open.
constexpr double CalHoldSeconds = 10;
// The calibration access command with the device's fixed access code.
const QString CalibrationAccess = QStringLiteral("CAL:PASS 7351");
// First number of the notice when the panel leaves its menus.
constexpr int LeftMenusNotice = 0;
// Third number of the notice while a calibration item is selected.
constexpr int CalItemNoticeMode = 6;
// Fault-word bit that CLEAR in the idle state clears on the device.
constexpr int ProtectionLatchedBit = 7;
// Pauses that keep the final value on the displays for a moment.
constexpr int EnterPauseMs = 100;
constexpr int ClearPauseMs = 500;

} // namespace

FrontPanelMenu::FrontPanelMenu(DeviceLink& link, FrontPanelMenuHost& host, MenuVariant variant)
    : link_(link), state_(link.context().state), clock_(link.context().clock), host_(host), variant_(variant)
{
}

void FrontPanelMenu::send(const QString& command)
{
    link_.WriteDevice(command, fields_.DebugMode);
}

void FrontPanelMenu::notice(int state, int item, std::optional<int> mode)
{
    send(ChangeNotice(state, item, mode));
}

void FrontPanelMenu::NoteKeyAction()
{
    fields_.CalIdleSince = fields_.MenuIdleSince = clock_.now();
}

void FrontPanelMenu::LoadEditValue()
{
    const SetPointView* view = FindSetPoint(fields_.MenuState);
    if (!view || !view->command)
        return;
    fields_.EditValue = state_.DeviceState[view->index];
    fields_.EditFormat = SetPointFormat(*view, state_);
}

void FrontPanelMenu::cmdMenu_Click()
{
    if (fields_.MenuState >= menustate::Config)
        return;
    state_.SettingPending = false;
    // frmHB has no trip-level menus: it opens at "ConF", or at "CAL " while the
    // output is on.
    const bool hb = variant_ == MenuVariant::HB;
    const int16_t first = !hb ? menustate::Ovt
                              : fields_.RunState == runstate::OutputOn ? menustate::Calibration : menustate::Config;
    fields_.MenuState = first;
    host_.showCalKey(first == menustate::Calibration);
    fields_.MenuItem = NoItem;
    fields_.MenuMode = 2;
    if (!hb) {
        host_.showArrowKeys(true);
        LoadEditValue();
    }
    notice(first, NoItem, fields_.MenuMode);
    host_.setReadOut(ReadOut::Curr, QString());
    host_.setMenuTimerInterval(1);
    host_.setMenuTimerEnabled(true);
    host_.setInfoTimerEnabled(false);
    NoteKeyAction();
    host_.enableSetKeys(false);
    host_.enableKnobs(false);
}

void FrontPanelMenu::cmdItem_Click()
{
    // On frmHB states 7 and 8 are only the display of a typed trip level, never
    // a menu level.
    const int16_t firstMenuLevel = variant_ == MenuVariant::HB ? menustate::Config : menustate::Ovt;
    if (fields_.MenuState >= firstMenuLevel && fields_.MenuItem == NoItem) {
        // An edited value must be entered or cleared before the menu moves on.
        if (state_.SettingPending)
            return;
        itemAtMenuLevel();
    } else if (fields_.MenuState == menustate::Config) {
        itemInConfig();
    } else if (fields_.MenuState == menustate::Calibration) {
        itemInCalibration();
    }
    NoteKeyAction();
    tmrMenu_Timer();
}

void FrontPanelMenu::itemAtMenuLevel()
{
    const bool hb = variant_ == MenuVariant::HB;
    const int16_t wrapTo = hb ? menustate::Config : menustate::Ovt;
    fields_.MenuMode = 2;
    int16_t next = (fields_.MenuState + 1) % 12;
    // The CAL key is chosen for the state before the output-on skip below, so
    // skipping "ConF" shows "CAL " with ENTER.
    host_.showCalKey(next == menustate::Calibration);
    if (next == 11 || next == 0)
        next = wrapTo;
    if (fields_.RunState >= runstate::OutputOn && next == menustate::Config)
        next = menustate::Calibration;
    fields_.MenuState = next;
    fields_.MenuMode = next < menustate::Calibration ? 2 : 1;
    if (!hb)
        host_.showArrowKeys(next == menustate::Ovt || next == menustate::Oct);
    notice(next, NoItem, fields_.MenuMode);
    LoadEditValue();
}

void FrontPanelMenu::itemInConfig()
{
    fields_.MenuMode = 2;
    fields_.MenuItem = NextConfigItem(fields_.MenuItem);
    notice(menustate::Config, fields_.MenuItem, std::nullopt);
}

void FrontPanelMenu::itemInCalibration()
{
    fields_.MenuMode = 4;
    host_.setReadOut(ReadOut::Curr, QString());
    fields_.MenuItem = (fields_.MenuItem + 1) % calitem::Count;
    // Moving on drops pot changes that were not entered.
    RestorePotValues(state_);
    notice(menustate::Calibration, fields_.MenuItem, CalItemNoticeMode);
    if (IsPotItem(fields_.MenuItem)) {
        fields_.EditValue = state_.PotValues[fields_.MenuItem];
        host_.poll();
    }
}

void FrontPanelMenu::cmdEnter_Click()
{
    const int16_t item = fields_.MenuItem;
    switch (fields_.MenuState) {
    case menustate::Config:
        if (item != NoItem) {
            ApplyEditValue(EditAction::On);
            ConfigItemLampOn();
            ExitMenu();
        } else {
            fields_.MenuItem = 0;
            notice(menustate::Config, 0, fields_.MenuMode);
        }
        break;
    case menustate::Calibration:
        if (item != calitem::Return) {
            ApplyEditValue(EditAction::Save);
            ShowEditValue();
            host_.repaint();
            SavePotValues(state_);
        }
        if (item == calitem::Defaults || item == calitem::Return)
            ExitMenu();
        // The read-outs keep updating while the calibration items are shown.
        host_.setInfoTimerEnabled(true);
        break;
    case menustate::Ovt:
    case menustate::Oct:
        if (variant_ == MenuVariant::HB)
            return;
        ApplyEditValue(EditAction::Save);
        ShowEditValue();
        host_.repaint();
        ExitMenu();
        SaveDeviceState(state_);
        break;
    default:
        return;
    }
    host_.placeKnobs();
    NoteKeyAction();
    clock_.delay(EnterPauseMs);
}

void FrontPanelMenu::cmdCal_MouseDown()
{
    state_.ButtonHeld = true;
    calPressedAt_ = clock_.now();
    NoteKeyAction();
}

void FrontPanelMenu::cmdCal_MouseUp()
{
    state_.ButtonHeld = false;
    calPressedAt_.reset();
}

void FrontPanelMenu::finishCalHold()
{
    calPressedAt_.reset();
    host_.enableSetKeys(true);
    host_.showArrowKeys(true);
    send(CalibrationAccess);
    ReadPots(link_);
    fields_.EditFormat = QStringLiteral("0");
    fields_.MenuItem = 0;
    fields_.MenuMode = 4;
    fields_.EditValue = state_.PotValues[0];
    host_.showCalKey(false);
    host_.setInfoTimerEnabled(true);
    state_.ButtonHeld = false;
}

void FrontPanelMenu::ApplyEditValue(EditAction action)
{
    state_.SettingPending = true;
    switch (fields_.MenuState) {
    case menustate::Ovt:
    case menustate::Oct:
        if (variant_ == MenuVariant::KD)
            applyTripLevel(action);
        break;
    case menustate::Config:
        applyConfigItem(action);
        break;
    case menustate::Calibration:
        applyPot(action);
        break;
    default:
        break;
    }
}

void FrontPanelMenu::applyTripLevel(EditAction action)
{
    const SetPointView& view = *FindSetPoint(fields_.MenuState);
    const auto kind = SetPointKind(view.index);
    const auto& ratings = state_.Ratings;
    float& level = state_.DeviceState[view.index];
    if (action == EditAction::Save)
        fields_.EditValue = Limited(fields_.EditValue, ratings[view.upper], ratings[view.lower]);
    else if (action == EditAction::Up || action == EditAction::Dn)
        // The arrows stop at the bench's ceiling, as the knobs do.
        fields_.EditValue = Limited(fields_.EditValue, std::min(ratings[view.upper], SetPointStop(kind, state_)), 0);
    const float sending = action == EditAction::Clear ? level : fields_.EditValue;
    if (ReportRefusal(link_.context().prompts, SetPointRefusal(kind, sending, state_))) {
        // An arrow key held into a refusal stops repeating: its release went to the box.
        state_.ButtonHeld = false;
        fields_.EditValue = level;
        return;
    }
    if (action != EditAction::Clear)
        level = fields_.EditValue;
    fields_.EditValue = level;
    send(QLatin1String(view.command) + NumberText(level));
}

void FrontPanelMenu::applyConfigItem(EditAction action)
{
    // Only switching an item on or off is a configuration command; CLEAR has
    // already switched the item off and must not send its own text as a value.
    const ConfigItem* entry = FindConfigItem(fields_.MenuItem);
    const bool switching = action == EditAction::On || action == EditAction::Off;
    if (!entry || !switching) {
        state_.SettingPending = false;
        return;
    }
    const bool on = action == EditAction::On;
    send(QLatin1String(entry->command) + (on ? QLatin1Char('1') : QLatin1Char('0')));
    const int32_t bit = int32_t(1) << entry->statusBit;
    state_.SimStatus = on ? (state_.SimStatus | bit) : (state_.SimStatus & ~bit);
}

void FrontPanelMenu::applyPot(EditAction)
{
    const int16_t item = fields_.MenuItem;
    if (IsPotItem(item)) {
        fields_.EditValue = Limited(fields_.EditValue, 255, 0);
        state_.PotValues[item] = PotValue(fields_.EditValue);
        send(QStringLiteral("CAL:POT %1,").arg(item + 1) + NumberText(fields_.EditValue));
    } else if (item == calitem::Defaults) {
        RestorePotValues(state_);
        send(QStringLiteral("CAL:DEF"));
    }
}

void FrontPanelMenu::ClearKeyAction()
{
    send(status::Closing);
    const int16_t item = fields_.MenuItem;
    if (fields_.MenuState == menustate::Config && item != NoItem) {
        ApplyEditValue(EditAction::Off);
        ConfigItemLampOff();
    } else if (fields_.MenuState == menustate::Calibration) {
        if (IsPotItem(item)) {
            // The pot goes back to its saved value; the menu stays open.
            const int16_t saved = state_.PotValuesSaved[item];
            send(QStringLiteral("CAL:POT %1,%2").arg(item + 1).arg(saved));
            state_.PotValues[item] = saved;
            fields_.EditValue = saved;
            return;
        }
        if (item != NoItem)
            return;
        host_.showCalKey(false);
    } else if (fields_.MenuState == menustate::Idle && host_.FaultBitShown(ProtectionLatchedBit)) {
        send(QStringLiteral("OUTP:PROT:CLE"));
        return;
    }
    RestoreDeviceState(state_);
    if (fields_.MenuState > menustate::Idle) {
        fields_.MenuMode = 0;
        ApplyEditValue(EditAction::Clear);
        ShowEditValue();
        clock_.delay(ClearPauseMs);
    }
    host_.repaint();
    NoteKeyAction();
    ExitMenu();
    link_.FlushInput();
    host_.placeKnobs();
}

void FrontPanelMenu::ExitMenu()
{
    fields_.MenuState = menustate::Idle;
    fields_.MenuItem = NoItem;
    fields_.MenuMode = 0;
    notice(LeftMenusNotice, NoItem, 0);
    host_.setMenuTimerEnabled(false);
    host_.setInfoTimerEnabled(true);
    host_.enableSetKeys(true);
    host_.enableKnobs(true);
    host_.showArrowKeys(false);
}

void FrontPanelMenu::tmrMenu_Timer()
{
    host_.setMenuTimerInterval(100);
    if (calPressedAt_) {
        // CAL counts only while it stays held over the calibration menu level.
        const bool stillHeld = state_.ButtonHeld && fields_.MenuState == menustate::Calibration
                               && fields_.MenuItem == NoItem;
        if (!stillHeld) {
            calPressedAt_.reset();
        } else {
            NoteKeyAction();
            if (clock_.now() - *calPressedAt_ >= CalHoldSeconds)
                finishCalHold();
        }
    }
    RefreshMenuDisplay();
    const bool idle = IdleLongerThan(clock_.now(), fields_.MenuIdleSince, MenuTimeoutSeconds);
    if (fields_.MenuItem == NoItem && idle) {
        ClearKeyAction();
    } else if (fields_.MenuState == menustate::Config && idle) {
        ExitMenu();
        ClearKeyAction();
    }
}

bool FrontPanelMenu::CheckCalibrationTimeout()
{
    if (fields_.MenuState < menustate::Calibration
        || !IdleLongerThan(clock_.now(), fields_.CalIdleSince, CalibrationTimeoutSeconds))
        return false;
    ExitMenu();
    ClearKeyAction();
    return true;
}

} // namespace dalto::front::menu
