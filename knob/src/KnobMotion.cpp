#include "KnobMotion.h"

#include "KnobAngles.h"
#include "Twips.h"

#include <algorithm>
#include <cmath>

namespace dialix {

namespace {
// Window either side of the 9 o'clock seam, within which a jump between just
// below 2 pi and just above 0 counts as crossing it rather than as a sweep
// the other way round. Single-precision values of pi/6, 11 pi/6 and 2 pi.
constexpr float kSeamLow = 0.5235988f;
constexpr float kSeamHigh = 5.759587f;
constexpr float kFullTurn = 6.2831855f;

bool justAboveSeam(float angle) { return angle >= 0.0f && angle < kSeamLow; }
bool justBelowSeam(float angle) { return angle > kSeamHigh && angle < kFullTurn; }
} // namespace

void KnobMotion::setTurns(int turns)
{
    m_turns = turns;
    m_totalAngle = kTwoPi * static_cast<float>(turns);
}

void KnobMotion::setCentre(int centreX, int centreY, int hitRadius)
{
    m_centreX = centreX;
    m_centreY = centreY;
    m_hitRadius = hitRadius;
}

float KnobMotion::angleOfValue(float value) const
{
    if (!hasRange())
        return 0.0f;
    return static_cast<float>(static_cast<double>(m_totalAngle) * value / m_maximum);
}

float KnobMotion::valueOfAngle(float angle) const
{
    if (!hasRange())
        return 0.0f;
    return static_cast<float>(static_cast<double>(angle) / m_totalAngle * m_maximum);
}

std::optional<float> KnobMotion::pointerAngle(double x, double y) const
{
    const int dx = roundToInt(x - m_centreX);
    const int dy = roundToInt(y - m_centreY);
    // On the lines through the centre the arctangent has no quadrant (or no
    // quotient); take its limits there so that the angle stays in 0..2 pi.
    if (dx == 0 && dy == 0)
        return std::nullopt;
    if (dy == 0)
        return dx < 0 ? 0.0f : kPi;
    if (dx == 0)
        return dy < 0 ? kHalfPi : kPi + kHalfPi;

    const double a = std::atan(static_cast<double>(dy) / dx);
    if (dx > 0) // upper and lower right
        return static_cast<float>(a + kPi);
    if (dy > 0) // lower left
        return static_cast<float>(a + kTwoPi);
    return static_cast<float>(a); // upper left
}

bool KnobMotion::press(double x, double y)
{
    const double dx = roundToInt(x - m_centreX);
    const double dy = roundToInt(y - m_centreY);
    if (std::sqrt(dx * dx + dy * dy) > m_hitRadius)
        return false;

    const float angle = pointerAngle(x, y).value_or(0.0f);
    m_referenceAngle = angle;
    m_lastAngle = angle;
    m_turnCounter = -1;
    m_dragging = true;
    m_baseAngle = angleOfValue();
    return true;
}

int KnobMotion::directionOfTurn(float angle) const
{
    if (angle > m_lastAngle)
        return justBelowSeam(angle) && justAboveSeam(m_lastAngle) ? -1 : +1;
    return justAboveSeam(angle) && justBelowSeam(m_lastAngle) ? +1 : -1;
}

bool KnobMotion::passedReference(float angle, int direction) const
{
    // Whether the reference lies on the arc the pointer just swept, counting
    // its start. That arc wraps at the seam when the pointer crossed it, and
    // the reference may lie on either side of 2 pi then.
    const float ref = m_referenceAngle;
    if (direction > 0) {
        if (angle < m_lastAngle) // crossed the seam forwards
            return ref >= m_lastAngle || ref < angle;
        return ref >= m_lastAngle && ref < angle;
    }
    if (angle > m_lastAngle) // crossed the seam backwards
        return ref <= m_lastAngle || ref > angle;
    return ref <= m_lastAngle && ref > angle;
}

std::optional<float> KnobMotion::move(double x, double y)
{
    if (!m_dragging)
        return std::nullopt;
    const std::optional<float> pointer = pointerAngle(x, y);
    if (!pointer || *pointer == m_lastAngle)
        return std::nullopt;
    const float angle = *pointer;

    const int direction = directionOfTurn(angle);
    if (passedReference(angle, direction))
        ++m_turnCounter;

    const bool reversed = m_previousDirection != 0 && m_previousDirection != direction;
    float delta = 0.0f;
    if (reversed) {
        // A new sweep starts where the user turned back.
        m_turnCounter = 0;
        m_baseAngle = angleOfValue();
        m_referenceAngle = angle;
    } else {
        m_lastAngle = angle;
        delta = angle - m_referenceAngle;
    }

    // Back exactly on the reference angle within a sweep means a whole turn
    // (the counter only moves once the pointer is past the reference), not
    // none: releasing there must not lose or gain a turn.
    const bool wholeTurn = delta == 0.0f && !reversed;
    if (direction > 0 && (delta < 0.0f || wholeTurn))
        delta += kTwoPi;
    if (direction < 0 && (delta > 0.0f || wholeTurn))
        delta -= kTwoPi;

    const float turnsAngle = kTwoPi * static_cast<float>(m_turnCounter);
    float knobAngle = direction > 0 ? m_baseAngle + delta + turnsAngle : m_baseAngle + delta - turnsAngle;
    const float end = endAngle();
    if (knobAngle >= end)
        knobAngle = end;
    if (knobAngle <= 0.0f)
        knobAngle = 0.0f;

    if (reversed)
        m_turnCounter = -1;
    m_previousDirection = direction;
    m_value = valueOfAngle(knobAngle);
    return knobAngle;
}

float KnobMotion::endAngle() const
{
    if (!hasRange())
        return 0.0f;
    return m_stop < m_maximum ? std::max(angleOfValue(m_stop), 0.0f) : m_totalAngle;
}

std::optional<float> KnobMotion::turnBy(float angle)
{
    if (m_dragging || !hasRange())
        return std::nullopt;
    const float from = angleOfValue();
    float to = std::max(from + angle, 0.0f);
    if (angle > 0.0f)
        to = std::min(to, std::max(endAngle(), from));
    const float value = valueOfAngle(to);
    if (value == m_value)
        return std::nullopt;
    m_value = value;
    m_baseAngle = to;
    return to;
}

bool KnobMotion::release()
{
    if (!m_dragging)
        return false;
    if (m_value > m_maximum)
        m_value = m_maximum;
    m_dragging = false;
    m_baseAngle = angleOfValue();
    return true;
}

bool KnobMotion::setPosition(float value)
{
    if (!std::isfinite(value) || !(value <= m_maximum) || !(value >= m_minimum))
        return false;
    m_value = value;
    m_baseAngle = angleOfValue();
    return true;
}

} // namespace dialix
