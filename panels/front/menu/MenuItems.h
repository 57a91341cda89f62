#pragma once
// The menu's items as data: the set points a menu state shows or edits, the
// configuration items and the calibration items.

#include "FrontPanelMenuHost.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace dalto {
struct SharedState;
}

namespace dalto::front::menu {

// A set point shown in states 5..8; states 7 and 8 also edit it (trip levels).
struct SetPointView {
    int16_t state;
    int index;          // into DeviceState
    ReadOut display;
    bool voltFormat;    // VoltFormat, else CurrFormat
    int lamp;           // SetPointLamps position
    // Trip menus only: Ratings indexes of the bounds and the command.
    int upper = -1;
    int lower = -1;
    const char* command = nullptr;
};

// Empty for states without a set point.
const SetPointView* FindSetPoint(int16_t state);
const QString& SetPointFormat(const SetPointView& view, const SharedState& state);

// An item of the configuration menu. Its lamp is ConfigLamps position item + 1.
struct ConfigItem {
    int16_t item;
    const char* command; // followed by "1" or "0"
    int statusBit;       // shown on its lamp, and kept in SimStatus
    LampColour lit;
};

const ConfigItem* FindConfigItem(int16_t item);
// The item after item in the walk 0, 1, 2, 6, 0 (3..5 are indicator lamps only).
int16_t NextConfigItem(int16_t item);
const ConfigItem* ConfigItemsBegin();
const ConfigItem* ConfigItemsEnd();

// Calibration items: 0..4 the pots (pot number item + 1), then these.
namespace calitem {
inline constexpr int16_t Pots = 5;
inline constexpr int16_t Versions = 5;
inline constexpr int16_t Defaults = 6;
inline constexpr int16_t Return = 7;
inline constexpr int16_t Count = 8;
} // namespace calitem

inline bool IsPotItem(int16_t item) { return item >= 0 && item < calitem::Pots; }
// The read-out that shows a pot.
ReadOut PotDisplay(int16_t item);

// A value as the device and the pot display take it: the general number form.
QString NumberText(float value);
// The panel-state notice "<>CHG state,item[,mode]" that tells the supply which
// menu the panel shows.
QString ChangeNotice(int state, int item, std::optional<int> mode);
// value held between lower and upper.
float Limited(float value, float upper, float lower = 0);
// An edited pot value as stored: rounded half to even.
int16_t PotValue(float value);

} // namespace dalto::front::menu
