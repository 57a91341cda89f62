#pragma once
// The NI-488.2 status bits, error codes and address marker that the layer and the
// drivers need, so that nothing depends on a vendor header at build time.

#include <cstdint>

namespace dalto::gpib {

// ibsta bits
inline constexpr int32_t ERR = 0x8000;
inline constexpr int32_t TIMO = 0x4000;
inline constexpr int32_t END = 0x2000;
inline constexpr int32_t CMPL = 0x0100;

// iberr codes
inline constexpr int32_t EDVR = 0;  // system or driver error, bad descriptor
inline constexpr int32_t ENOL = 2;  // no listeners on the bus
inline constexpr int32_t EARG = 4;  // invalid argument
inline constexpr int32_t EABO = 6;  // transfer aborted, typically a time-out
inline constexpr int32_t ETAB = 20; // result table too small

// Ends an address list handed to FindLstn.
inline constexpr uint16_t NOADDR = 0xFFFF;

} // namespace dalto::gpib
