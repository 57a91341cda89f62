// What the panel tests do not reach: the step for each format, the gentler
// fastest rate in the calibration menu, and CLEAR's tracking when the pointer
// comes back onto the key or the space bar is used while the mouse holds it.
#include "panels/front/ArrowRepeat.h"
#include "panels/front/PushKeyTracker.h"

#include <gtest/gtest.h>

using namespace dalto::front;

TEST(ArrowRepeat, StepsAndMultipliersByFormatAndMenu)
{
    EXPECT_FLOAT_EQ(StepFromFormat("0.0"), 0.101f);
    EXPECT_FLOAT_EQ(StepFromFormat("0.000"), 0.00101f);
    EXPECT_FLOAT_EQ(StepFromFormat("0."), 1.0f);
    EXPECT_FLOAT_EQ(StepFromFormat("0"), 1.0f);
    EXPECT_EQ(RepeatMultiplier(0.1, 9), 13);
    EXPECT_EQ(RepeatMultiplier(0.1, 10), 3);

    ArrowRepeat repeat;
    EXPECT_EQ(repeat.step(128, "0", false, 10), 127.0f);
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
