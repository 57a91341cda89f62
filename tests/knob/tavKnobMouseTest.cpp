// Turning the knob with the mouse on its visible square.
#include "KnobDriver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace {
constexpr double kUp = M_PI / 2.0;
constexpr double kFullTurn = 2.0 * M_PI;
// One turn of a panel knob (Max 100, Turns 10) is worth 10.
constexpr double kPerTurn = 10.0;
// Pixel positions put the pointer within about half a degree of the aim.
constexpr double kAngleSlack = kPerTurn * 0.01;

class KnobMouse : public ::testing::Test {
protected:
    KnobMouse() { driver.storeAsPanelKnob(); }
    KnobDriver driver;
    tavKnob& knob = driver.knob();
};

TEST_F(KnobMouse, FullClockwiseTurnAddsOneTurnsWorth)
{
    knob.SetPositionNoEvent(20.0f);
    driver.pressAt(kUp);
    driver.sweep(kUp, kFullTurn);
    // Back on the very pixel of the press: a whole turn, not none.
    EXPECT_NEAR(knob.value(), 30.0, 1e-3);
    driver.sweep(kUp, kFullTurn / 4.0);
    EXPECT_NEAR(knob.value(), 32.5, kAngleSlack);
    driver.release();
    EXPECT_NEAR(knob.value(), 32.5, kAngleSlack);
}

TEST_F(KnobMouse, AnticlockwiseTurnsSubtract)
{
    knob.SetPositionNoEvent(50.0f);
    driver.pressAt(0.3);
    driver.sweep(0.3, -2.5 * kFullTurn);
    driver.release();
    EXPECT_NEAR(knob.value(), 25.0, kAngleSlack);
}

TEST_F(KnobMouse, EndStopsHoldAndTurningBackLeavesThemAtOnce)
{
    knob.SetPositionNoEvent(95.0f);
    driver.pressAt(kUp);
    driver.sweep(kUp, 1.5 * kFullTurn);
    EXPECT_FLOAT_EQ(knob.value(), 100.0f);

    // The first move back only marks the reversal; the next one lowers the value.
    const double stop = std::fmod(kUp + 1.5 * kFullTurn, kFullTurn);
    driver.moveTo(stop - 0.1);
    driver.moveTo(stop - 0.2);
    EXPECT_NEAR(knob.value(), 100.0 - kPerTurn * 0.1 / kFullTurn, kAngleSlack);
    driver.release();

    knob.SetPositionNoEvent(5.0f);
    driver.pressAt(kUp);
    driver.sweep(kUp, -kFullTurn);
    EXPECT_FLOAT_EQ(knob.value(), 0.0f);
    driver.moveTo(kUp + 0.1);
    driver.moveTo(kUp + 0.2);
    EXPECT_NEAR(knob.value(), kPerTurn * 0.1 / kFullTurn, kAngleSlack);
}

TEST(KnobSeam, CrossingNineOClockKeepsTheDirection)
{
    const double justBelowFullTurn = kFullTurn - 0.2;
    const double seamStep = 0.4 / kFullTurn * kPerTurn;
    // Fresh knobs: the first move of a drag against the previous drag's
    // direction only marks a reversal.
    for (const auto& [from, to, expected] : {std::tuple{justBelowFullTurn, 0.2, 50.0 + seamStep},
                                             std::tuple{0.2, justBelowFullTurn, 50.0 - seamStep}}) {
        SCOPED_TRACE(testing::Message() << "from " << from << " to " << to);
        KnobDriver driver;
        driver.storeAsPanelKnob();
        driver.knob().SetPositionNoEvent(50.0f);
        driver.pressAt(from);
        driver.moveTo(to);
        EXPECT_NEAR(driver.knob().value(), expected, kAngleSlack);
    }
}

TEST_F(KnobMouse, SweepThroughTheReferenceAtTheSeamCountsTheTurn)
{
    // Pressed just below 2 pi, the reference is passed again in the same
    // move that crosses 9 o'clock.
    knob.SetPositionNoEvent(10.0f);
    driver.pressAt(kFullTurn - 0.05);
    driver.sweep(kFullTurn - 0.05, kFullTurn - 0.3);
    driver.moveTo(0.1);
    EXPECT_NEAR(knob.value(), 10.0 + kPerTurn * (1.0 + 0.15 / kFullTurn), kAngleSlack);
}

TEST_F(KnobMouse, PressOutsideTheHitRadiusStartsNothing)
{
    // Towards a corner of the square, just outside the circle.
    knob.SetPositionNoEvent(40.0f);
    driver.pressAt(driver.pointAt(0.8, 1.05));
    driver.moveTo(kUp + 1.0);
    driver.release();
    EXPECT_EQ(driver.scroll.count(), 0);
    EXPECT_EQ(driver.change.count(), 0);
    EXPECT_FLOAT_EQ(knob.value(), 40.0f);

    driver.pressAt(driver.pointAt(0.8, 0.95));
    EXPECT_EQ(driver.scroll.count(), 1);
    EXPECT_FLOAT_EQ(knob.value(), 40.0f) << "a press alone does not move the knob";
}

TEST_F(KnobMouse, MoveWithoutAngleChangeRaisesNothing)
{
    knob.SetPositionNoEvent(40.0f);
    driver.pressAt(1.0);
    driver.moveTo(1.0);
    EXPECT_EQ(driver.scroll.count(), 1) << "only the press";
    EXPECT_FLOAT_EQ(knob.value(), 40.0f);
    driver.moveTo(1.3);
    EXPECT_EQ(driver.scroll.count(), 2);
}

TEST_F(KnobMouse, OneChangePerReleaseAndNoneWithoutADrag)
{
    driver.release();
    EXPECT_EQ(driver.change.count(), 0);

    driver.pressAt(kUp);
    driver.sweep(kUp, 1.0);
    EXPECT_EQ(driver.change.count(), 0);
    driver.release();
    driver.release();
    EXPECT_EQ(driver.change.count(), 1);
}

TEST_F(KnobMouse, DisabledKnobIgnoresTheMouseButNotTheProgram)
{
    knob.setProperty("Enabled", false);
    driver.pressAt(kUp);
    driver.sweep(kUp, 1.0);
    driver.release();
    EXPECT_EQ(driver.scroll.count(), 0);
    EXPECT_EQ(driver.change.count(), 0);

    knob.setProperty("Value", 12.0f);
    EXPECT_FLOAT_EQ(knob.value(), 12.0f);
    knob.SetPositionNoEvent(13.0f);
    EXPECT_FLOAT_EQ(knob.value(), 13.0f);

    // Disabled in the middle of a drag freezes it.
    knob.setProperty("Enabled", true);
    driver.pressAt(kUp);
    knob.setProperty("Enabled", false);
    driver.sweep(kUp, 1.0);
    driver.release();
    EXPECT_FLOAT_EQ(knob.value(), 13.0f);
    EXPECT_EQ(driver.change.count(), 1) << "only the Value assignment";
}

} // namespace
