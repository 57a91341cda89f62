// The knob's value and angle arithmetic, without a widget.
#include "KnobMotion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using dialix::KnobMotion;

namespace {
constexpr int kCentre = 1000;

KnobMotion panelKnob()
{
    KnobMotion motion;
    motion.setMaximum(100.0f);
    motion.setTurns(10);
    motion.setCentre(kCentre, kCentre, 900);
    return motion;
}

TEST(KnobMotion, PointerAngleRunsClockwiseFromNineOClockIncludingTheCentreLines)
{
    const KnobMotion motion = panelKnob();
    const struct {
        double x, y, angle;
    } cases[] = {
        {500, 1000, 0.0},               {500, 500, M_PI / 4},      {1000, 500, M_PI / 2},
        {1000.4, 500, M_PI / 2},        {1500, 500, 3 * M_PI / 4}, {1500, 1000, M_PI},
        {1500, 1500, 5 * M_PI / 4},     {1000, 1500, 3 * M_PI / 2}, {999.6, 1500, 3 * M_PI / 2},
        {500, 1500, 7 * M_PI / 4},      {500, 1000.3, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "at " << c.x << ", " << c.y);
        const auto angle = motion.pointerAngle(c.x, c.y);
        ASSERT_TRUE(angle.has_value());
        EXPECT_NEAR(*angle, c.angle, 1e-6);
    }
    EXPECT_FALSE(motion.pointerAngle(kCentre, kCentre).has_value());
}

TEST(KnobMotion, TurnsSmoothlyThroughTheCentreLinesAndIgnoresTheCentre)
{
    KnobMotion motion = panelKnob();
    motion.setPosition(50.0f);
    ASSERT_TRUE(motion.press(500, kCentre)); // on the horizontal line
    const double points[][2] = {{600, 700}, {kCentre, 500}, {1300, 600}, {1500, kCentre}, {1400, 1300},
                                {kCentre, 1500}};
    float previous = motion.value();
    for (const auto& p : points) {
        ASSERT_TRUE(motion.move(p[0], p[1]).has_value());
        EXPECT_GT(motion.value(), previous);
        previous = motion.value();
    }
    EXPECT_NEAR(motion.value(), 57.5, 1e-4);
    EXPECT_FALSE(motion.move(kCentre, kCentre).has_value());
    EXPECT_FLOAT_EQ(motion.value(), previous);
}

TEST(KnobMotion, WithoutRangeEveryResultIsFinite)
{
    const float infinite = std::numeric_limits<float>::infinity();
    for (const auto& [max, turns] : {std::pair{0.0f, 10}, {100.0f, 0}, {-5.0f, 10}, {100.0f, -3}, {infinite, 10},
                                     {std::nanf(""), 10}}) {
        SCOPED_TRACE(testing::Message() << "Max " << max << ", Turns " << turns);
        KnobMotion motion = panelKnob();
        motion.setMaximum(max);
        motion.setTurns(turns);
        EXPECT_EQ(motion.angleOfValue(50.0f), 0.0f);
        EXPECT_EQ(motion.valueOfAngle(3.0f), 0.0f);
        ASSERT_TRUE(motion.press(500, 500));
        const auto angle = motion.move(1500, 500);
        ASSERT_TRUE(angle.has_value());
        EXPECT_EQ(*angle, 0.0f);
        EXPECT_EQ(motion.value(), 0.0f);
        EXPECT_FALSE(motion.setPosition(infinite));
        EXPECT_EQ(motion.value(), 0.0f);
    }
}

} // namespace
