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
} // namespace

TrendSpan FollowSpan(const TrendLog& log, TrendWindowLength length)
{
    if (log.empty())
        return {0, length.value_or(EmptySpan)};
    const double first = log.at(0).seconds;
    const double last = log.back().seconds;
    if (!length)
        return {first, std::max(last, first + ShortestSpan)};
    const double to = std::max(last, first + *length);
    return {to - *length, to};
}

TrendPoints PointsIn(const TrendLog& log, const TrendSpan& span, int maxPoints)
{
    TrendPoints points;
    if (log.empty())
        return points;
    const std::size_t first = log.firstAtOrAfter(span.from);
    const std::size_t begin = first > 0 ? first - 1 : 0;
    const std::size_t end = std::min(log.firstAtOrAfter(span.to) + 1, log.size());
    const std::size_t count = end - begin;
    const auto slices = std::size_t(std::max(maxPoints / 2, 1));

    if (count <= std::size_t(std::max(maxPoints, 1))) {
        points.volts.reserve(qsizetype(count));
        points.amps.reserve(qsizetype(count));
        for (std::size_t i = begin; i < end; ++i) {
            const TrendRecord& r = log.at(i);
            points.volts.append({r.seconds, r.volts});
            points.amps.append({r.seconds, r.amps});
        }
        return points;
    }

    points.volts.reserve(qsizetype(slices * 2));
    points.amps.reserve(qsizetype(slices * 2));
    for (std::size_t slice = 0; slice < slices; ++slice) {
        const std::size_t from = begin + count * slice / slices;
        const std::size_t to = begin + count * (slice + 1) / slices;
        if (from == to)
            continue;
        QPointF lowV, highV, lowI, highI;
        for (std::size_t i = from; i < to; ++i) {
            const TrendRecord& r = log.at(i);
            const QPointF v(r.seconds, r.volts);
            const QPointF a(r.seconds, r.amps);
            if (i == from || v.y() < lowV.y()) lowV = v;
            if (i == from || v.y() > highV.y()) highV = v;
            if (i == from || a.y() < lowI.y()) lowI = a;
            if (i == from || a.y() > highI.y()) highI = a;
        }
        AddExtremes(points.volts, lowV, highV);
        AddExtremes(points.amps, lowI, highI);
    }
    return points;
}

} // namespace dalto::front::trend
