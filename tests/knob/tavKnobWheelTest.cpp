// The wheel over the knob (a hundredth of a turn per notch, a tenth with Shift,
// Change once it rests) and the stop a host puts below Max, for wheel and drag.
#include "KnobDriver.h"

#include <QApplication>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <cmath>

namespace {
constexpr int kNotch = 120;
// Max 100 over 10 turns: a turn is worth 10, a hundredth of one 0.1.
constexpr double kPerNotch = 0.1;

class KnobWheel : public ::testing::Test {
protected:
    KnobWheel() { driver.storeAsPanelKnob(); }

    void wheel(int eighths, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool horizontal = false)
    {
        QWidget& face = driver.face();
        const QPointF at(face.width() / 2.0, face.height() / 2.0);
        QWheelEvent event(at, face.mapToGlobal(at), QPoint(), horizontal ? QPoint(eighths, 0) : QPoint(0, eighths),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&face, &event);
    }

    KnobDriver driver;
    tavKnob& knob = driver.knob();
};

TEST_F(KnobWheel, NotchesTurnAHundredthOrWithShiftATenthOfATurnAndChangeComesOnceAtRest)
{
    knob.SetPositionNoEvent(50.0f);
    wheel(kNotch / 2); // a fine wheel adds up to notches
    EXPECT_EQ(driver.scroll.count(), 0);
    wheel(kNotch / 2);
    wheel(kNotch);
    EXPECT_NEAR(knob.value(), 50 + 2 * kPerNotch, 1e-4);
    EXPECT_EQ(driver.scroll.count(), 2);
    wheel(-kNotch, Qt::ShiftModifier);
    EXPECT_NEAR(knob.value(), 50 + 2 * kPerNotch - 1.0, 1e-4);
    wheel(kNotch, Qt::ShiftModifier, true); // Shift may turn the motion sideways
    EXPECT_NEAR(knob.value(), 50 + 2 * kPerNotch, 1e-4);
    EXPECT_EQ(driver.change.count(), 0);
    ASSERT_TRUE(driver.change.wait(10000));
    EXPECT_EQ(driver.change.count(), 1);

    knob.setKnobEnabled(false);
    wheel(kNotch);
    EXPECT_NEAR(knob.value(), 50 + 2 * kPerNotch, 1e-4);
}

TEST_F(KnobWheel, TheEndsAndTheStopHoldWheelAndDragButNotThePanelsOwnPlacing)
{
    knob.SetPositionNoEvent(0.05f);
    wheel(-3 * kNotch);
    EXPECT_EQ(knob.value(), 0.0f);

    knob.setStop(12.0f);
    knob.SetPositionNoEvent(11.95f);
    wheel(kNotch, Qt::ShiftModifier);
    EXPECT_FLOAT_EQ(knob.value(), 12.0f);
    const int scrolls = driver.scroll.count();
    wheel(kNotch); // at the stop nothing moves and nothing is raised
    EXPECT_EQ(driver.scroll.count(), scrolls);

    driver.pressAt(M_PI / 2);
    driver.sweep(M_PI / 2, 3 * 2 * M_PI);
    driver.release();
    EXPECT_FLOAT_EQ(knob.value(), 12.0f);

    // Placed above the stop (the supply reported it), the wheel only lowers it.
    knob.SetPositionNoEvent(20.0f);
    wheel(kNotch);
    EXPECT_FLOAT_EQ(knob.value(), 20.0f);
    wheel(-kNotch);
    EXPECT_NEAR(knob.value(), 20 - kPerNotch, 1e-4);
}

} // namespace
