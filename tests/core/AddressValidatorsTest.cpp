#include "core/Configuration.h"

#include <gtest/gtest.h>

using namespace dalto;

TEST(IsValidIpAddress, AcceptsFourDecimalPartsUpTo255)
{
    for (const char* good : {"192.168.0.1", "0.0.0.0", "255.255.255.255", "10.0.0.05"})
        EXPECT_TRUE(IsValidIpAddress(good)) << good;
    for (const char* bad : {"", "192.168.0", "1.2.3.4.5", "256.1.1.1", "1.2.3.-1", "1..2.3", "a.b.c.d",
                            "1e2.0.0.1", "&HFF.0.0.1", " 1.2.3.4", "1.2.3.4 ", "1.2.3.4000", "+1.2.3.4"})
        EXPECT_FALSE(IsValidIpAddress(bad)) << '"' << bad << '"';
}

TEST(IsValidHostName, AllowsLettersDigitsAndHyphensAndOptionallyDotsAndUnderscores)
{
    EXPECT_TRUE(IsValidHostName("psu-01", false));
    EXPECT_TRUE(IsValidHostName("PSU01", false));
    EXPECT_TRUE(IsValidHostName("bench.lab_2", true));
    EXPECT_FALSE(IsValidHostName("bench.lab", false));
    EXPECT_FALSE(IsValidHostName("bench_2", false));
    EXPECT_FALSE(IsValidHostName("", true));
    EXPECT_FALSE(IsValidHostName("", false));
    for (const char* bad : {"psu 1", "psu/1", "psü", "psu:80"})
        EXPECT_FALSE(IsValidHostName(bad, true)) << bad;
}

TEST(IsValidHostName, RejectsAnAllDigitNameOnlyWithoutDots)
{
    EXPECT_FALSE(IsValidHostName("12345", false));
    EXPECT_TRUE(IsValidHostName("12345", true));
    EXPECT_TRUE(IsValidHostName("123a", false));
}
