#pragma once

#include <cmath>
#include <limits>
#include <optional>

namespace dialix {

// The value of a knob and how the mouse turns it, without any widget.
// Pointer positions are in twips of the visible square; angles in radians,
// single precision. The pointer angle runs clockwise from 0 at 9 o'clock;
// the knob angle runs clockwise from 0 (value 0, indicator up) to the total
// angle of all turns (value = maximum).
class KnobMotion {
public:
    float minimum() const { return m_minimum; }
    float maximum() const { return m_maximum; }
    float value() const { return m_value; }
    int turns() const { return m_turns; }
    float totalAngle() const { return m_totalAngle; }
    bool dragging() const { return m_dragging; }

    // The highest value the user can turn to; at or above the maximum (the
    // default, infinity) the maximum is the end. Placing the knob by program
    // is not bound by it.
    float stop() const { return m_stop; }
    void setStop(float stop) { m_stop = stop; }

    void setMinimum(float minimum) { m_minimum = minimum; }
    void setMaximum(float maximum) { m_maximum = maximum; }
    void setTurns(int turns);
    void setCentre(int centreX, int centreY, int hitRadius);

    // A knob without range (maximum not finite or not positive, or turns not
    // positive) stays at angle and value 0 instead of dividing by zero or
    // producing an infinite value.
    float angleOfValue(float value) const;
    float valueOfAngle(float angle) const;
    float angleOfValue() const { return angleOfValue(m_value); }

    // Empty at the exact centre, where the pointer has no direction.
    std::optional<float> pointerAngle(double x, double y) const;

    // True when the press was inside the hit radius and started a drag.
    bool press(double x, double y);
    // The new knob angle, or empty when no drag is active or the pointer
    // angle did not change.
    std::optional<float> move(double x, double y);
    // True when a drag was active and has now ended.
    bool release();
    // Turns by angle (clockwise when positive) outside a drag, as a wheel
    // does: the new knob angle, or empty when nothing changed. Turning up
    // never passes the end and never lowers a value placed above it.
    std::optional<float> turnBy(float angle);
    // False (and nothing changed) when the value is not finite or outside
    // minimum..maximum.
    bool setPosition(float value);

private:
    bool hasRange() const { return std::isfinite(m_maximum) && m_maximum > 0.0f && m_totalAngle > 0.0f; }
    // The knob angle the user can turn to: that of the stop or of the maximum.
    float endAngle() const;
    int directionOfTurn(float angle) const;
    bool passedReference(float angle, int direction) const;

    float m_minimum = 0.0f;
    float m_maximum = 0.0f;
    float m_value = 0.0f;
    float m_stop = std::numeric_limits<float>::infinity();
    int m_turns = 0;
    float m_totalAngle = 0.0f;

    int m_centreX = 0;
    int m_centreY = 0;
    int m_hitRadius = 0;

    bool m_dragging = false;
    int m_previousDirection = 0; // of the last move; survives presses
    float m_baseAngle = 0.0f;      // knob angle at the start of the sweep
    float m_referenceAngle = 0.0f; // pointer angle at the start of the sweep
    float m_lastAngle = 0.0f;      // pointer angle of the last move that kept its direction
    int m_turnCounter = 0;         // full turns past the reference; -1 at a sweep's start
};

} // namespace dialix
