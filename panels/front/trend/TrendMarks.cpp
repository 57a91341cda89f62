#include "TrendMarks.h"

#include "panels/front/StatusBits.h"
#include "protocol/StatusBitNames.h"

namespace dalto::front::trend {

namespace {
constexpr uint32_t Bit(int bit) { return uint32_t(1) << bit; }
constexpr uint32_t TripBits = Bit(0) | Bit(1);
// Latched faults other than the trips; REMOTE says who is in control, not a fault.
constexpr uint32_t FaultBits = Bit(2) | Bit(3) | Bit(4) | Bit(5) | Bit(7) | Bit(8);

uint32_t Rising(int32_t before, int32_t after, uint32_t mask)
{
    return ~uint32_t(before) & uint32_t(after) & mask;
}
} // namespace

std::vector<TrendMark> MarksBetween(int32_t oldStatus, int32_t oldFault, int32_t status, int32_t fault)
{
    std::vector<TrendMark> marks;
    const uint32_t output = Bit(statusbit::OutputOn);
    if (Rising(oldStatus, status, output))
        marks.push_back(TrendMark::OutputOn);
    else if (Rising(status, oldStatus, output))
        marks.push_back(TrendMark::OutputOff);
    if (Rising(oldFault, fault, TripBits))
        marks.push_back(TrendMark::Trip);
    if (Rising(oldFault, fault, FaultBits))
        marks.push_back(TrendMark::Fault);
    return marks;
}

QString DecodedFlags(int32_t status, int32_t fault)
{
    return (statusbits::StateNames(status, fault) + statusbits::FaultNames(fault)).join(QLatin1Char('|'));
}

QString MarkName(TrendMark mark)
{
    switch (mark) {
    case TrendMark::OutputOn: return QStringLiteral("Output on");
    case TrendMark::OutputOff: return QStringLiteral("Output off");
    case TrendMark::Trip: return QStringLiteral("Trip");
    case TrendMark::Fault: return QStringLiteral("Fault");
    }
    return {};
}

} // namespace dalto::front::trend
