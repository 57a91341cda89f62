// The wheel over the knob (a hundredth of a turn per notch, a tenth with Shift,
// Change once it rests) and the stop a host puts below Max, for wheel and drag.
#include "KnobDriver.h"

#include <QApplication>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <cmath>

namespace {
constexpr double kUp = M_PI / 2.0;
constexpr int kNotch = 120;
// Max 100 over 10 turns: a turn is worth 10, a hundredth of one 0.1.
constexpr double kPerNotch = 0.1;
// Long enough for any rest of the wheel, even on a loaded machine.
constexpr int kRestWaitMs = 10000;

class KnobWheel : public ::testing::Test {
protected:
    KnobWheel() { driver.storeAsPanelKnob(); }

    void wheel(int eighths, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool horizontal = false)
    {
        QWidget& face = driver.face();
        const QPointF at(face.width() / 2.0, face.height() / 2.0);
        const QPoint delta = horizontal ? QPoint(eighths, 0) : QPoint(0, eighths);
        QWheelEvent event(at, face.mapToGlobal(at), QPoint(), delta, Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&face, &event);
    }

    KnobDriver driver;
    tavKnob& knob = driver.knob();
};

TEST_F(KnobWheel, NotchesTurnAHundredthOrWithShiftATenthOfATurnAndChangeComesOnceAtRest)
{
    knob.SetPositionNoEvent(50.0f);
    wheel(kNotch);
    wheel(kNotch);
    EXPECT_NEAR(knob.value(), 50 + 2 * kPerNotch, 1e-4);
    EXPECT_EQ(driver.scroll.count(), 2);
    EXPECT_EQ(driver.change.count(), 0);
    wheel(-kNotch, Qt::ShiftModifier);
    EXPECT_NEAR(knob.value(), 50 + 2 * kPerNotch - 1.0, 1e-4);
    // Shift may turn the wheel's motion sideways.
    wheel(kNotch, Qt::ShiftModifier, true);
    EXPECT_NEAR(knob.value(), 50 + 2 * kPerNotch, 1e-4);
    ASSERT_TRUE(driver.change.wait(kRestWaitMs));
    EXPECT_EQ(driver.change.count(), 1);
}

TEST_F(KnobWheel, FineWheelsAddUpToNotchesAndTheEndsHold)
{
    knob.SetPositionNoEvent(0.05f);
    wheel(kNotch / 2);
    EXPECT_EQ(driver.scroll.count(), 0);
    wheel(kNotch / 2);
    EXPECT_NEAR(knob.value(), 0.05 + kPerNotch, 1e-4);
    wheel(-3 * kNotch);
    EXPECT_EQ(knob.value(), 0.0f);

    knob.SetPositionNoEvent(99.95f);
    wheel(kNotch);
    EXPECT_EQ(knob.value(), 100.0f);
    const int scrolls = driver.scroll.count();
    wheel(kNotch); // at the end nothing moves and nothing is raised
    knob.setKnobEnabled(false);
    wheel(-kNotch);
    EXPECT_EQ(driver.scroll.count(), scrolls);
    EXPECT_EQ(knob.value(), 100.0f);
}

TEST_F(KnobWheel, TheStopHoldsWheelAndDragButNotThePanelsOwnPlacing)
{
    knob.setStop(12.0f);
    knob.SetPositionNoEvent(11.95f);
    wheel(kNotch, Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(knob.value(), 12.0f);

    driver.pressAt(kUp);
    driver.sweep(kUp, 3 * 2 * M_PI);
    EXPECT_FLOAT_EQ(knob.value(), 12.0f);
    driver.release();
    EXPECT_FLOAT_EQ(knob.value(), 12.0f);

    // Placed above the stop (the supply reported it), the wheel only lowers it.
    knob.SetPositionNoEvent(20.0f);
    EXPECT_FLOAT_EQ(knob.value(), 20.0f);
    wheel(kNotch);
    EXPECT_FLOAT_EQ(knob.value(), 20.0f);
    wheel(-kNotch);
    EXPECT_NEAR(knob.value(), 20 - kPerNotch, 1e-4);
}

} // namespace
