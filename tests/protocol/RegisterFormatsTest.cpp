#include "protocol/RegisterFormats.h"

#include <gtest/gtest.h>

using namespace dalto;

TEST(RegisterFormats, BinaryGroupsNibblesMostSignificantFirst)
{
    EXPECT_EQ(FormatBinary(165, 0), "1010 0101");
    EXPECT_EQ(FormatBinary(165, -1), "0000 0000 1010 0101");
    EXPECT_EQ(FormatBinary(0x8001, 1), "1000 0000 0000 0001");
    // Only the bits asked for are shown, whatever lies above them.
    EXPECT_EQ(FormatBinary(0x1FF, 0), "1111 1111");
    EXPECT_EQ(FormatBinary(-1, -1), "1111 1111 1111 1111");
}

TEST(RegisterFormats, Hex16ShowsTheLowSixteenBitsInTwoGroups)
{
    EXPECT_EQ(FormatHex16(0x1A5), "01 A5");
    EXPECT_EQ(FormatHex16(0), "00 00");
    EXPECT_EQ(FormatHex16(0x12345), "23 45");
    EXPECT_EQ(FormatHex16(-1), "FF FF");
}

TEST(RegisterFormats, ParseBinaryReadsWhatFormatBinaryWrites)
{
    for (int32_t value : {0, 1, 165, 0x5A5A, 0xFFFF})
        EXPECT_EQ(ParseBinary(FormatBinary(value, -1)), value) << value;
    EXPECT_EQ(ParseBinary("  1 1  "), 3);
    EXPECT_EQ(ParseBinary(""), 0);
}

TEST(RegisterFormats, ParseBinaryRejectsDigitsAboveOneAndOverlongEntries)
{
    EXPECT_EQ(ParseBinary("10 2"), 0);
    EXPECT_EQ(ParseBinary("1111 9"), 0);
    // 33 ones do not fit in a 32-bit register value.
    EXPECT_EQ(ParseBinary(QString(33, QLatin1Char('1'))), 0);
    EXPECT_EQ(ParseBinary(QString(31, QLatin1Char('1'))), INT32_MAX);
}
