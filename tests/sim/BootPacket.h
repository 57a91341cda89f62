#pragma once
// The host's side of the boot loader's framing, for the simulator tests:
// STX STX, body and two's-complement checksum with DLE before 0x04, 0x05 and
// 0x0F, ETX.

#include <QByteArray>

namespace dalto::testing {

inline QByteArray BootPacket(const QByteArray& body)
{
    QByteArray packet("\x0F\x0F");
    quint8 sum = 0;
    const auto append = [&packet](char byte) {
        if (byte == 0x04 || byte == 0x05 || byte == 0x0F)
            packet.append('\x05');
        packet.append(byte);
    };
    for (char byte : body) {
        sum += static_cast<quint8>(byte);
        append(byte);
    }
    append(static_cast<char>(-sum));
    return packet + '\x04';
}

// 0x02 0xFF and the 24-bit address, low byte first.
inline QByteArray EraseBody(quint32 address)
{
    return QByteArray("\x02\xFF", 2) + char(address & 0xFF) + char(address >> 8 & 0xFF) + char(address >> 16);
}

// 0x01, the number of 8-byte blocks, the address and the data (a multiple of 8 bytes).
inline QByteArray ProgramBody(quint32 address, const QByteArray& data)
{
    return QByteArray(1, '\x01') + char(data.size() / 8) + char(address & 0xFF) + char(address >> 8 & 0xFF) +
           char(address >> 16) + data;
}

} // namespace dalto::testing
