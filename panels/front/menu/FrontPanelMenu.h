#pragma once
// The supply's own front-panel menu, emulated: MENU, ITEM, ENTER, CAL and CLEAR
// walk the trip-level menus (OVT, OCT), the configuration menu "ConF" and the
// calibration menu "CAL ". Every move is announced to the supply with "<>CHG";
// every accepted value goes out as a SCPI command.
//
// Wiring by the panel window:
//   cmdMenu clicked            -> cmdMenu_Click()
//   cmdItem clicked            -> cmdItem_Click()
//   cmdEnter clicked           -> cmdEnter_Click()
//   cmdCal pressed / released  -> cmdCal_MouseDown() / cmdCal_MouseUp()
//   CLEAR pressed and released -> ClearKeyAction() (after the key's press tracking;
//                                 frmHB on a plain click)
//   tmrMenu tick               -> tmrMenu_Timer()
//   Form_Load                  -> ExitMenu()
//   tmrInfo_Timer, first step  -> CheckCalibrationTimeout()
//   tmrInfo_Timer, read-outs   -> ShowCalItem() in state 10, else ShowEditValue()
//   arrow key step             -> ApplyEditValue(EditAction::Up / Dn), ShowEditValue()
//
// CAL must be held for 10 s. cmdCal_MouseDown returns at once; the hold is
// followed on the tmrMenu ticks (which run whenever the menu is open), so no
// event loop is nested inside the key handler.

#include "FrontPanelFields.h"
#include "FrontPanelMenuHost.h"

#include <QString>
#include <optional>

namespace dalto {
class DeviceLink;
class Clock;
struct SharedState;
} // namespace dalto

namespace dalto::front::menu {

// frmKD and frmMW share one menu; frmHB has no trip-level menus (its trip levels
// have knobs).
enum class MenuVariant { KD, HB };

// What ApplyEditValue does with the edited value.
enum class EditAction {
    Save,  // ENTER: limit to the bounds and send
    Up,    // an arrow key step
    Dn,
    Clear, // CLEAR: send the committed value again
    On,    // configuration item switched on ("1")
    Off,   // configuration item switched off ("0")
};

class FrontPanelMenu {
public:
    FrontPanelMenu(DeviceLink& link, FrontPanelMenuHost& host, MenuVariant variant = MenuVariant::KD);

    FrontPanelFields& fields() { return fields_; }
    const FrontPanelFields& fields() const { return fields_; }

    // Keys and timer.
    void cmdMenu_Click();
    void cmdItem_Click();
    void cmdEnter_Click();
    void cmdCal_MouseDown();
    void cmdCal_MouseUp();
    void ClearKeyAction();
    void tmrMenu_Timer();

    // Procedures the panel's own handlers use.
    void ExitMenu();
    void ApplyEditValue(EditAction action);
    void ShowEditValue();
    void ShowCalItem();
    // The 60 s calibration time-out, checked at the start of every poll: when the
    // calibration menu has seen no key for more than 60 s it is left as CLEAR
    // would. True when it fired.
    bool CheckCalibrationTimeout();
    // Both idle times = now (every key action of the panel restarts the time-outs).
    void NoteKeyAction();

private:
    void send(const QString& command);
    void notice(int state, int item, std::optional<int> mode);
    void LoadEditValue();
    void itemAtMenuLevel();
    void itemInConfig();
    void itemInCalibration();
    void finishCalHold();
    void RefreshMenuDisplay();
    void ShowConfigMenu();
    void ShowConfigItem();
    void ShowCalMenu();
    void ConfigItemLampOn();
    void ConfigItemLampOff();
    void applyTripLevel(EditAction action);
    void applyConfigItem(EditAction action);
    void applyPot(EditAction action);

    DeviceLink& link_;
    SharedState& state_;
    Clock& clock_;
    FrontPanelMenuHost& host_;
    const MenuVariant variant_;
    FrontPanelFields fields_;
    std::optional<double> calPressedAt_; // while CAL is held
};

} // namespace dalto::front::menu
