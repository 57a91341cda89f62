#include "Clock.h"
#include "MillisecondSleep.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>

namespace dalto {

double SteadyClock::now() const
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void SteadyClock::pump(int maxWaitMs)
{
    if (maxWaitMs <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    // The timer guarantees that the blocking wait ends after maxWaitMs even when no
    // other event arrives; any earlier event (data on a socket, a click) ends it sooner.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(maxWaitMs);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void SteadyClock::delay(int ms)
{
    if (ms > 0)
        SleepMilliseconds(ms);
}

} // namespace dalto
