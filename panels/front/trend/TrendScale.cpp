#include "TrendScale.h"

#include <algorithm>
#include <cmath>

namespace dalto::front::trend {

namespace {
// Room between the curve and the plot's edge, as a share of the readings' spread.
constexpr double Headroom = 0.05;
// Keeps a multiple of the step that is off by a rounding error on its tick.
constexpr double TickTolerance = 1e-9;

double RoundTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

// From the tick at or below low to the tick at or above high.
AxisScale RoundedScale(double low, double high, int intervals)
{
    AxisScale scale;
    scale.step = RoundStep(high - low, intervals);
    scale.decimals = DecimalsFor(scale.step);
    scale.from = RoundTo(std::floor(low / scale.step + TickTolerance) * scale.step, scale.decimals);
    scale.to = RoundTo(std::ceil(high / scale.step - TickTolerance) * scale.step, scale.decimals);
    if (scale.to <= scale.from)
        scale.to = scale.from + scale.step;
    return scale;
}
} // namespace

double RoundStep(double span, int intervals)
{
    const double raw = std::abs(span) / std::max(intervals, 1);
    if (!(raw > 0) || !std::isfinite(raw))
        return 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double share = raw / magnitude - TickTolerance;
    const double round = share <= 1 ? 1 : share <= 2 ? 2 : share <= 5 ? 5 : 10;
    return round * magnitude;
}

int DecimalsFor(double step)
{
    if (!(step > 0) || !std::isfinite(step))
        return 0;
    return std::max(0, int(-std::floor(std::log10(step) + TickTolerance)));
}

AxisScale FitScale(double low, double high, int intervals, double narrowest)
{
    if (low > high)
        std::swap(low, high);
    const bool positive = low >= 0;
    if (high - low < narrowest) {
        const double middle = (low + high) / 2;
        low = middle - narrowest / 2;
        high = middle + narrowest / 2;
    } else {
        const double room = (high - low) * Headroom;
        low -= room;
        high += room;
    }
    if (positive && low < 0) {
        high -= low;
        low = 0;
    }
    return RoundedScale(low, high, intervals);
}

AxisScale FullScale(double top, int intervals)
{
    return RoundedScale(0, top > 0 ? top : 1, intervals);
}

} // namespace dalto::front::trend
