#pragma once

#include <cstddef>

// Counts every call of the global operator new in this program (Qt's
// libraries included), so that a benchmark can report allocations per step.
namespace allocation_counter {
std::size_t count();
} // namespace allocation_counter
