#pragma once
// What the two status words say, for people: the short names of the set bits,
// and the events worth marking on a plot when the words change between two
// readings.

#include <QString>
#include <cstdint>
#include <vector>

namespace dalto::front::trend {

enum class TrendMark {
    OutputOn,
    OutputOff,
    Trip,  // over-voltage or over-current trip
    Fault, // any other latched fault
};

// The events from one reading's words to the next one's, in this order:
// output on or off, trip, fault. A bit that stays set marks nothing again.
std::vector<TrendMark> MarksBetween(int32_t oldStatus, int32_t oldFault, int32_t status, int32_t fault);

// The names of the set bits, the state first, then the faults, separated by
// "|" (names hold blanks): "POWER|Voltage CTL|OVT".
QString DecodedFlags(int32_t status, int32_t fault);

QString MarkName(TrendMark mark);

} // namespace dalto::front::trend
