#include "GroupCaptionFrame.h"

#include "DrawFontText.h"
#include "app/Twips.h"

#include <QFontMetrics>
#include <QPainter>

namespace dalto::front {

namespace {
const QString CaptionFace = QStringLiteral("Arial");
constexpr int CaptionHeight = 11;
constexpr int Upwards = 900;
constexpr int GapTwips = 240;
const QColor CaptionColour(0x9f, 0xb4, 0xc8);
} // namespace

void GroupCaptionFrame::addCaption(const QString& caption, QWidget* line)
{
    captions_.emplace_back(caption, line);
    update();
}

QPoint GroupCaptionFrame::captionOrigin(const QString& caption, const QWidget& line) const
{
    const QRect at = line.geometry();
    // Centred on the length the caption is drawn with, so that it stays centred
    // whatever the window's own font.
    const int length =
        QFontMetrics(CaptionFont(CaptionFace, CaptionHeight, true, false)).horizontalAdvance(caption);
    const int x = at.right() - TwipsToPixelsX(GapTwips, *this);
    const int y = at.top() + at.height() / 2 + length / 2;
    return {x, y};
}

void GroupCaptionFrame::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(CaptionColour);
    for (const auto& [caption, line] : captions_) {
        const QPoint origin = captionOrigin(caption, *line);
        DrawFontText(painter, caption, origin.x(), origin.y(), Upwards, CaptionFace, CaptionHeight, true, false);
    }
}

} // namespace dalto::front
