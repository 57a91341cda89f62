#pragma once
// The bus codes of SharedState::BusCode, which are also the positions of the
// buses in the settings file's Comm_List.

#include <cstdint>

namespace dalto::bus {

inline constexpr int16_t Gpib = 0;
inline constexpr int16_t Rs232 = 1;
inline constexpr int16_t Tcp = 2;
inline constexpr int16_t Rs485Select = 3;
inline constexpr int16_t Rs485Packet = 4;
inline constexpr int16_t Simulated = 5;
// No bus chosen yet.
inline constexpr int16_t None = -1;

inline bool isRs485(int16_t code)
{
    return code == Rs485Select || code == Rs485Packet;
}

} // namespace dalto::bus
