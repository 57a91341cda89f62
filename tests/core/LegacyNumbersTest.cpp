#include "core/LegacyNumbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace dalto::legacy;

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfTheText)
{
    const std::pair<const char*, double> cases[] = {
        {"1e1", 10},       {"1D2", 100},   {"abc", 0},     {"", 0},         {"12abc", 12},
        {" 1 2\t3", 123},  {"\n-3.5x", -3.5}, {".5", 0.5}, {"+7", 7},       {"--5", 0},
        {"4,Modulation", 4}, {"-1,X", -1}, {"1e", 1},     {"1e+2x", 100}, {"2.5e-1", 0.25},
        {"1.2.3", 1.2},    {"12\r\n", 12},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(text), expected) << '"' << text << '"';
}

TEST(LeadingNumber, ReadsHexadecimalAndOctalAsSigned32Bit)
{
    EXPECT_EQ(leadingNumber("&H1F"), 31);
    EXPECT_EQ(leadingNumber("&hff&"), 255);
    EXPECT_EQ(leadingNumber("&HFFFFFFFF"), -1);
    EXPECT_EQ(leadingNumber("&H7FFFFFFF"), 2147483647);
    EXPECT_EQ(leadingNumber("&O17"), 15);
    EXPECT_EQ(leadingNumber("&H123456789"), 4886718345.0) << "beyond 32 bits the plain value";
    EXPECT_EQ(leadingNumber("&X12"), 0);
    EXPECT_TRUE(std::isinf(leadingNumber("1e400")));
}

TEST(HexLong, ReadsProtocolFieldsAsSigned32BitAndReportsOverflow)
{
    EXPECT_EQ(hexLong("1388"), 5000);
    EXPECT_EQ(hexLong(" 1adb0\r\n"), 110000);
    EXPECT_EQ(hexLong("FFFFFFFF"), -1);
    EXPECT_EQ(hexLong("80000000"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(hexLong("7fffffff"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(hexLong("0FFFFFFFF"), -1) << "the \"&H0\" prefix of status fields";
    EXPECT_EQ(hexLong("12G4"), 0x12);
    EXPECT_EQ(hexLong(""), 0);
    EXPECT_FALSE(hexLong("100000000")) << "overflow";
    EXPECT_FALSE(hexLong("FFFFFFFFF"));
}

TEST(Rounding, HalvesGoToTheEvenNeighbourAndOverflowGivesNoValue)
{
    const std::pair<double, int> cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-2.5, -2},
                                            {-3.5, -4}, {2.4999, 2}, {2.5001, 3}, {-0.4, 0}};
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(toInteger(value), expected) << value;
        EXPECT_EQ(toLong(value), expected) << value;
    }
    EXPECT_EQ(toInteger(32767.4), 32767);
    EXPECT_FALSE(toInteger(32767.5));
    EXPECT_EQ(toInteger(-32768.5), -32768);
    EXPECT_FALSE(toInteger(-32769));
    EXPECT_EQ(toLong(2147483646.5), 2147483646);
    EXPECT_FALSE(toLong(2147483647.5));
    EXPECT_EQ(toLong(-2147483648.5), std::numeric_limits<int32_t>::min());
    EXPECT_FALSE(toLong(1e10));
    EXPECT_FALSE(toLong(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_FALSE(toInteger(std::numeric_limits<double>::infinity()));
}

TEST(Format, PatternsGiveTheirDecimalsAndRoundHalvesAwayFromZero)
{
    const std::tuple<double, const char*, const char*> cases[] = {
        {1.2345, "0.000", "1.235"},  {2.675, "0.00", "2.68"},    {-2.675, "0.00", "-2.68"},
        {15, "0.", "15."},           {0.4, "0.", "0."},          {9.9999, "0.000", "10.000"},
        {5, "00", "05"},             {-5, "00", "-05"},          {123, "00", "123"},
        {2.5, "0", "3"},             {16.5, "0.0", "16.5"},      {0, "0.000", "0.000"},
        {-0.0004, "0.000", "0.000"}, {-0.0005, "0.000", "-0.001"}, {1.5, "0.0#", "1.5"},
        {1.254, "0.0#", "1.25"},     {0.05, "#.##", ".05"},      {7, "000", "007"},
        {double(1234.5678f), "0.0", "1234.6"}, {double(1.234f), "0.000", "1.234"},
        {99999.95, "0.0", "100000.0"},
    };
    for (const auto& [value, pattern, expected] : cases)
        EXPECT_EQ(format(value, pattern), expected) << value << " with \"" << pattern << '"';
}

TEST(Format, EmptyPatternGivesTheShortestSingleText)
{
    EXPECT_EQ(format(16.5, ""), "16.5");
    EXPECT_EQ(format(double(0.1f), ""), "0.1");
    EXPECT_EQ(format(1.0 / 3.0, ""), "0.33333334");
    EXPECT_EQ(format(100000, ""), "100000");
    EXPECT_EQ(format(-2.5, ""), "-2.5");
    EXPECT_EQ(format(0, ""), "0");
}

TEST(Hex, WritesUpperCaseTwosComplement)
{
    EXPECT_EQ(hex(255), "FF");
    EXPECT_EQ(hex(0), "0");
    EXPECT_EQ(hex(-1), "FFFFFFFF");
    EXPECT_EQ(hex(0x1ADB0), "1ADB0");
}
