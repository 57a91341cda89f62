#pragma once
// Bus addresses as the device protocol writes them: the numeric value of the
// text in upper-case hexadecimal, with a leading "0" below 16 (always two digits
// for 0-255).

#include <QString>

namespace dalto {

QString twoDigitHex(const QString& text);

} // namespace dalto
