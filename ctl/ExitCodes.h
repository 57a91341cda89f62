#pragma once
// The exit codes scripts can rely on.

namespace dalto::ctl::exitcode {
inline constexpr int Success = 0;
// The device failed, did not answer in time or rejected what was sent.
inline constexpr int DeviceError = 1;
// The command line or a file named on it is not usable.
inline constexpr int UsageError = 2;
} // namespace dalto::ctl::exitcode
