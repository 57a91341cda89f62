#include "Lamp.h"

#include <QPainter>

namespace dalto::front {

namespace {

constexpr int LightDiameter = 10;
constexpr int LightGap = 5;

QColor Shown(LampColour colour)
{
    switch (colour) {
    case LampColour::Green: return QColor(0, 255, 0);
    case LampColour::Red: return QColor(255, 0, 0);
    case LampColour::Orange: return QColor(255, 128, 0);
    case LampColour::Yellow: return QColor(255, 255, 0);
    case LampColour::Off: break;
    }
    return QColor(0x80, 0x80, 0x80);
}

QString AccessibleState(LampColour colour)
{
    switch (colour) {
    case LampColour::Green: return QStringLiteral("on, green");
    case LampColour::Red: return QStringLiteral("on, red");
    case LampColour::Orange: return QStringLiteral("on, orange");
    case LampColour::Yellow: return QStringLiteral("on, yellow");
    case LampColour::Off: break;
    }
    return QStringLiteral("off");
}

} // namespace

Lamp::Lamp(const QString& caption, int tag, QWidget* parent)
    : QLabel(caption, parent)
    , tag_(tag)
{
    setIndent(LightDiameter + LightGap);
    setAccessibleName(caption);
    showColour();
}

void Lamp::setColour(LampColour colour)
{
    // Polls repaint every lamp five times a second; restyling costs far more
    // than comparing.
    if (colour == colour_)
        return;
    colour_ = colour;
    showColour();
}

void Lamp::showColour()
{
    const LampColour colour = colour_;
    setStyleSheet(QStringLiteral("color: %1; font-weight: %2;")
                      .arg(Shown(colour).name(), colour == LampColour::Off ? "normal" : "bold"));
    setAccessibleDescription(AccessibleState(colour));
    update();
}

void Lamp::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF light(1, (height() - LightDiameter) / 2.0, LightDiameter, LightDiameter);
    painter.setPen(QPen(QColor(20, 20, 20), 1));
    painter.setBrush(colour_ == LampColour::Off ? QColor(45, 45, 45) : Shown(colour_));
    painter.drawEllipse(light);
}

} // namespace dalto::front
