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

TEST(BootPackets, AChecksumThatIsAControlByteIsEscapedToo)
{
    // Body 01 01 EF 00 00 and eight zeros: sum 0xF1, checksum 0x0F.
    const HexRecord record = dataRecord(0x00EF, QByteArray(8, '\0'));
    const QByteArray packet = BuildDataPacket(record, 0);
    EXPECT_TRUE(packet.endsWith(QByteArray::fromHex("050f04")));
    EXPECT_EQ(unframePacket(packet)->checksum, 0x0F);
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
