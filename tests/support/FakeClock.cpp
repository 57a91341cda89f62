#include "FakeClock.h"

#include <QCoreApplication>
#include <algorithm>

namespace dalto::testing {

void FakeClock::pump(int maxWaitMs)
{
    ++pumps_;
    QCoreApplication::processEvents();
    advance(std::max(maxWaitMs, stepMs_) / 1000.0);
}

void FakeClock::advance(double seconds)
{
    now_ += seconds;
    if (onAdvance_)
        onAdvance_(now_);
}

} // namespace dalto::testing
