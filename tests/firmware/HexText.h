#pragma once
// Intel HEX lines for tests, with correct counts and checksums.

#include <QByteArray>
#include <cstdint>

namespace dalto::testing {

inline QByteArray hexLine(uint8_t type, uint16_t address, const QByteArray& data = {})
{
    QByteArray bytes;
    bytes.append(char(data.size()));
    bytes.append(char(address >> 8));
    bytes.append(char(address & 0xFF));
    bytes.append(char(type));
    bytes.append(data);
    uint8_t sum = 0;
    for (char b : bytes)
        sum = uint8_t(sum + uint8_t(b));
    bytes.append(char(uint8_t(-sum)));
    return ':' + bytes.toHex().toUpper() + "\r\n";
}

inline QByteArray upperLine(uint16_t upper)
{
    return hexLine(0x04, 0, QByteArray::fromHex(QByteArray::number(upper, 16).rightJustified(4, '0')));
}

inline QByteArray endLine()
{
    return hexLine(0x01, 0);
}

} // namespace dalto::testing
