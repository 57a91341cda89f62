#pragma once
// How long an open menu waits for a key before it closes by itself.

namespace dalto::front::menu {

// A menu, or a number being typed, with no key for this long is left.
inline constexpr double MenuTimeoutSeconds = 10;
// The calibration items wait longer: adjusting a pot takes a measurement.
inline constexpr double CalibrationTimeoutSeconds = 60;

// True when more than seconds have passed since the last key at since.
inline bool IdleLongerThan(double now, double since, double seconds)
{
    return now - since > seconds;
}

} // namespace dalto::front::menu
