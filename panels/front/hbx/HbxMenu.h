#pragma once
// The HBX supply's keypad and menus, emulated: set points typed as digits and
// confirmed with ENTER, MENU and ITEM walking the set-point, configuration and
// calibration menus, MEM recalling a stored setting, ARM, DISPLAY, UP/DN, START,
// STOP and CLEAR. Every move is announced to the supply with "<>CHG" (and "<>TYP"
// while digits are typed); every accepted value goes out as a SCPI command.
//
// Wiring by the window:
//   txtInput changed            -> txtInput_Change(), on every change but the
//                                  ones the engine makes through setInputText
//   Enter typed in txtInput     -> cmdEnter_Click()
//   cmdMenu, cmdItem, cmdMem,
//   cmdArm, cmdEnter, cmdStart,
//   cmdStop clicked             -> cmdMenu_Click() ... cmdStop_Click()
//   cmdDsply down / up          -> cmdDsply_MouseDown() / cmdDsply_MouseUp()
//   cmdUp, cmdDn down           -> cmdUp_MouseDown(), cmdDn_MouseDown()
//   cmdUp, cmdDn up             -> cmdArrow_MouseUp()
//   cmdClear down / up          -> cmdClear_MouseDown() / cmdClear_MouseUp()
//   tmrMenu tick                -> tmrMenu_Timer()
//   Form_Load                   -> ExitMenu()
//   tmrInfo_Timer, first steps  -> CheckCalibrationTimeout(), CheckDirectEntryTimeout()
//   tmrInfo_Timer, read-outs    -> ShowMemory(field 4); RefreshMenuDisplay() outside
//                                  DISPLAY held and direct entry; in direct entry
//                                  the blinking lamp is FindHbxSetPoint(SetPointItem)->lamp
//   tmrInfo_Timer, run state    -> fields().RunState = HbxRunState(...)
//
// UP, DN and CLEAR are held keys: their MouseDown handlers return only when the
// key is let go (or, for CLEAR, when the long press ends by itself), letting
// window events run meanwhile through Clock::pump, so the release handler runs
// inside them.

#include "HbxFields.h"
#include "HbxMenuHost.h"
#include "panels/front/menu/FrontPanelMenu.h"

#include <QString>
#include <memory>
#include <optional>

namespace dalto {
class DeviceLink;
class Clock;
struct SharedState;
} // namespace dalto

namespace dalto::front::hbx {

using menu::EditAction;

class HbxMenu {
public:
    HbxMenu(DeviceLink& link, HbxMenuHost& host);
    ~HbxMenu();
    HbxMenu(const HbxMenu&) = delete;
    HbxMenu& operator=(const HbxMenu&) = delete;

    HbxFields& fields() { return fields_; }
    const HbxFields& fields() const { return fields_; }

    // Keys.
    void txtInput_Change();
    void cmdEnter_Click();
    void cmdMenu_Click();
    void cmdItem_Click();
    void cmdMem_Click();
    void cmdArm_Click();
    void cmdDsply_MouseDown();
    void cmdDsply_MouseUp();
    void cmdUp_MouseDown();
    void cmdDn_MouseDown();
    void cmdArrow_MouseUp();
    void cmdClear_MouseDown();
    void cmdClear_MouseUp();
    void cmdStart_Click();
    void cmdStop_Click();

    // Timer and procedures the window's own handlers use.
    void tmrMenu_Timer();
    void ExitMenu();
    // Sends the command of the current menu (or of SetPointItem in direct entry).
    // On and Off switch a configuration item; the others act on the edited value.
    void ApplyEditValue(EditAction action);
    // The menu displays for the current state: the edited value, "ConF", "CAL ",
    // the calibration items. Nothing in idle.
    void RefreshMenuDisplay();
    // A memory number in txtMEM: "E" above 9.
    void ShowMemory(double value);
    // Calibration states idle for more than 60 s: left as ExitMenu and a CLEAR
    // release would, but for clearing a latched protection. True when it fired.
    bool CheckCalibrationTimeout();
    // Direct entry idle for more than 10 s: left with ExitMenu. True when it fired.
    bool CheckDirectEntryTimeout();
    // Both idle times = now.
    void NoteKeyAction();

private:
    void send(const QString& command);
    // The entry display set by the engine: the rules have already been applied.
    void showEntry(const QString& text);
    void notice(int state, int item, std::optional<int> mode);
    // The "CAL " prompt, where the digits typed are an access code.
    bool atCodePrompt() const;
    void openMenu(int16_t state, int noticeMode);
    void loadEditValue(int16_t state);
    void itemAtMenuLevel();
    void itemInConfig();
    void itemInCalibration();
    void enterCalibrationCode();
    void enterCalibrationItem();
    void arrowHeld(bool up);
    void startArrowEntry();
    void clearHeldLoop();
    // What CLEAR's release does, for the key and for the calibration time-out.
    enum class ClearBy { Key, TimeOut };
    void clearReleased(ClearBy by);
    void waitProcessingEvents(double seconds);
    void applySetPoint(int16_t state, EditAction action);
    void applyConfigItem(EditAction action);
    void applyCalibrationItem(EditAction action);
    void showSetPointMenu();
    void showConfigMenu();
    void showCalibrationItem();

    DeviceLink& link_;
    SharedState& state_;
    Clock& clock_;
    HbxMenuHost& host_;
    HbxFields fields_;
    // The entry display as the keypad rules last left it; a change is judged
    // against it.
    QString entryShown_;
    // False once the engine is gone: the held keys' loops let window events run,
    // and one of them may close the window that owns the engine.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace dalto::front::hbx
