#pragma once

#include <dialix/tavKnob.h>

#include <QPoint>
#include <QSignalSpy>

#include <memory>

// Drives a tavKnob through mouse events on its pctKnob, by pointer angle
// (0 at 9 o'clock, clockwise, radians) rather than by pixel.
class KnobDriver {
    std::unique_ptr<tavKnob> m_knob;

public:
    explicit KnobDriver(int side = 300);

    tavKnob& knob() { return *m_knob; }
    QWidget& face() const;

    // Reads the knob from a bag as a panel's stored knob: Max 100, Turns 10.
    void storeAsPanelKnob(int turns = 10, bool slot = false);

    QPoint pointAt(double pointerAngle, double radiusFraction = 0.6) const;
    void pressAt(double pointerAngle);
    void pressAt(QPoint position);
    void moveTo(double pointerAngle);
    void moveTo(QPoint position);
    void release();
    // Moves from one pointer angle to another in steps of at most 10 degrees;
    // positive sweeps turn clockwise.
    void sweep(double fromAngle, double sweepAngle);

    QImage grabFace() const;

    QSignalSpy change;
    QSignalSpy scroll;

private:
    QPointF pixelCentre() const;
};
