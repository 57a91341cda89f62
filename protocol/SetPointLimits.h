#pragma once
// The one rule that every way of setting a value obeys: a voltage, current, OVP
// or OCP level above the bench's ceiling is refused, and the caller sends
// nothing. The ceiling is the bench limit ([Limits] of the settings file) when
// one is set, else the supply's rating; the lower of the two when both are.
//
// The knobs, set keys, menus and keypad of the front panels, the Command panel
// and daltoctl ask here before they send; so does any later caller that sets a
// value (a sequencer stepping through a table, a gateway serving clients).

#include "core/BenchLimits.h"

#include <QString>
#include <array>
#include <optional>

namespace dalto {

class Prompts;
struct SharedState;

// The supply's ratings as SharedState keeps them (full scales and trip bounds).
using SupplyRatings = std::array<float, 8>;

struct SetPointCeiling {
    float value;
    bool benchLimit; // false: the supply's rating
};

// None when no bench limit is set and the rating is not known (ratings not read
// yet are 0). An unreadable bench limit is a ceiling of 0.
std::optional<SetPointCeiling> HighestSetPoint(SetPointKind kind, const BenchLimits& limits,
                                               const SupplyRatings& ratings);

// Why value may not be sent, naming the ceiling; none when it may.
std::optional<QString> SetPointRefusal(SetPointKind kind, double value, const BenchLimits& limits,
                                       const SupplyRatings& ratings);
// As above, with shown naming the value in the text, unit included ("MAX" for
// the supply's maximum, say).
std::optional<QString> SetPointRefusal(SetPointKind kind, double value, const QString& shown,
                                       const BenchLimits& limits, const SupplyRatings& ratings);
std::optional<QString> SetPointRefusal(SetPointKind kind, double value, const SharedState& state);

// A value as a refusal names it: "12.5 V".
QString SetPointValueText(SetPointKind kind, double value);

// What a typed entry may not be: a text that is not a number, or a number above
// the ceiling. None when it may be sent as typed.
std::optional<QString> TypedSetPointRefusal(SetPointKind kind, const QString& typed, const SharedState& state);

// The highest value a knob or an arrow key may reach: the ceiling, or infinity
// without one.
float SetPointStop(SetPointKind kind, const SharedState& state);

// The unit and the allowed range for a prompt: "Volts, 0 to 12 (bench limit)".
QString SetPointRangeText(SetPointKind kind, const SharedState& state);

// Shows refusal in a box (titled "Bench Limit" unless told otherwise) when there
// is one; true then, and the caller sends nothing.
bool ReportRefusal(Prompts& prompts, const std::optional<QString>& refusal,
                   const QString& title = QStringLiteral("Bench Limit"));

// The Ratings positions of the highest and the lowest value of kind (-1: 0).
int UpperRatingIndex(SetPointKind kind);
int LowerRatingIndex(SetPointKind kind);

} // namespace dalto
