#include "HexAddress.h"

#include "core/LegacyNumbers.h"

namespace dalto {

QString twoDigitHex(const QString& text)
{
    // A value beyond 32 bits cannot be an address; it is written as 0 instead of
    // failing the exchange.
    const int32_t value = legacy::toLong(legacy::leadingNumber(text)).value_or(0);
    const QString digits = legacy::hex(value);
    return value < 16 ? QStringLiteral("0") + digits : digits;
}

} // namespace dalto
