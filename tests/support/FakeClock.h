#pragma once
// A clock for tests: time moves only when the code under test pumps or delays, so a
// 10 s hold or a 2 s time-out takes no real time.

#include "core/Clock.h"

#include <functional>

namespace dalto::testing {

class FakeClock final : public Clock {
public:
    double now() const override
    {
        now_ += readingStep_;
        return now_;
    }
    // Advances by maxWaitMs (at least stepMs) and lets Qt events run.
    void pump(int maxWaitMs = 0) override;
    void delay(int ms) override { advance(ms / 1000.0); }

    void advance(double seconds);
    void setStepMs(int ms) { stepMs_ = ms; }
    // Every reading of now() moves time on by seconds, as a real clock does between
    // two readings.
    void advanceOnEveryReading(double seconds) { readingStep_ = seconds; }
    int pumps() const { return pumps_; }
    // Called after every advance with the new time: lets a scripted peer deliver
    // data at chosen moments.
    void onAdvance(std::function<void(double)> callback) { onAdvance_ = std::move(callback); }

private:
    mutable double now_ = 1000.0;
    double readingStep_ = 0;
    int stepMs_ = 10;
    int pumps_ = 0;
    std::function<void(double)> onAdvance_;
};

} // namespace dalto::testing
