#pragma once
// Text drawn with a font made for the one call: a face, a pixel height, bold and
// italic, and an escapement in tenths of a degree (900 = the text runs upwards).
// The point (x, y) is the top-left corner of the text before it is turned, so an
// upward caption stands to the right of x and ends at y. The background is left
// as it is; the text takes the painter's pen colour.

#include <QString>

class QFont;
class QPainter;

namespace dalto::front {

void DrawFontText(QPainter& painter, const QString& text, int x, int y, int escapement,
                  const QString& face, int height, bool bold, bool italic);

// The same with a font made beforehand by CaptionFont.
void DrawFontText(QPainter& painter, const QString& text, int x, int y, int escapement, const QFont& font);

// The font DrawFontText makes (face cut to 31 characters).
QFont CaptionFont(const QString& face, int height, bool bold, bool italic);

} // namespace dalto::front
