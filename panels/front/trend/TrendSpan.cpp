#include "TrendSpan.h"

#include "TrendLog.h"

#include <algorithm>

namespace dalto::front::trend {

namespace {
// Shown while there is nothing to span.
constexpr double EmptySpan = 60;
constexpr double ShortestSpan = 1;

// Appends the lowest and the highest point of a slice, in time order.
void AddExtremes(QList<QPointF>& points, const QPointF& low, const QPointF& high)
{
    if (low.x() <= high.x()) {
        points.append(low);
        if (high.x() != low.x())
            points.append(high);
    } else {
        points.append(high);
        points.append(low);
    }
}

// Every reading of [from, to).
void AddAll(const TrendLog& log, std::size_t from, std::size_t to, QList<QPointF>& volts, QList<QPointF>& amps)
{
    for (std::size_t i = from; i < to; ++i) {
        const TrendRecord& r = log.at(i);
        volts.append({r.seconds, r.volts});
        amps.append({r.seconds, r.amps});
    }
}

// The readings of [from, to) in slices, each drawn as its lowest and highest reading.
void AddThinned(const TrendLog& log, std::size_t from, std::size_t to, std::size_t slices, QList<QPointF>& volts,
                QList<QPointF>& amps)
{
    const std::size_t count = to - from;
    for (std::size_t slice = 0; slice < slices; ++slice) {
        const std::size_t first = from + count * slice / slices;
        const std::size_t last = from + count * (slice + 1) / slices;
        if (first == last)
            continue;
        QPointF lowV, highV, lowI, highI;
        for (std::size_t i = first; i < last; ++i) {
            const TrendRecord& r = log.at(i);
            const QPointF v(r.seconds, r.volts);
            const QPointF a(r.seconds, r.amps);
            if (i == first || v.y() < lowV.y()) lowV = v;
            if (i == first || v.y() > highV.y()) highV = v;
            if (i == first || a.y() < lowI.y()) lowI = a;
            if (i == first || a.y() > highI.y()) highI = a;
        }
        AddExtremes(volts, lowV, highV);
        AddExtremes(amps, lowI, highI);
    }
}
} // namespace

TrendSpan FollowSpan(const TrendLog& log, TrendWindowLength length)
{
    if (log.empty())
        return {0, length.value_or(EmptySpan)};
    const double first = log.at(0).seconds;
    const double last = std::max(log.back().seconds, log.latest());
    if (!length)
        return {first, std::max(last, first + ShortestSpan)};
    const double to = std::max(last, first + *length);
    return {to - *length, to};
}

TrendPoints PointsIn(const TrendLog& log, const TrendSpan& span, int maxPoints, double longestStep)
{
    TrendPoints points;
    if (log.empty())
        return points;
    const std::size_t first = log.firstAtOrAfter(span.from);
    const std::size_t begin = first > 0 ? first - 1 : 0;
    const std::size_t end = std::min(log.firstAtOrAfter(span.to) + 1, log.size());
    const std::size_t count = end - begin;
    const bool thin = count > std::size_t(std::max(maxPoints, 1));
    const auto slices = std::size_t(std::max(maxPoints / 2, 1));

    std::size_t runStart = begin;
    for (std::size_t i = begin + 1; i <= end; ++i) {
        if (i < end && log.at(i).seconds - log.at(i - 1).seconds <= longestStep)
            continue;
        // The slices are shared out by the readings each run holds.
        QList<QPointF>& volts = points.volts.emplace_back();
        QList<QPointF>& amps = points.amps.emplace_back();
        if (thin)
            AddThinned(log, runStart, i, std::max<std::size_t>(slices * (i - runStart) / count, 1), volts, amps);
        else
            AddAll(log, runStart, i, volts, amps);
        runStart = i;
    }
    return points;
}

std::optional<TrendExtent> ExtentIn(const TrendRuns& runs, const TrendSpan& span)
{
    std::optional<TrendExtent> extent;
    for (const QList<QPointF>& run : runs)
        for (const QPointF& p : run) {
            if (p.x() < span.from || p.x() > span.to)
                continue;
            if (!extent)
                extent = TrendExtent{p.y(), p.y()};
            extent->low = std::min(extent->low, p.y());
            extent->high = std::max(extent->high, p.y());
        }
    return extent;
}

} // namespace dalto::front::trend
