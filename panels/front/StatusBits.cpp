#include "StatusBits.h"

namespace dalto::front {

StatusBits DecodeBits(int32_t value)
{
    StatusBits bits{};
    const auto word = uint32_t(value);
    for (std::size_t k = 0; k < bits.size(); ++k)
        bits[k] = (word >> k) & 1u;
    return bits;
}

int16_t RunState(int16_t previous, const StatusBits& status)
{
    if (status[statusbit::Standby])
        return runstate::Standby;
    if (status[statusbit::OutputOn])
        return runstate::OutputOn;
    return previous;
}

} // namespace dalto::front
