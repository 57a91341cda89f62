#pragma once
// The two words of the live status reply and what the panel reads from them.

#include <array>
#include <cstddef>
#include <cstdint>

namespace dalto::front {

// Element k is true when bit k of the word is set, k = 0..16.
using StatusBits = std::array<bool, 17>;

StatusBits DecodeBits(int32_t value);

// Bits of the status word that decide more than their lamp.
namespace statusbit {
inline constexpr int Standby = 6;  // lit orange; wins over output on
inline constexpr int OutputOn = 7;
} // namespace statusbit

// The fault-word bit whose lamp (REMOTE) is lit green, not red.
namespace faultbit {
inline constexpr int Remote = 9;
} // namespace faultbit

// Output state as the panel tracks it.
namespace runstate {
inline constexpr int16_t Standby = 3;
inline constexpr int16_t OutputOn = 4;
} // namespace runstate

// The run state after a poll: standby wins over output on; a word with neither
// bit leaves it as it was.
int16_t RunState(int16_t previous, const StatusBits& status);

} // namespace dalto::front
