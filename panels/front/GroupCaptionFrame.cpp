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

GroupCaptionFrame::GroupCaptionFrame(QWidget* parent)
    : QFrame(parent), font_(CaptionFont(CaptionFace, CaptionHeight, true, false))
{
}

void GroupCaptionFrame::addCaption(const QString& caption, QWidget* line)
{
    // Centred on the length the caption is drawn with, so that it stays centred
    // whatever the window's own font.
    captions_.push_back({caption, line, QFontMetrics(font_).horizontalAdvance(caption)});
    update();
}

QPoint GroupCaptionFrame::origin(const Caption& caption) const
{
    const QRect at = caption.line->geometry();
    const int x = at.right() - TwipsToPixelsX(GapTwips, *this);
    const int y = at.top() + at.height() / 2 + caption.length / 2;
    return {x, y};
}

void GroupCaptionFrame::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(CaptionColour);
    for (const Caption& caption : captions_) {
        const QPoint at = origin(caption);
        DrawFontText(painter, caption.text, at.x(), at.y(), Upwards, font_);
    }
}

} // namespace dalto::front
