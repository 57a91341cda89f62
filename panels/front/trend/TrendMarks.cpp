#include "TrendMarks.h"

#include "panels/front/StatusBits.h"

#include <QStringList>
#include <array>

namespace dalto::front::trend {

namespace {
struct NamedBit {
    int bit;
    const char* name;
};

constexpr std::array StatusNames{
    NamedBit{0, "ARM"}, NamedBit{2, "ILK"}, NamedBit{3, "INT"}, NamedBit{4, "EXT"}, NamedBit{6, "STBY"},
    NamedBit{statusbit::OutputOn, "OUT"}, NamedBit{8, "CV"}, NamedBit{9, "RSEN"}, NamedBit{10, "CC"},
};
constexpr std::array FaultNames{
    NamedBit{0, "OVT"}, NamedBit{1, "OCT"}, NamedBit{2, "PHL"}, NamedBit{3, "PGL"}, NamedBit{4, "THL"},
    NamedBit{5, "FSE"}, NamedBit{7, "ALM"}, NamedBit{8, "LOC"}, NamedBit{faultbit::Remote, "REMOTE"},
};

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
    QStringList names;
    for (const NamedBit& named : StatusNames)
        if (uint32_t(status) & Bit(named.bit))
            names << QLatin1String(named.name);
    for (const NamedBit& named : FaultNames)
        if (uint32_t(fault) & Bit(named.bit))
            names << QLatin1String(named.name);
    return names.join(QLatin1Char(' '));
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
