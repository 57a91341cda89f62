#pragma once
// The boot loader answers on the serial line only: every other bus is refused
// before anything is sent, with the same words in the window and on the command line.

#include <QString>
#include <cstdint>
#include <optional>

namespace dalto::firmware {

// Why firmware cannot be programmed over busCode; nothing for RS-232.
std::optional<QString> busRefusal(int16_t busCode);

} // namespace dalto::firmware
