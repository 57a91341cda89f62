#include "AddressText.h"

#include "protocol/RegisterFormats.h"

namespace dalto::firmware {

namespace {
QString upperText(uint32_t upper)
{
    return QString::number(upper, 16).toUpper();
}
} // namespace

QString eraseAddressText(uint32_t address)
{
    return upperText((address >> 16) & 0xFF) + QLatin1Char(' ') + FormatHex16(int32_t(address & 0xFFFF));
}

QString writeAddressText(uint16_t upper, const HexRecord& record)
{
    return upperText(upper) + QLatin1Char(' ') + record.addressText.left(2) + QLatin1Char(' ') + record.addressText.mid(2, 2);
}

} // namespace dalto::firmware
