#pragma once
// The set points a command line would set on the supply. A line may hold several
// commands joined by ";" (a command without a leading ":" continues the path of
// the one before it, as SCPI has it); every voltage, current or trip-level
// setting among them counts, in short or long form, with or without the
// optional nodes (SOURce, LEVel, IMMediate, AMPLitude) and including the
// triggered levels. Queries and all other commands set nothing.

#include "SetPointLimits.h"

#include <QString>
#include <vector>

namespace dalto {

struct SetPointSetting {
    SetPointKind kind;
    double value;     // MAX is the rating (infinity when it is not known)
    QString argument; // as written
};

// The settings whose value can be told: a number (with an optional unit such as
// "mV" or "A") or MAX. MIN, DEF and other words are the device's to judge.
std::vector<SetPointSetting> SetPointsInCommand(const QString& line, const SupplyRatings& ratings);

// The first refusal of SetPointRefusal for a setting in line; none when the line
// may be sent.
std::optional<QString> CommandRefusal(const QString& line, const SharedState& state);

} // namespace dalto
