#pragma once
// Number conversions with the exact behaviour the device protocol and the stored
// settings were designed around: leading-number parsing, "&H...&" hexadecimal as
// signed 32-bit, half-to-even rounding into 16- and 32-bit integers, and format
// patterns such as "0.000", "0." and "00".

#include <QString>
#include <cstdint>
#include <optional>

namespace dalto::legacy {

// Numeric value of the leading number of text: blanks, tabs and line feeds are
// skipped wherever they stand ("1 2" is 12), reading stops at the first character
// that cannot continue a number. "1e1" and "1d1" are 10, "12abc" is 12, "abc" is 0.
// "&H1F" and "&O17" are read as hexadecimal and octal, as signed 32-bit when they
// fit in 32 bits ("&HFFFFFFFF" is -1), else as their plain value.
double leadingNumber(const QString& text);

// "&H" + digits + "&": the hexadecimal digits as a signed 32-bit number (eight-digit
// values starting with 8..F are negative). Surrounding blanks and CR LF are ignored,
// reading stops at the first non-hex character, an empty field is 0. Empty optional
// when the value needs more than 32 bits (overflow).
std::optional<int32_t> hexLong(const QString& digits);

// Round half to even into Integer / Long; empty optional on overflow.
std::optional<int16_t> toInteger(double value);
std::optional<int32_t> toLong(double value);

// Formats value with a pattern of '0' and '#' digit places and an optional '.':
// "0.000" gives 3 decimals, "0." a whole number followed by ".", "00" at least two
// digits; '#' places are shown only when not zero. Halves round away from zero
// (on the value's 15-digit decimal text, so 2.675 gives "2.68"); a value that rounds
// to zero has no minus sign. An empty pattern is the general number form
// (shortest text that reads back as the same single-precision value).
QString format(double value, const QString& pattern);

// Upper-case hexadecimal of a whole number, as the protocol writes addresses.
QString hex(int32_t value);

} // namespace dalto::legacy
