#pragma once
// What the menu engine needs from the panel window it runs on (frmKD, frmMW,
// frmHB). The window implements this; the engine never touches a widget.

#include <QString>

namespace dalto::front::menu {

enum class ReadOut { Volt, Curr };          // txtVolt (left display), txtCurr (right)
enum class LampGroup { SetPoint, Config };  // SetPointLamps, ConfigLamps
enum class LampColour { Off, Green, Red, Orange, Yellow };

class FrontPanelMenuHost {
public:
    virtual ~FrontPanelMenuHost() = default;

    // Read-outs used as 4-character menu displays.
    virtual void setReadOut(ReadOut which, const QString& text) = 0;
    // The panel's ShowValue: value truncated (not rounded) to format.
    virtual void ShowValue(ReadOut which, float value, const QString& format) = 0;

    // A lamp of a collection by its 1-based position (SetPointLamps 1..4,
    // ConfigLamps 1..7).
    virtual void setLamp(LampGroup group, int position, LampColour colour) = 0;
    virtual void ModeLampsOff() = 0;   // all but STANDBY and POWER
    virtual void ConfigLampsOff() = 0;
    virtual void FaultLampsOff() = 0;

    // Bits of the status and fault words of the last poll (StatusBitsShown,
    // FaultBitsShown), 0..16.
    virtual bool StatusBitShown(int bit) const = 0;
    virtual bool FaultBitShown(int bit) const = 0;

    // true: cmdCal shown and cmdEnter hidden; false: cmdEnter shown, cmdCal hidden.
    virtual void showCalKey(bool shown) = 0;
    // true: cmdUp and cmdDn shown, cmdVISet and cmdTRIP hidden; false: the reverse.
    virtual void showArrowKeys(bool shown) = 0;
    // EnableSetKeys / DisableSetKeys; EnableKnobs / DisableKnobs (all knobs of the panel).
    virtual void enableSetKeys(bool enabled) = 0;
    virtual void enableKnobs(bool enabled) = 0;
    // Every knob of the panel to its DeviceState value without an event
    // (knbVolt [0], knbCurr [1]; on frmHB also knbOVP [2], knbOCP [3]).
    virtual void placeKnobs() = 0;

    // tmrMenu: setting the interval does not enable the timer. Its ticks go to
    // FrontPanelMenu::tmrMenu_Timer.
    virtual void setMenuTimerEnabled(bool enabled) = 0;
    virtual void setMenuTimerInterval(int milliseconds) = 0;
    // tmrInfo on or off (its interval stays the panel's business).
    virtual void setInfoTimerEnabled(bool enabled) = 0;
    // One poll now: tmrInfo_Timer called directly.
    virtual void poll() = 0;

    virtual void repaint() = 0;
};

} // namespace dalto::front::menu
