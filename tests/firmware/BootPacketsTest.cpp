#include "firmware/BootPackets.h"

#include <gtest/gtest.h>

using namespace dalto::firmware;

namespace {
HexRecord dataRecord(uint16_t address, const QByteArray& data)
{
    HexRecord record;
    record.address = address;
    record.addressText = QString::number(address, 16).rightJustified(4, QLatin1Char('0'));
    record.data = data;
    return record;
}
} // namespace

TEST(BootPackets, EraseAndResetGoOutByteForByte)
{
    EXPECT_EQ(Create_Erase(0x200).toHex(' '), "0f 0f 02 ff 00 02 00 fd 04");
    EXPECT_EQ(Create_Reset().toHex(' '), "0f 0f 05 04 fc 04");
    EXPECT_EQ(OneByte(STX).toHex(), "0f");
}

TEST(BootPackets, ProgramMemoryRecordIsPaddedToWholeBlocksAndEscaped)
{
    // Five bytes, one of them STX: one block of eight, n = 1, the STX behind DLE.
    const QByteArray packet = BuildDataPacket(dataRecord(0x1234, QByteArray::fromHex("0f11223344")), 2);
    const QByteArray body = QByteArray::fromHex("0101341202" "0f11223344000000");
    EXPECT_EQ(packet, QByteArray::fromHex("0f0f") + QByteArray::fromHex("0101341202" "050f11223344000000")
                          + char(packetChecksum(body)) + char(ETX));
    const auto unframed = unframePacket(packet);
    ASSERT_TRUE(unframed);
    EXPECT_EQ(unframed->body, body);
    EXPECT_TRUE(unframed->checksumMatches());

    // Exactly one block needs no padding; nine bytes need two blocks.
    EXPECT_EQ(unframePacket(BuildDataPacket(dataRecord(0x10, QByteArray(8, 1)), 0))->body.size(), 5 + 8);
    EXPECT_EQ(unframePacket(BuildDataPacket(dataRecord(0x10, QByteArray(9, 1)), 0))->body.mid(1, 1), "\x02");
}

TEST(BootPackets, EveryControlByteIsEscapedWhereverItStandsAndNoOtherByteIs)
{
    struct Case {
        const char* what;
        HexRecord record;
        uint16_t upper;
        QByteArray line; // the packet on the line, in hexadecimal
    };
    const Case cases[] = {
        // The address low byte is chosen so that the checksum equals the data byte.
        {"data and checksum 04", dataRecord(0x00F6, "\x04"), 0, "0f0f0101f6000005040000000000000005" "0404"},
        {"data and checksum 05", dataRecord(0x00F4, "\x05"), 0, "0f0f0101f4000005050000000000000005" "0504"},
        {"data and checksum 0F", dataRecord(0x00E0, "\x0f"), 0, "0f0f0101e00000050f0000000000000005" "0f04"},
        {"all three address bytes", dataRecord(0x0F05, QByteArray(8, '\0')), 4,
         "0f0f01010505050f0504" "0000000000000000" "e604"},
        {"block count 05", dataRecord(0x0010, QByteArray(40, '\0')), 0,
         "0f0f01" "0505" "100000" + QByteArray(80, '0') + "ea04"},
        {"byte count 04", dataRecord(0x0010, QByteArray::fromHex("aabbccdd")), 31, "0f0f03" "0504" "10001f" "aabbccdd" "bc04"},
        {"the neighbours 03 06 0E 10", dataRecord(0x0200, QByteArray::fromHex("03060e10")), 0,
         "0f0f0101000200" "03060e1000000000" "d504"},
    };
    for (const Case& c : cases) {
        const QByteArray packet = BuildDataPacket(c.record, c.upper);
        EXPECT_EQ(packet.toHex(), c.line) << c.what;
        const auto unframed = unframePacket(packet);
        ASSERT_TRUE(unframed) << c.what;
        EXPECT_TRUE(unframed->checksumMatches()) << c.what;
    }
}

TEST(BootPackets, OtherMemoryFromUpperAddress31TakesTheRecordUnpadded)
{
    const auto unframed = unframePacket(BuildDataPacket(dataRecord(0x0010, QByteArray::fromHex("aabbcc")), 31));
    ASSERT_TRUE(unframed);
    EXPECT_EQ(unframed->body, QByteArray::fromHex("0303" "10001f" "aabbcc"));
    EXPECT_EQ(unframePacket(BuildDataPacket(dataRecord(0x0010, QByteArray::fromHex("aa")), 30))->body.left(2),
              QByteArray::fromHex("0101"));
}

TEST(BootPackets, UnframingRefusesBrokenFrames)
{
    EXPECT_FALSE(unframePacket(QByteArray::fromHex("0f0f04")));       // no checksum
    EXPECT_FALSE(unframePacket(QByteArray::fromHex("0f0f0104fb04")));  // bare ETX inside
    EXPECT_FALSE(unframePacket(QByteArray::fromHex("0f0f010501fe04"))); // DLE before a plain byte
    EXPECT_FALSE(unframePacket(QByteArray::fromHex("0f0f01ff05")));    // no ETX at the end
    EXPECT_FALSE(unframePacket(QByteArray::fromHex("0f0f010504")));    // DLE escapes the final ETX
}
