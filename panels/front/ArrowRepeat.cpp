#include "ArrowRepeat.h"

#include "core/LegacyNumbers.h"

namespace dalto::front {

namespace {
constexpr double SlowDelay = 0.25;
constexpr double MediumDelay = 0.15;
constexpr double FastDelay = 0.1;
} // namespace

float StepFromFormat(const QString& format)
{
    if (format == QLatin1String("0.0"))
        return 0.101f;
    if (format == QLatin1String("0.00"))
        return 0.0101f;
    if (format == QLatin1String("0.000"))
        return 0.00101f;
    return 1.0f;
}

int RepeatMultiplier(double delaySeconds, bool calibration)
{
    if (delaySeconds >= SlowDelay)
        return 1;
    if (delaySeconds >= MediumDelay)
        return 3;
    return calibration ? 3 : 13;
}

float ArrowRepeat::step(float value, const QString& format, bool up, bool calibration)
{
    if (count_ > 30)
        delay_ = FastDelay;
    else if (count_ > 10)
        delay_ = MediumDelay;
    ++count_;
    const float change = float(RepeatMultiplier(delay_, calibration)) * StepFromFormat(format);
    const float moved = up ? value + change : value - change;
    return float(legacy::leadingNumber(legacy::format(moved, format)));
}

} // namespace dalto::front
