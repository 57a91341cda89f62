// What the panel tests do not reach: the step for each format, the gentler
// fastest rate in the calibration menu, and CLEAR's tracking when the pointer
// comes back onto the key or the space bar is used while the mouse holds it.
#include "panels/front/ArrowRepeat.h"
#include "panels/front/PushKeyTracker.h"

#include <gtest/gtest.h>

#include <vector>

using namespace dalto::front;

TEST(ArrowRepeat, StepsAndMultipliersByFormatAndMenu)
{
    EXPECT_FLOAT_EQ(StepFromFormat("0.0"), 0.101f);
    EXPECT_FLOAT_EQ(StepFromFormat("0.000"), 0.00101f);
    EXPECT_FLOAT_EQ(StepFromFormat("0."), 1.0f);
    EXPECT_FLOAT_EQ(StepFromFormat("0"), 1.0f);
    EXPECT_EQ(RepeatMultiplier(0.1, false), 13);
    EXPECT_EQ(RepeatMultiplier(0.1, true), 3);

    ArrowRepeat repeat;
    EXPECT_EQ(repeat.step(128, "0", false, true), 127.0f);
}

// Eleven single steps, then threefold from the 12th, then thirteenfold from the 32nd.
TEST(ArrowRepeat, SpeedsUpExactlyAfterTenAndAfterThirtySteps)
{
    EXPECT_EQ(RepeatMultiplier(0.25, false), 1);
    EXPECT_EQ(RepeatMultiplier(0.15, false), 3);
    ArrowRepeat repeat;
    float value = 0;
    std::vector<float> changes;
    for (int k = 0; k < 33; ++k) {
        const float next = repeat.step(value, "0", true, false);
        changes.push_back(next - value);
        value = next;
    }
    std::vector<float> expected(11, 1.0f);
    expected.insert(expected.end(), 20, 3.0f);
    expected.insert(expected.end(), 2, 13.0f);
    EXPECT_EQ(changes, expected);
}

TEST(PushKeyTracker, PointerComingBackAndSpaceWhileTheMouseHoldsTheKey)
{
    PushKeyTracker back;
    back.mouseDown(true);
    back.mouseMove(false);
    back.mouseMove(true);
    EXPECT_TRUE(back.mouseUp(true));

    PushKeyTracker held;
    held.mouseDown(true);
    EXPECT_FALSE(held.spaceUp());
    EXPECT_TRUE(held.pressed());
    EXPECT_TRUE(held.mouseUp(true));
}
