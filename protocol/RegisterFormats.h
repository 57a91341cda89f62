#pragma once
// How register values are shown and typed on the register panels: groups of four
// binary digits, or two groups of two hexadecimal digits.

#include <QString>
#include <cstdint>

namespace dalto {

// 16 bits in four groups when wide is non-zero, else 8 bits in two groups.
QString FormatBinary(int32_t value, int16_t wide);
// The low 16 bits as "HH HH".
QString FormatHex16(int32_t value);
// Blanks ignored; any digit above 1 makes the whole result 0.
int32_t ParseBinary(const QString& text);

} // namespace dalto
