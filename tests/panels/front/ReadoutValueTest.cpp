// Read-out texts truncate to the display format; typed values are limited.
#include "panels/front/ReadoutValue.h"

#include <gtest/gtest.h>

using namespace dalto::front;

TEST(ReadoutValue, TruncatesToTheFormat)
{
    const struct {
        float value;
        const char* format;
        const char* shown;
    } cases[] = {
        {0.999f, "0.00", "0.99"},     {12.348f, "0.00", "12.34"}, {55.55f, "0.0", "55.5"},
        {5000.3f, "0.", "5000."},     {1.0f, "0.000", "1.000"},   {0.0f, "0.00", "0.00"},
        {12000.0f, "", "12000"}, // general form has no digit to drop
        {25.0f, "0", "25"},      {5.0f, "0", "5"},            {123.7f, "0", "123"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShowValueText(c.value, c.format), c.shown) << c.value << " " << c.format;
}

TEST(ReadoutValue, ClampLimitsAboveThenBelow)
{
    EXPECT_EQ(ClampValue("abc", 100, 5), 5.0f);
    EXPECT_EQ(ClampValue("1000", 110, 0), 110.0f);
    EXPECT_EQ(ClampValue("-3", 10, 0), 0.0f);
    EXPECT_EQ(ClampValue("12.5V", 15, 0), 12.5f);
    // A lower bound above the upper one wins, as the checks run in that order.
    EXPECT_EQ(ClampValue("50", 10, 20), 20.0f);
}
