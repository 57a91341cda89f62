// Design-time properties of tavKnob: the defaults of a new instance and the
// round trip through the container's property bag.
#include <dialix/tavKnob.h>

#include <dialix/PropertyBag.h>

#include "KnobMotion.h"
#include "OleColor.h"

namespace {
constexpr float kDefaultMax = 100.0f;
constexpr int kNewInstanceTurns = 5;
constexpr int kStoredDefaultTurns = 10;
constexpr int kStoredDefaultSlot = 100; // an integer, which reads as True
} // namespace

void tavKnob::InitProperties()
{
    m_enabled = true;
    m_motion->setMinimum(0.0f);
    m_motion->setMaximum(kDefaultMax);
    m_slot = false;
    m_motion->setTurns(kNewInstanceTurns);
    setBackColorCode(dialix::kActiveBorderColour);
}

void tavKnob::ReadProperties(const dialix::PropertyBag& bag)
{
    m_enabled = bag.read(QStringLiteral("Enabled"), true).toBool();
    m_motion->setMinimum(bag.read(QStringLiteral("Min"), 0.0f).toFloat());
    m_motion->setMaximum(bag.read(QStringLiteral("Max"), kDefaultMax).toFloat());
    m_slot = bag.read(QStringLiteral("Slot"), kStoredDefaultSlot).toBool();
    // Read as stored: only an assignment caps the turns.
    m_motion->setTurns(bag.read(QStringLiteral("Turns"), kStoredDefaultTurns).toInt());
    const qlonglong code = bag.read(QStringLiteral("BackColor"), qlonglong(dialix::kActiveBorderColour)).toLongLong();
    setBackColorCode(static_cast<quint32>(code));
    fitSquare();
}

void tavKnob::WriteProperties(dialix::PropertyBag& bag) const
{
    bag.write(QStringLiteral("Enabled"), m_enabled);
    bag.write(QStringLiteral("Min"), m_motion->minimum());
    bag.write(QStringLiteral("Max"), m_motion->maximum());
    bag.write(QStringLiteral("Slot"), m_slot);
    bag.write(QStringLiteral("Turns"), m_motion->turns());
    bag.write(QStringLiteral("BackColor"), static_cast<qint32>(m_backColorCode));
}
