#pragma once
// A load that changes by itself, so that a plot of the supply's output shows a
// curve: straight ramps from one resistance to the next, taken in order, once
// or over and over. Time is handed in (seconds on any steady clock), so the
// profile itself never waits.

#include <QString>
#include <optional>
#include <vector>

namespace dalto::sim {

struct LoadStep {
    double ohms;    // where the ramp ends
    double seconds; // how long it takes (0: a jump)
};

// "R1,S1,R2,S2,...": pairs of a resistance above 0 and a duration of 0 or more
// seconds. Nothing when the text is not such a list.
std::optional<std::vector<LoadStep>> ParseLoadSteps(const QString& text);

class LoadProfile {
public:
    // Starts ramping from startOhms at time now. A repeated profile must take
    // some time per round; false (and nothing started) when it does not.
    bool start(double startOhms, std::vector<LoadStep> steps, bool repeat, double now);
    void stop() { steps_.clear(); }
    bool running() const { return !steps_.empty(); }

    // The load at time now; nothing when no profile runs. A profile that is
    // not repeated ends at its last resistance and stops.
    std::optional<double> loadAt(double now);

private:
    std::vector<LoadStep> steps_;
    double startOhms_ = 0;
    double startTime_ = 0;
    bool repeat_ = false;
};

} // namespace dalto::sim
