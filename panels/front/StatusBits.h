#pragma once
// The two words of the live status reply and what the panel reads from them.

#include <array>
#include <cstddef>
#include <cstdint>

namespace dalto::front {

// Element k is true when bit k of the word is set, k = 0..16.
using StatusBits = std::array<bool, 17>;

StatusBits DecodeBits(int32_t value);

// Bits of the status word.
namespace statusbit {
inline constexpr int Interlock = 2;
inline constexpr int InternalControl = 3;
inline constexpr int ExternalControl = 4;
inline constexpr int Standby = 6;
inline constexpr int OutputOn = 7;
inline constexpr int VoltageControl = 8;
inline constexpr int RemoteSense = 9;
inline constexpr int CurrentControl = 10;
} // namespace statusbit

// Bits of the fault word that need more than their lamp.
namespace faultbit {
inline constexpr int Fuse = 5;
inline constexpr int ProtectionLatched = 7; // no lamp; CLEAR when idle clears it
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
