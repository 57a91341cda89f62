#include "RegisterFormats.h"

#include "core/LegacyNumbers.h"

#include <QStringList>

namespace dalto {

QString FormatBinary(int32_t value, int16_t wide)
{
    const int groups = wide != 0 ? 4 : 2;
    QStringList parts;
    for (int g = groups - 1; g >= 0; --g) {
        const int nibble = (value >> (4 * g)) & 0xF;
        parts << QString::number(nibble, 2).rightJustified(4, QLatin1Char('0'));
    }
    return parts.join(QLatin1Char(' '));
}

QString FormatHex16(int32_t value)
{
    const auto twoDigits = [](int byte) {
        return QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    };
    return twoDigits((value >> 8) & 0xFF) + QLatin1Char(' ') + twoDigits(value & 0xFF);
}

int32_t ParseBinary(const QString& text)
{
    // Kept in 64 bits so that an over-long entry gives 0 instead of overflowing:
    // a register value never needs more than 32 binary digits.
    int64_t result = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char(' '))
            continue;
        const double digit = legacy::leadingNumber(QString(c));
        if (digit > 1)
            return 0;
        result = result * 2 + static_cast<int64_t>(digit);
        if (result > INT32_MAX)
            return 0;
    }
    return static_cast<int32_t>(result);
}

} // namespace dalto
