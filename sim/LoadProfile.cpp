#include "sim/LoadProfile.h"

#include "sim/ScpiArguments.h"

#include <QStringList>
#include <cmath>

namespace dalto::sim {

std::optional<std::vector<LoadStep>> ParseLoadSteps(const QString& text)
{
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() % 2 != 0)
        return std::nullopt;
    std::vector<LoadStep> steps;
    for (qsizetype i = 0; i < fields.size(); i += 2) {
        const auto ohms = scpi::toNumber(fields[i].trimmed());
        const auto seconds = scpi::toNumber(fields[i + 1].trimmed());
        if (!ohms || !seconds || !(*ohms > 0) || !std::isfinite(*ohms) || !(*seconds >= 0) || !std::isfinite(*seconds))
            return std::nullopt;
        steps.push_back({*ohms, *seconds});
    }
    return steps;
}

bool LoadProfile::start(double startOhms, std::vector<LoadStep> steps, bool repeat, double now)
{
    double round = 0;
    for (const LoadStep& step : steps)
        round += step.seconds;
    if (steps.empty() || (repeat && !(round > 0)))
        return false;
    steps_ = std::move(steps);
    startOhms_ = startOhms;
    startTime_ = now;
    repeat_ = repeat;
    return true;
}

std::optional<double> LoadProfile::loadAt(double now)
{
    if (steps_.empty())
        return std::nullopt;
    double elapsed = std::max(now - startTime_, 0.0);
    double round = 0;
    for (const LoadStep& step : steps_)
        round += step.seconds;
    // Every later round starts from the last step's resistance.
    if (repeat_ && elapsed >= round) {
        const double rounds = std::floor(elapsed / round);
        startOhms_ = steps_.back().ohms;
        startTime_ += rounds * round;
        elapsed -= rounds * round;
    }
    double from = startOhms_;
    for (const LoadStep& step : steps_) {
        if (elapsed < step.seconds)
            return from + (step.ohms - from) * (elapsed / step.seconds);
        elapsed -= step.seconds;
        from = step.ohms;
    }
    steps_.clear();
    return from;
}

} // namespace dalto::sim
