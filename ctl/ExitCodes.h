#pragma once
// The exit codes scripts can rely on.

namespace dalto::ctl::exitcode {
inline constexpr int Success = 0;
// The device failed, did not answer in time or rejected what was sent.
inline constexpr int DeviceError = 1;
// The command line or a file named on it is not usable.
inline constexpr int UsageError = 2;
// Stopped by Ctrl-C (128 + SIGINT, as the shell reports it).
inline constexpr int Interrupted = 130;
} // namespace dalto::ctl::exitcode
