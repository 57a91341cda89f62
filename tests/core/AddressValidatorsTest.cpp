#include "core/Configuration.h"

#include <gtest/gtest.h>

using namespace dalto;

TEST(IsValidIpAddress, AcceptsFourDecimalPartsUpTo255)
{
    for (const char* good : {"192.168.0.1", "0.0.0.0", "255.255.0.255", "10.0.0.05"})
        EXPECT_TRUE(IsValidIpAddress(good)) << good;
    for (const char* bad : {"", "192.168.0", "1.2.3.4.5", "256.1.1.1", "1.2.3.-1", "1..2.3", "a.b.c.d",
                            "1e2.0.0.1", "&HFF.0.0.1", " 1.2.3.4", "1.2.3.4000", "+1.2.3.4"})
        EXPECT_FALSE(IsValidIpAddress(bad)) << '"' << bad << '"';
}

TEST(IsValidHostName, AllowsLettersDigitsHyphensAndOptionallyDotsAndUnderscores)
{
    const std::tuple<const char*, bool, bool> cases[] = {
        // name, dots and underscores allowed, valid
        {"psu-01", false, true},  {"PSU01", false, true},      {"bench.lab_2", true, true},
        {"bench.lab", false, false}, {"bench_2", false, false}, {"", true, false},
        {"psu 1", true, false},   {"psu:80", true, false},     {"psü", true, false},
        {"12345", false, false},  {"12345", true, true},       {"123a", false, true},
    };
    for (const auto& [name, dots, valid] : cases)
        EXPECT_EQ(IsValidHostName(name, dots), valid) << '"' << name << "\" " << dots;
}
