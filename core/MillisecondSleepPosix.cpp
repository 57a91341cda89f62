#include "MillisecondSleep.h"

#include <chrono>
#include <thread>

namespace dalto {

void SleepMilliseconds(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace dalto
