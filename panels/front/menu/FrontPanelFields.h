#pragma once
// The state a front panel keeps about its emulated menu and its keys. The menu
// engine owns one record per panel; the panel's polling and key handlers read and
// write the same record through FrontPanelMenu::fields().

#include <QString>
#include <cstdint>

namespace dalto::front::menu {

// Values of MenuState.
namespace menustate {
inline constexpr int16_t VoltCurrHeld = 2;  // V/I DIS held
inline constexpr int16_t TripHeld = 3;      // TRIP DIS held
inline constexpr int16_t Idle = 4;
inline constexpr int16_t ShowVoltage = 5;   // a typed set point shown for a moment
inline constexpr int16_t ShowCurrent = 6;
inline constexpr int16_t Ovt = 7;
inline constexpr int16_t Oct = 8;
inline constexpr int16_t Config = 9;
inline constexpr int16_t Calibration = 10;
} // namespace menustate

inline constexpr int16_t NoItem = -1;

// Values of RunState.
namespace runstate {
inline constexpr int16_t Standby = 3;
inline constexpr int16_t OutputOn = 4;
} // namespace runstate

struct FrontPanelFields {
    int16_t MenuState = menustate::Idle;
    int16_t MenuItem = NoItem;   // item within menu 9 or 10; NoItem at menu level
    int16_t MenuMode = 0;        // third number of the "<>CHG" notice
    int16_t RunState = runstate::Standby; // the poll keeps it
    int16_t SavedState = menustate::Idle; // MenuState while a hold key is held
    float EditValue = 0;         // the value being edited in a menu
    QString EditFormat;          // its display format ("0" for the pots)
    bool BlinkPhase = false;     // toggled by tmrFlash; true = blinking element dark
    // Clock seconds of the last key action; drive the 60 s and 10 s time-outs.
    double CalIdleSince = 0;
    double MenuIdleSince = 0;
    bool DebugMode = false;      // echo flag of every exchange the panel makes
};

} // namespace dalto::front::menu
