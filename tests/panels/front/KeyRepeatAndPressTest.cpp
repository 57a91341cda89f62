// The arrow keys' repeat and the CLEAR key's press tracking, and the simulated
// status word that START and STOP keep.
#include "panels/front/ArrowRepeat.h"
#include "panels/front/PushKeyTracker.h"
#include "panels/front/SimulatedStatus.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace dalto::front;

TEST(ArrowRepeat, HeldUpFromOneMovesOneThenThreeThenThirteenDigits)
{
    ArrowRepeat repeat;
    float value = 1.00f;
    std::vector<int> digits;
    std::vector<double> delays;
    for (int i = 0; i < 35; ++i) {
        const float next = repeat.step(value, "0.00", true, 7);
        digits.push_back(int(std::lround((next - value) * 100)));
        delays.push_back(repeat.delay());
        value = next;
    }
    for (int i = 0; i < 35; ++i) {
        const int expected = i < 11 ? 1 : i < 31 ? 3 : 13;
        const double delay = i < 11 ? 0.25 : i < 31 ? 0.15 : 0.1;
        EXPECT_EQ(digits[size_t(i)], expected) << "step " << i + 1;
        EXPECT_DOUBLE_EQ(delays[size_t(i)], delay) << "step " << i + 1;
    }
    // 11 x 0.01 + 20 x 0.03 + 4 x 0.13, shown exactly as the format rounds it.
    EXPECT_FLOAT_EQ(value, 2.23f);
}

TEST(ArrowRepeat, StepsAndMultipliersByFormatAndMenu)
{
    EXPECT_FLOAT_EQ(StepFromFormat("0.0"), 0.101f);
    EXPECT_FLOAT_EQ(StepFromFormat("0.000"), 0.00101f);
    EXPECT_FLOAT_EQ(StepFromFormat("0."), 1.0f);
    EXPECT_FLOAT_EQ(StepFromFormat("0"), 1.0f);
    EXPECT_EQ(RepeatMultiplier(0.1, 9), 13);
    EXPECT_EQ(RepeatMultiplier(0.1, 10), 3);

    // Down from a pot value in the calibration menu, whole steps.
    ArrowRepeat repeat;
    EXPECT_EQ(repeat.step(128, "0", false, 10), 127.0f);
}

TEST(PushKeyTracker, ActsOnceOnReleaseOverTheKey)
{
    PushKeyTracker click;
    EXPECT_FALSE(click.mouseDown(true));
    EXPECT_TRUE(click.pressed());
    EXPECT_TRUE(click.mouseUp(true));
    EXPECT_FALSE(click.pressed());

    PushKeyTracker slidOff;
    slidOff.mouseDown(true);
    EXPECT_FALSE(slidOff.mouseMove(false));
    EXPECT_FALSE(slidOff.pressed());
    EXPECT_FALSE(slidOff.mouseUp(false));

    PushKeyTracker back;
    back.mouseDown(true);
    back.mouseMove(false);
    back.mouseMove(true);
    EXPECT_TRUE(back.mouseUp(true));

    PushKeyTracker releasedOutside;
    releasedOutside.mouseDown(true);
    EXPECT_FALSE(releasedOutside.mouseUp(false));
}

TEST(PushKeyTracker, SpaceBarActsOnceUnlessTheMouseHoldsTheKey)
{
    PushKeyTracker key;
    EXPECT_FALSE(key.spaceDown());
    EXPECT_FALSE(key.spaceDown()); // auto-repeat of the held bar
    EXPECT_TRUE(key.spaceUp());
    EXPECT_FALSE(key.spaceUp());

    key.mouseDown(true);
    EXPECT_FALSE(key.spaceUp());
    EXPECT_TRUE(key.pressed());
    EXPECT_TRUE(key.mouseUp(true));
}

TEST(SimulatedStatus, StartThenStopReturnsToTheLoadWord)
{
    const int32_t started = SimStatusAfterStart(SimStatusAtLoad);
    EXPECT_EQ(started, 8 | 0x80 | 0x100);
    EXPECT_EQ(SimStatusAfterStop(started), SimStatusAtLoad);
    EXPECT_EQ(SimStatusAfterStop(started | 0x400 | 0x200), SimStatusAtLoad | 0x200);
}
