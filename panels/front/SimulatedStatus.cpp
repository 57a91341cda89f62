#include "SimulatedStatus.h"

namespace dalto::front {

int32_t SimStatusAfterStart(int32_t status)
{
    return (status | 0x80 | 0x100) & ~0x40;
}

int32_t SimStatusAfterStop(int32_t status)
{
    return (status | 0x40) & ~(0x80 | 0x100 | 0x400);
}

} // namespace dalto::front
