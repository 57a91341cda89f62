#pragma once
// Time and waiting. Every time-out and pause goes through this so that tests can
// run a 60 s wait in no real time.

namespace dalto {

class Clock {
public:
    virtual ~Clock() = default;
    // Seconds on a steady clock: never jumps, never wraps at midnight.
    virtual double now() const = 0;
    // Lets pending events run. With maxWaitMs > 0 it also sleeps until an event
    // arrives or that many milliseconds pass, so that polling loops do not spin.
    virtual void pump(int maxWaitMs = 0) = 0;
    // Waits at least ms milliseconds without letting events run.
    virtual void delay(int ms) = 0;
};

// The real clock over std::chrono::steady_clock and the Qt event loop.
class SteadyClock final : public Clock {
public:
    double now() const override;
    void pump(int maxWaitMs = 0) override;
    void delay(int ms) override;
};

} // namespace dalto
