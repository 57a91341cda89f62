#pragma once
// The HBX menus' items as data: the set points of states 5..9, the configuration
// items, the calibration items, and the run state the poll derives.

#include "HbxMenuHost.h"
#include "panels/front/StatusBits.h"
#include "panels/front/menu/MenuItems.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace dalto {
struct SharedState;
}

namespace dalto::front::hbx {

// The highest memory number; a display above it shows "E".
inline constexpr int LargestMemory = 9;

// A set point edited in states 5..9 (and by direct entry in idle).
struct HbxSetPoint {
    int16_t state;
    int index;          // into DeviceState
    ReadOut display;
    int ratingIndex;    // Ratings index of the upper bound; -1 = none
    const char* command;
    int lamp;           // SetPointLamps key; -1 = none (the period)
    LampColour lit;     // colour of that lamp while the menu shows the set point
};

// Null for states that are no set point.
const HbxSetPoint* FindHbxSetPoint(int16_t state);
// VoltFormat, CurrFormat, or whole numbers for the period.
QString HbxSetPointFormat(const HbxSetPoint& point, const SharedState& state);

// Configuration items: 0..2 and 7 can be switched; 3..6 only show state.
inline constexpr int16_t ConfigItemCount = 8;
// The item after item in the walk 0, 1, 2, 7, 0.
int16_t NextHbxConfigItem(int16_t item);
// A switchable item's command, status bit and lamp colour (its lamp is
// ConfigLamps key item); null for the indicator positions 3..6 and NoItem.
const menu::ConfigItem* FindHbxConfigItem(int16_t item);

// Calibration items: 0..4 the pots; 5 the versions; in pot calibration 6 "def"
// and 7 "rEt"; in scale calibration 6 and 7 the full scales and 8 "rEt".
namespace hbxcal {
inline constexpr int16_t Versions = 5;
inline constexpr int16_t Defaults = 6;       // pot calibration
inline constexpr int16_t VoltageScale = 6;   // scale calibration
inline constexpr int16_t CurrentScale = 7;
inline constexpr int16_t PotItems = 8;       // item count in pot calibration
inline constexpr int16_t ScaleItems = 9;     // item count in scale calibration
} // namespace hbxcal
// The Ratings index of the full scale a scale-calibration item sets (0 voltage,
// 4 current); nothing for every other state and item.
std::optional<int> FullScaleRating(int16_t state, int16_t item);
// The "rEt" item of a calibration state.
int16_t ReturnItem(int16_t state);

// A memory number as txtMEM shows it: "E" above 9.
QString MemoryText(double value);

// The run state after a poll: standby wins; output on is ArmedOn when the armed
// bit (0) is set; a word with neither bit leaves it as it was.
int16_t HbxRunState(int16_t previous, const StatusBits& status);

} // namespace dalto::front::hbx
