// The Calibration panel's rules without a window: which code opens which level,
// where the hardware revision stands in the network module's reply, and one step
// of a held Up or Down key.

#include "panels/tools/CalibrationRules.h"

#include <gtest/gtest.h>

using namespace dalto;

TEST(CalibrationRulesTest, OnlyTheExactCodesOpenALevel)
{
    EXPECT_EQ(AccessForCode("7351"), CalibrationAccess::Pots);
    EXPECT_EQ(AccessForCode("2468"), CalibrationAccess::Factory);
    for (const char* other : {"", "7351 ", " 2468", "1234", "24680"})
        EXPECT_EQ(AccessForCode(other), CalibrationAccess::None) << other;
    EXPECT_TRUE(OpensPots(CalibrationAccess::Factory));
    EXPECT_FALSE(OpensFactory(CalibrationAccess::Pots));
}

TEST(CalibrationRulesTest, HardwareRevisionIsTheTrimmedTextAfterItsMarker)
{
    EXPECT_EQ(HardwareRevisionIn("NET 1.2 Hardware Rev. C  "), QString("C"));
    EXPECT_EQ(HardwareRevisionIn("Hardware Rev."), QString());
    EXPECT_EQ(HardwareRevisionIn("NET 1.2 Hardware Rev C"), std::nullopt);
}

TEST(CalibrationRulesTest, AStepStaysWithinTheByteAndKeepsTheTextAtALimit)
{
    EXPECT_EQ(SteppedPot("254", true), "255");
    EXPECT_EQ(SteppedPot("255", true), "255");
    EXPECT_EQ(SteppedPot("0", false), "0");
    EXPECT_EQ(SteppedPot("128\r\n", false), "127");
    EXPECT_EQ(SteppedPot("12.5", true), "13") << "half to even, then one up";
    EXPECT_EQ(SteppedPot("abc", true), "1");
    EXPECT_EQ(SteppedPot("9e99", true), "9e99") << "a number too large for a pot is left alone";
}
