#pragma once
// The simulated status word follows the keys as a supply's would, so that the
// lamps behave the same with no supply attached.

#include <cstdint>

namespace dalto::front {

// Set whenever a front panel loads: internal control and standby.
inline constexpr int32_t SimStatusAtLoad = 72;
inline constexpr int32_t SimAlarmsAtLoad = 0;

// Output on and voltage control, standby off.
int32_t SimStatusAfterStart(int32_t status);
// Standby; output, voltage control and current control off.
int32_t SimStatusAfterStop(int32_t status);

} // namespace dalto::front
