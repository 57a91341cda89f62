#include "InterruptWatch.h"

namespace dalto::ctl {

namespace {

volatile std::sig_atomic_t interruptRaised = 0;

void raiseInterrupt(int)
{
    interruptRaised = 1;
}

// Often enough that the wait after Ctrl-C goes unnoticed.
constexpr int LookIntervalMs = 50;

} // namespace

InterruptWatch::InterruptWatch(std::function<void()> onInterrupt) : onInterrupt_(std::move(onInterrupt))
{
    interruptRaised = 0;
    struct sigaction action {};
    action.sa_handler = &raiseInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &previous_);
    connect(&timer_, &QTimer::timeout, this, &InterruptWatch::look);
    timer_.start(LookIntervalMs);
}

InterruptWatch::~InterruptWatch()
{
    ::sigaction(SIGINT, &previous_, nullptr);
}

void InterruptWatch::look()
{
    if (!interruptRaised || seen_)
        return;
    seen_ = true;
    onInterrupt_();
}

} // namespace dalto::ctl
