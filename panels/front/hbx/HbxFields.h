#pragma once
// The state the HBX keypad panel keeps about its emulated menu, its keypad entry
// and its keys. The menu engine owns one record; the window's polling and
// handlers read and write it through HbxMenu::fields().

#include "panels/front/StatusBits.h"

#include <QString>
#include <cstdint>

namespace dalto::front::hbx {

// Values of MenuState.
namespace hbxstate {
inline constexpr int16_t DisplayHeld = 2;  // DISPLAY held: committed set points shown
inline constexpr int16_t Idle = 3;
inline constexpr int16_t MemoryRecall = 4;
inline constexpr int16_t Voltage = 5;      // 5..9: the set-point menus, in this order
inline constexpr int16_t Current = 6;
inline constexpr int16_t OverVoltage = 7;
inline constexpr int16_t OverCurrent = 8;
inline constexpr int16_t Period = 9;
inline constexpr int16_t Config = 10;
inline constexpr int16_t PotCalibration = 11; // at menu level: the access-code prompt
inline constexpr int16_t ScaleCalibration = 12;
} // namespace hbxstate

inline bool IsSetPointState(int16_t state)
{
    return state >= hbxstate::Voltage && state <= hbxstate::Period;
}
inline bool IsCalibrationState(int16_t state)
{
    return state >= hbxstate::PotCalibration;
}

// Values of MenuMode (third number of "<>CHG").
namespace hbxmode {
inline constexpr int16_t None = 0;
inline constexpr int16_t CalibrationPrompt = 1;
inline constexpr int16_t Menu = 2;            // a menu opened by MENU or MEM
inline constexpr int16_t PotCalibration = 5;
inline constexpr int16_t ScaleCalibration = 6;
inline constexpr int16_t DirectEntry = 7;     // a set point typed in idle
} // namespace hbxmode

// Values of RunState.
namespace hbxrun {
inline constexpr int16_t Standby = runstate::Standby;
inline constexpr int16_t OutputOn = runstate::OutputOn;
inline constexpr int16_t ArmedOn = 5;   // output on after ARM
} // namespace hbxrun

// TypeCode: announced with "<>TYP".
inline constexpr int16_t Typing = 1;
inline constexpr int16_t NotTyping = -1;

inline constexpr int16_t NoItem = -1;

struct HbxFields {
    int16_t MenuState = hbxstate::Idle;
    int16_t MenuItem = NoItem;
    int16_t MenuMode = hbxmode::None;
    int16_t RunState = hbxrun::Standby;   // the poll keeps it (HbxRunState)
    int16_t SetPointItem = hbxstate::Voltage; // what direct entry in idle changes
    int16_t TypeCode = NotTyping;
    bool PointTyped = false;              // the last key typed was "."
    float EditValue = 0;
    QString EditFormat;
    bool BlinkPhase = false;              // toggled by tmrFlash; true = blinking element dark
    // Clock seconds of the last key action; drive the 60 s and 10 s time-outs.
    double CalIdleSince = 0;
    double MenuIdleSince = 0;
    bool DebugMode = false;               // echo flag of every exchange
    // MenuState and TypeCode while DISPLAY is held.
    int16_t SavedState = hbxstate::Idle;
    int16_t SavedTypeCode = NotTyping;
};

} // namespace dalto::front::hbx
