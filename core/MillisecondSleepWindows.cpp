#include "MillisecondSleep.h"

#include <windows.h>
#include <timeapi.h>

namespace dalto {

// The finer tick is asked for only while the pause lasts, as it costs power.
void SleepMilliseconds(int ms)
{
    timeBeginPeriod(1);
    Sleep(static_cast<DWORD>(ms));
    timeEndPeriod(1);
}

} // namespace dalto
