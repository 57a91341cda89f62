#pragma once
// What both menu engines (the KD family's and the HBX's) need alike from the
// panel window they run on. Each engine's own host adds what only it uses; the
// shared window base implements this part once.

#include <QString>

namespace dalto::front::menu {

enum class ReadOut { Volt, Curr }; // txtVolt (left display), txtCurr (right)
enum class LampColour { Off, Green, Red, Orange, Yellow };

class PanelHost {
public:
    virtual ~PanelHost() = default;

    // Read-outs, also used as 4-character menu displays.
    virtual void setReadOut(ReadOut which, const QString& text) = 0;
    // The panel's ShowValue: value truncated (not rounded) to format.
    virtual void ShowValue(ReadOut which, float value, const QString& format) = 0;

    // Bits of the status and fault words of the last poll (StatusBitsShown,
    // FaultBitsShown), 0..16.
    virtual bool StatusBitShown(int bit) const = 0;
    virtual bool FaultBitShown(int bit) const = 0;

    // Every lamp of ModeLamps off but STANDBY and POWER, which keep showing
    // whether the output is on while a menu is open.
    virtual void ModeLampsOff() = 0;

    // Every knob of the panel enabled or disabled.
    virtual void enableKnobs(bool enabled) = 0;

    // tmrMenu: setting the interval does not enable the timer. Its ticks go to the
    // engine's tmrMenu_Timer.
    virtual void setMenuTimerEnabled(bool enabled) = 0;
    virtual void setMenuTimerInterval(int milliseconds) = 0;
    // tmrInfo on or off (its interval stays the panel's business).
    virtual void setInfoTimerEnabled(bool enabled) = 0;
    // One poll now: tmrInfo_Timer called directly.
    virtual void poll() = 0;

    virtual void repaint() = 0;
};

} // namespace dalto::front::menu
