#include "BootPackets.h"

namespace dalto::firmware {

namespace {

bool needsEscape(uint8_t value)
{
    return value == STX || value == ETX || value == DLE;
}

void appendAddress(QByteArray& body, uint32_t address)
{
    body.append(char(address & 0xFF));
    body.append(char((address >> 8) & 0xFF));
    body.append(char((address >> 16) & 0xFF));
}

} // namespace

void AppendByte(QByteArray& bytes, uint8_t value, bool raw)
{
    if (!raw && needsEscape(value))
        bytes.append(char(DLE));
    bytes.append(char(value));
}

uint8_t packetChecksum(const QByteArray& body)
{
    uint8_t sum = 0;
    for (char b : body)
        sum = uint8_t(sum + uint8_t(b));
    return uint8_t(-sum);
}

QByteArray framePacket(const QByteArray& body)
{
    QByteArray packet;
    AppendByte(packet, STX, true);
    AppendByte(packet, STX, true);
    for (char b : body)
        AppendByte(packet, uint8_t(b), false);
    AppendByte(packet, packetChecksum(body), false);
    AppendByte(packet, ETX, true);
    return packet;
}

QByteArray OneByte(uint8_t value)
{
    return QByteArray(1, char(value));
}

QByteArray Create_Erase(uint32_t address)
{
    QByteArray body;
    body.append(char(EraseCommand));
    body.append(char(EraseMarker));
    appendAddress(body, address);
    return framePacket(body);
}

QByteArray Create_Reset()
{
    return framePacket(QByteArray(1, char(ResetCommand)));
}

QByteArray BuildDataPacket(const HexRecord& record, uint16_t upper)
{
    const uint32_t address = (uint32_t(upper) << 16) | record.address;
    QByteArray body;
    if (upper < FirstOtherMemoryUpper) {
        const int blocks = int((record.data.size() + ProgramBlockBytes - 1) / ProgramBlockBytes);
        body.append(char(ProgramWriteCommand));
        body.append(char(blocks));
        appendAddress(body, address);
        body.append(record.data.leftJustified(blocks * ProgramBlockBytes, '\0'));
    } else {
        body.append(char(OtherWriteCommand));
        body.append(char(record.data.size()));
        appendAddress(body, address);
        body.append(record.data);
    }
    return framePacket(body);
}

std::optional<UnframedPacket> unframePacket(const QByteArray& frame)
{
    if (frame.size() < 4 || uint8_t(frame[0]) != STX || uint8_t(frame[1]) != STX || uint8_t(frame.back()) != ETX)
        return std::nullopt;
    QByteArray unescaped;
    for (qsizetype i = 2; i < frame.size() - 1; ++i) {
        uint8_t value = uint8_t(frame[i]);
        if (value == DLE) {
            if (++i == frame.size() - 1)
                return std::nullopt;
            value = uint8_t(frame[i]);
            if (!needsEscape(value))
                return std::nullopt;
        } else if (needsEscape(value)) {
            return std::nullopt;
        }
        unescaped.append(char(value));
    }
    if (unescaped.isEmpty())
        return std::nullopt;
    return UnframedPacket{unescaped.chopped(1), uint8_t(unescaped.back())};
}

} // namespace dalto::firmware
