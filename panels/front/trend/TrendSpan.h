#pragma once
// Which stretch of time the plot shows and the points it draws there. A plot
// is only as wide as the screen: a long stretch is thinned to the lowest and the
// highest reading of each slice, so a spike stays visible and the cost of a
// redraw does not grow with the length of the log.

#include <QList>
#include <QPointF>
#include <optional>

namespace dalto::front::trend {

class TrendLog;

struct TrendSpan {
    double from = 0; // seconds since the session started
    double to = 0;
};

// The time windows offered: the last 1, 5 or 30 minutes, or everything.
using TrendWindowLength = std::optional<double>;

// The span that follows the newest reading: the last length seconds, or the
// whole log. A log shorter than the window fills it from the left.
TrendSpan FollowSpan(const TrendLog& log, TrendWindowLength length);

struct TrendPoints {
    QList<QPointF> volts;
    QList<QPointF> amps;
};

// The readings inside span plus one on either side (so the lines run to the
// edges), at most about maxPoints of each.
TrendPoints PointsIn(const TrendLog& log, const TrendSpan& span, int maxPoints);

} // namespace dalto::front::trend
