#pragma once
// Decoding of the "<>" replies: one line of comma-separated hexadecimal fields,
// each an unsigned number of up to eight digits read as a signed 32-bit value.
// Blanks inside a field are ignored.

#include <QString>
#include <optional>
#include <vector>

namespace dalto {

// The fields of reply as numbers. Empty optional when a field does not fit in 32
// bits: the caller then keeps what it had.
std::optional<std::vector<double>> DecodeHexFields(const QString& reply);

} // namespace dalto
