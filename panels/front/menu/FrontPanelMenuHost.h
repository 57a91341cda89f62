#pragma once
// What the menu engine needs from the panel window it runs on (frmKD, frmMW,
// frmHB). The window implements this; the engine never touches a widget.

#include "PanelHost.h"

namespace dalto::front::menu {

enum class LampGroup { SetPoint, Config }; // SetPointLamps, ConfigLamps

class FrontPanelMenuHost : public virtual PanelHost {
public:
    // A lamp of a collection by its 1-based position (SetPointLamps 1..4,
    // ConfigLamps 1..7).
    virtual void setLamp(LampGroup group, int position, LampColour colour) = 0;
    virtual void ConfigLampsOff() = 0;
    virtual void FaultLampsOff() = 0;

    // true: cmdCal shown and cmdEnter hidden; false: cmdEnter shown, cmdCal hidden.
    virtual void showCalKey(bool shown) = 0;
    // true: cmdUp and cmdDn shown, cmdVISet and cmdTRIP hidden; false: the reverse.
    virtual void showArrowKeys(bool shown) = 0;
    // EnableSetKeys / DisableSetKeys.
    virtual void enableSetKeys(bool enabled) = 0;
    // Every knob of the panel to its DeviceState value without an event
    // (knbVolt [0], knbCurr [1]; on frmHB also knbOVP [2], knbOCP [3]).
    virtual void placeKnobs() = 0;
};

} // namespace dalto::front::menu
