#include "DrawFontText.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace dalto::front {

namespace {
// The longest face name a font record holds.
constexpr int FaceLength = 31;
} // namespace

QFont CaptionFont(const QString& face, int height, bool bold, bool italic)
{
    QFont font(face.left(FaceLength));
    font.setPixelSize(height);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setItalic(italic);
    // A face that is not installed falls back to the nearest sans face.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void DrawFontText(QPainter& painter, const QString& text, int x, int y, int escapement,
                  const QString& face, int height, bool bold, bool italic)
{
    DrawFontText(painter, text, x, y, escapement, CaptionFont(face, height, bold, italic));
}

void DrawFontText(QPainter& painter, const QString& text, int x, int y, int escapement, const QFont& font)
{
    painter.save();
    painter.setFont(font);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.translate(x, y);
    painter.rotate(-escapement / 10.0);
    painter.drawText(QPointF(0, QFontMetrics(font).ascent()), text);
    painter.restore();
}

} // namespace dalto::front
