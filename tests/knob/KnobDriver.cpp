#include "KnobDriver.h"

#include <dialix/PropertyBag.h>

#include "KnobGeometry.h"
#include "Twips.h"

#include <QTest>

#include <cmath>

KnobDriver::KnobDriver(int side)
    : m_knob(std::make_unique<tavKnob>())
    , change(m_knob.get(), &tavKnob::Change)
    , scroll(m_knob.get(), &tavKnob::Scroll)
{
    m_knob->resize(side, side);
    m_knob->show();
}

QWidget& KnobDriver::face() const
{
    return *m_knob->findChild<QWidget*>(QStringLiteral("pctKnob"));
}

void KnobDriver::storeAsPanelKnob(int turns, bool slot)
{
    dialix::PropertyBag bag;
    bag.write(QStringLiteral("Max"), 100.0f);
    bag.write(QStringLiteral("Turns"), turns);
    bag.write(QStringLiteral("Slot"), slot);
    m_knob->ReadProperties(bag);
}

QPointF KnobDriver::pixelCentre() const
{
    const auto scale = dialix::TwipsScale::ofScreen(m_knob->screen());
    const auto geometry = dialix::KnobGeometry::forSizes(scale.toTwipsX(m_knob->width()), 0.0, scale);
    return {geometry.centreX / scale.perPixelX, geometry.centreY / scale.perPixelY};
}

QPoint KnobDriver::pointAt(double pointerAngle, double radiusFraction) const
{
    const QPointF centre = pixelCentre();
    const double radius = centre.x() * radiusFraction;
    return QPointF(centre.x() - radius * std::cos(pointerAngle), centre.y() - radius * std::sin(pointerAngle))
        .toPoint();
}

void KnobDriver::pressAt(double pointerAngle) { pressAt(pointAt(pointerAngle)); }
void KnobDriver::pressAt(QPoint position) { QTest::mousePress(&face(), Qt::LeftButton, {}, position); }
void KnobDriver::moveTo(double pointerAngle) { moveTo(pointAt(pointerAngle)); }

void KnobDriver::moveTo(QPoint position)
{
    // QTest::mouseMove does not carry the pressed button; a drag does.
    QMouseEvent event(QEvent::MouseMove, position, face().mapToGlobal(position), Qt::NoButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&face(), &event);
}

void KnobDriver::release() { QTest::mouseRelease(&face(), Qt::LeftButton); }

void KnobDriver::sweep(double fromAngle, double sweepAngle)
{
    const int steps = static_cast<int>(std::ceil(std::abs(sweepAngle) / (M_PI / 18.0)));
    for (int i = 1; i <= steps; ++i)
        moveTo(std::fmod(fromAngle + sweepAngle * i / steps + 4.0 * M_PI, 2.0 * M_PI));
}

QImage KnobDriver::grabFace() const
{
    return face().grab().toImage().convertToFormat(QImage::Format_RGB32);
}
