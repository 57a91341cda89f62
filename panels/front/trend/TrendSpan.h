#pragma once
// Which stretch of time the plot shows and the points it draws there. A plot
// is only as wide as the screen: a long stretch is thinned to the lowest and the
// highest reading of each slice, so a spike stays visible and the cost of a
// redraw does not grow with the length of the log. Where readings are missing
// (the link was lost, polling was held for a menu) the curves break off: a line
// across the gap would show values nobody measured.

#include <QList>
#include <QPointF>
#include <optional>
#include <vector>

namespace dalto::front::trend {

class TrendLog;

struct TrendSpan {
    double from = 0; // seconds since the session started
    double to = 0;
};

// The time windows offered: the last 1, 5 or 30 minutes, or everything.
using TrendWindowLength = std::optional<double>;

// The span that follows the newest reading, or the latest poll without one:
// the last length seconds, or the whole log. A log shorter than the window
// fills it from the left.
TrendSpan FollowSpan(const TrendLog& log, TrendWindowLength length);

// The unbroken stretches of one curve, oldest first.
using TrendRuns = std::vector<QList<QPointF>>;

struct TrendPoints {
    TrendRuns volts;
    TrendRuns amps;
};

// Two readings further apart than this many poll periods have a gap between them.
inline constexpr double GapInPolls = 3;

// The readings inside span plus one on either side (so the lines run to the
// edges), at most about maxPoints of each curve, broken into runs wherever two
// neighbouring readings lie more than longestStep seconds apart.
TrendPoints PointsIn(const TrendLog& log, const TrendSpan& span, int maxPoints, double longestStep);

struct TrendExtent {
    double low;
    double high;
};

// The lowest and highest value of the points whose time lies within span;
// empty when there are none.
std::optional<TrendExtent> ExtentIn(const TrendRuns& runs, const TrendSpan& span);

} // namespace dalto::front::trend
