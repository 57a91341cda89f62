#include "HbxMenu.h"

#include "HbxItems.h"
#include "core/AppContext.h"
#include "link/DeviceLink.h"
#include "panels/front/menu/MenuItems.h"
#include "panels/front/menu/MenuTimeouts.h"
#include "protocol/DeviceSettings.h"
#include "protocol/SetPointLimits.h"
#include "protocol/StatusProtocol.h"

#include <algorithm>

namespace dalto::front::hbx {

namespace {

// MenuState runs 0..12; ITEM wraps past the last.
constexpr int StateCount = 13;
// First number of the notice when the panel leaves its menus.
constexpr int LeftMenusNotice = 0;
// The calibration access codes typed at the "CAL " prompt.
const QString PotCalibrationCode = QStringLiteral("7351");
const QString ScaleCalibrationCode = QStringLiteral("2468");
// Period and full scales have no rating above them; pots run 0..255.
constexpr float Unbounded = 3.4e38f;
constexpr float LargestPot = 255;

} // namespace

HbxMenu::HbxMenu(DeviceLink& link, HbxMenuHost& host)
    : link_(link), state_(link.context().state), clock_(link.context().clock), host_(host)
{
}

HbxMenu::~HbxMenu()
{
    *alive_ = false;
}

void HbxMenu::send(const QString& command)
{
    link_.WriteDevice(command, fields_.DebugMode);
}

void HbxMenu::notice(int state, int item, std::optional<int> mode)
{
    send(menu::ChangeNotice(state, item, mode));
}

bool HbxMenu::atCodePrompt() const
{
    return fields_.MenuState == hbxstate::PotCalibration && fields_.MenuItem == NoItem;
}

void HbxMenu::NoteKeyAction()
{
    fields_.CalIdleSince = fields_.MenuIdleSince = clock_.now();
}

void HbxMenu::loadEditValue(int16_t state)
{
    if (const HbxSetPoint* point = FindHbxSetPoint(state)) {
        fields_.EditValue = state_.DeviceState[point->index];
        fields_.EditFormat = HbxSetPointFormat(*point, state_);
    }
}

void HbxMenu::openMenu(int16_t state, int noticeMode)
{
    fields_.MenuState = state;
    fields_.MenuItem = NoItem;
    fields_.MenuMode = hbxmode::Menu;
    notice(state, NoItem, noticeMode);
    host_.setReadOut(ReadOut::Curr, QString());
    host_.enableKnobs(false);
    NoteKeyAction();
    host_.setInfoTimerEnabled(false);
    host_.setMenuTimerInterval(1);
    host_.setMenuTimerEnabled(true);
}

void HbxMenu::cmdMenu_Click()
{
    // Not while DISPLAY is held either: its release would put idle back over
    // the menu.
    if (fields_.MenuMode == hbxmode::DirectEntry || fields_.MenuState >= hbxstate::MemoryRecall
        || fields_.MenuState == hbxstate::DisplayHeld)
        return;
    state_.SettingPending = false;
    loadEditValue(hbxstate::Voltage);
    openMenu(hbxstate::Voltage, hbxmode::Menu);
}

void HbxMenu::cmdMem_Click()
{
    if (fields_.RunState >= hbxrun::ArmedOn || fields_.MenuState >= hbxstate::Voltage
        || fields_.MenuState == hbxstate::DisplayHeld)
        return;
    // A number typed for a set point does not fit the one-digit memory display.
    showEntry(QString());
    fields_.EditValue = state_.DeviceState[5];
    fields_.EditFormat.clear();
    openMenu(hbxstate::MemoryRecall, hbxmode::None);
}

void HbxMenu::cmdItem_Click()
{
    if (fields_.MenuState >= hbxstate::Voltage && fields_.MenuItem == NoItem) {
        if (state_.SettingPending)
            return;
        itemAtMenuLevel();
    } else if (fields_.MenuState == hbxstate::Config) {
        itemInConfig();
    } else if (IsCalibrationState(fields_.MenuState)) {
        itemInCalibration();
    } else {
        return;
    }
    NoteKeyAction();
    RefreshMenuDisplay();
}

void HbxMenu::itemAtMenuLevel()
{
    showEntry(QString());
    int16_t next = int16_t((fields_.MenuState + 1) % StateCount);
    if (next == hbxstate::ScaleCalibration || next == 0)
        next = hbxstate::Voltage;
    // No configuration while the output is on, no calibration while it is armed.
    if (next == hbxstate::Config && fields_.RunState >= hbxrun::OutputOn)
        next = hbxstate::PotCalibration;
    if (next >= hbxstate::PotCalibration && fields_.RunState == hbxrun::ArmedOn)
        next = hbxstate::Voltage;
    fields_.MenuState = next;
    fields_.MenuMode = next < hbxstate::PotCalibration ? hbxmode::Menu : hbxmode::CalibrationPrompt;
    notice(next, NoItem, fields_.MenuMode);
    loadEditValue(next);
}

void HbxMenu::itemInConfig()
{
    fields_.MenuMode = hbxmode::Menu;
    showEntry(QString());
    fields_.MenuItem = NextHbxConfigItem(fields_.MenuItem);
    notice(hbxstate::Config, fields_.MenuItem, std::nullopt);
}

void HbxMenu::itemInCalibration()
{
    const int16_t count = fields_.MenuState == hbxstate::ScaleCalibration ? hbxcal::ScaleItems : hbxcal::PotItems;
    showEntry(QString());
    // Moving on drops pot changes that were not entered.
    RestorePotValues(state_);
    fields_.MenuItem = int16_t((fields_.MenuItem + 1) % count);
    notice(fields_.MenuState, fields_.MenuItem, fields_.MenuMode);
    if (menu::IsPotItem(fields_.MenuItem)) {
        fields_.EditValue = state_.PotValues[fields_.MenuItem];
        host_.poll();
    } else if (const std::optional<int> rating = FullScaleRating(fields_.MenuState, fields_.MenuItem)) {
        // The full scale on the display is the value ENTER and UP/DN start from:
        // a calibration never sends a number the user has not seen.
        fields_.EditValue = state_.Ratings[size_t(*rating)];
    }
}

void HbxMenu::cmdEnter_Click()
{
    const int16_t menuState = fields_.MenuState;
    if (atCodePrompt()) {
        enterCalibrationCode();
    } else if (IsCalibrationState(menuState)) {
        enterCalibrationItem();
    } else if (menuState == hbxstate::Config) {
        if (fields_.MenuItem == NoItem) {
            fields_.MenuItem = 0;
            notice(hbxstate::Config, 0, fields_.MenuMode);
        } else {
            ApplyEditValue(EditAction::On);
            if (const menu::ConfigItem* entry = FindHbxConfigItem(fields_.MenuItem))
                host_.setLamp(LampSet::Config, fields_.MenuItem, entry->lit);
        }
    } else if (menuState == hbxstate::MemoryRecall || IsSetPointState(menuState)
               || (menuState == hbxstate::Idle && fields_.MenuMode == hbxmode::DirectEntry)) {
        if (IsSetPointState(menuState))
            fields_.SetPointItem = menuState;
        ApplyEditValue(EditAction::Save);
        RefreshMenuDisplay();
        ExitMenu();
        host_.placeKnobs();
    } else {
        return;
    }
    NoteKeyAction();
}

void HbxMenu::enterCalibrationCode()
{
    const QString code = host_.inputText();
    if (code != PotCalibrationCode && code != ScaleCalibrationCode) {
        ExitMenu();
        return;
    }
    const bool scale = code == ScaleCalibrationCode;
    send(QStringLiteral("CAL:PASS ") + code);
    ReadPots(link_);
    showEntry(QString());
    fields_.TypeCode = NotTyping;
    fields_.EditFormat = QStringLiteral("0");
    fields_.MenuItem = 0;
    fields_.MenuMode = scale ? hbxmode::ScaleCalibration : hbxmode::PotCalibration;
    if (scale)
        fields_.MenuState = hbxstate::ScaleCalibration;
    fields_.EditValue = state_.PotValues[0];
    notice(fields_.MenuState, fields_.MenuItem, fields_.MenuMode);
    RefreshMenuDisplay();
    // The read-outs keep updating while the calibration items are shown.
    host_.setInfoTimerEnabled(true);
}

void HbxMenu::enterCalibrationItem()
{
    const int16_t item = fields_.MenuItem;
    const bool pots = fields_.MenuState == hbxstate::PotCalibration;
    if (item == ReturnItem(fields_.MenuState)) {
        ExitMenu();
        return;
    }
    ApplyEditValue(EditAction::Save);
    showEntry(QString());
    fields_.TypeCode = NotTyping;
    if (menu::IsPotItem(item))
        SavePotValues(state_);
    RefreshMenuDisplay();
    if (pots && item == hbxcal::Defaults)
        ExitMenu();
}

void HbxMenu::ApplyEditValue(EditAction action)
{
    state_.SettingPending = true;
    const int16_t menuState = fields_.MenuState;
    if (IsSetPointState(menuState)) {
        applySetPoint(menuState, action);
    } else if (menuState == hbxstate::Idle && fields_.MenuMode == hbxmode::DirectEntry) {
        applySetPoint(fields_.SetPointItem, action);
    } else if (menuState == hbxstate::MemoryRecall) {
        // Only ENTER recalls: a recall replaces every setting of the supply.
        float& memory = state_.DeviceState[5];
        fields_.EditValue = action == EditAction::Clear ? memory : menu::Limited(fields_.EditValue, LargestMemory);
        if (action == EditAction::Save) {
            memory = fields_.EditValue;
            // Without a supply the memory display shows the simulated third word.
            state_.SimExtra = int32_t(memory);
            send(QStringLiteral("MEM ") + menu::NumberText(memory));
        }
    } else if (menuState == hbxstate::Config) {
        applyConfigItem(action);
    } else if (IsCalibrationState(menuState)) {
        applyCalibrationItem(action);
    }
    state_.SettingPending = false;
}

void HbxMenu::applySetPoint(int16_t state, EditAction action)
{
    const HbxSetPoint* point = FindHbxSetPoint(state);
    if (!point)
        return;
    float& value = state_.DeviceState[point->index];
    float& committed = state_.DeviceStateSaved[point->index];
    float upper = point->ratingIndex < 0 ? Unbounded : state_.Ratings[point->ratingIndex];
    // The period is no set point the bench limits; the four set points are.
    const bool limited = point->index < int(SetPointKindCount);
    const auto kind = SetPointKind(point->index);
    if (limited && (action == EditAction::Up || action == EditAction::Dn))
        upper = std::min(upper, SetPointStop(kind, state_)); // the arrows stop at the ceiling
    const float sending = action == EditAction::Clear ? committed : menu::Limited(fields_.EditValue, upper);
    if (limited && ReportRefusal(link_.context().prompts, SetPointRefusal(kind, sending, state_))) {
        // An arrow key held into a refusal stops repeating: its release went to the box.
        state_.ButtonHeld = false;
        fields_.EditValue = value;
        return;
    }
    if (action == EditAction::Clear) {
        value = committed;
    } else {
        value = menu::Limited(fields_.EditValue, upper);
        if (action == EditAction::Save)
            committed = value;
    }
    fields_.EditValue = value;
    send(QLatin1String(point->command) + menu::NumberText(value));
}

void HbxMenu::applyConfigItem(EditAction action)
{
    // The configuration commands are on/off switches.
    const menu::ConfigItem* entry = FindHbxConfigItem(fields_.MenuItem);
    const bool switching = action == EditAction::On || action == EditAction::Off;
    if (!entry || !switching)
        return;
    const bool on = action == EditAction::On;
    send(QLatin1String(entry->command) + (on ? QLatin1Char('1') : QLatin1Char('0')));
    const int32_t bit = int32_t(1) << entry->statusBit;
    state_.SimStatus = on ? (state_.SimStatus | bit) : (state_.SimStatus & ~bit);
}

void HbxMenu::applyCalibrationItem(EditAction action)
{
    const int16_t item = fields_.MenuItem;
    const bool clear = action == EditAction::Clear;
    if (menu::IsPotItem(item)) {
        if (clear)
            fields_.EditValue = state_.PotValuesSaved[item];
        fields_.EditValue = menu::Limited(fields_.EditValue, LargestPot);
        state_.PotValues[item] = menu::PotValue(fields_.EditValue);
        send(QStringLiteral("CAL:POT %1,").arg(item + 1) + menu::NumberText(fields_.EditValue));
        return;
    }
    if (fields_.MenuState == hbxstate::PotCalibration) {
        // Returning to the defaults is a command, not a value CLEAR could restore.
        if (item == hbxcal::Defaults && !clear) {
            RestorePotValues(state_);
            send(QStringLiteral("CAL:DEF"));
        }
        return;
    }
    const std::optional<int> rating = FullScaleRating(fields_.MenuState, item);
    if (!rating)
        return;
    const bool voltage = item == hbxcal::VoltageScale;
    float& fullScale = state_.Ratings[size_t(*rating)];
    // UP and DN send every step; the full scale last entered is what CLEAR
    // goes back to.
    float& committed = state_.RatingsSaved[size_t(*rating)];
    if (clear)
        fields_.EditValue = committed;
    fullScale = menu::Limited(fields_.EditValue, Unbounded);
    if (action == EditAction::Save)
        committed = fullScale;
    send((voltage ? QStringLiteral("CAL:SCAL:VOLT ") : QStringLiteral("CAL:SCAL:CURR ")) + menu::NumberText(fullScale));
}

void HbxMenu::ExitMenu()
{
    fields_.MenuState = hbxstate::Idle;
    fields_.MenuItem = NoItem;
    fields_.MenuMode = hbxmode::None;
    fields_.TypeCode = NotTyping;
    notice(LeftMenusNotice, NoItem, 0);
    showEntry(QString());
    host_.setMenuTimerEnabled(false);
    host_.setInfoTimerEnabled(true);
    host_.enableKnobs(true);
}

void HbxMenu::tmrMenu_Timer()
{
    host_.setMenuTimerInterval(100);
    const double now = clock_.now();
    const bool calibrating = IsCalibrationState(fields_.MenuState) && fields_.MenuItem != NoItem;
    const bool timedOut = calibrating ? menu::IdleLongerThan(now, fields_.CalIdleSince, menu::CalibrationTimeoutSeconds)
                                      : menu::IdleLongerThan(now, fields_.MenuIdleSince, menu::MenuTimeoutSeconds);
    if (timedOut)
        ExitMenu();
    else
        RefreshMenuDisplay();
}

bool HbxMenu::CheckCalibrationTimeout()
{
    if (!IsCalibrationState(fields_.MenuState)
        || !menu::IdleLongerThan(clock_.now(), fields_.CalIdleSince, menu::CalibrationTimeoutSeconds))
        return false;
    ExitMenu();
    clearReleased(ClearBy::TimeOut);
    return true;
}

bool HbxMenu::CheckDirectEntryTimeout()
{
    if (fields_.MenuMode != hbxmode::DirectEntry
        || !menu::IdleLongerThan(clock_.now(), fields_.MenuIdleSince, menu::MenuTimeoutSeconds))
        return false;
    // UP and DN send every step at once: what they left on the supply is its set
    // point now, also for DISPLAY and a later CLEAR.
    if (const HbxSetPoint* point = FindHbxSetPoint(fields_.SetPointItem))
        state_.DeviceStateSaved[point->index] = state_.DeviceState[point->index];
    ExitMenu();
    host_.placeKnobs();
    return true;
}

} // namespace dalto::front::hbx
