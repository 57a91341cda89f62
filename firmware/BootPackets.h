#pragma once
// The byte packets of the controller's boot loader. A packet is STX STX, the body,
// a checksum and ETX; every body and checksum byte that equals STX, ETX or DLE is
// preceded by DLE. The checksum makes body + checksum sum to 0 modulo 256.

#include "HexFile.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

namespace dalto::firmware {

inline constexpr uint8_t STX = 0x0F;
inline constexpr uint8_t ETX = 0x04;
inline constexpr uint8_t DLE = 0x05;

// Command bytes that open a packet body.
inline constexpr uint8_t ProgramWriteCommand = 0x01;
inline constexpr uint8_t EraseCommand = 0x02;
inline constexpr uint8_t OtherWriteCommand = 0x03;
inline constexpr uint8_t ResetCommand = 0x04;
// The erase command's second byte.
inline constexpr uint8_t EraseMarker = 0xFF;

// Program memory is written in blocks of this many bytes.
inline constexpr int ProgramBlockBytes = 8;
// From this upper address on, data go to the other memories, unpadded.
inline constexpr uint16_t FirstOtherMemoryUpper = 31;

// Appends value to bytes, preceded by DLE when it is not raw and equals STX, ETX or DLE.
void AppendByte(QByteArray& bytes, uint8_t value, bool raw);

// The two's-complement checksum of body.
uint8_t packetChecksum(const QByteArray& body);

// The complete packet on the line for body.
QByteArray framePacket(const QByteArray& body);

// The single probe byte sent while waiting for the boot loader.
QByteArray OneByte(uint8_t value);

QByteArray Create_Erase(uint32_t address);
QByteArray Create_Reset();
// The write packet for a data record at upper address upper: program memory (padded
// to whole blocks) up to upper 30, the other memories from 31 on.
QByteArray BuildDataPacket(const HexRecord& record, uint16_t upper);

// A packet taken back apart: the body and the checksum as sent.
struct UnframedPacket {
    QByteArray body;
    uint8_t checksum = 0;
    bool checksumMatches() const { return packetChecksum(body) == checksum; }
};

// Undoes framePacket: nothing when frame is not STX STX ... ETX with every STX, ETX
// and DLE inside preceded by DLE, or holds no checksum.
std::optional<UnframedPacket> unframePacket(const QByteArray& frame);

} // namespace dalto::firmware
