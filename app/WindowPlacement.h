#pragma once
// Where a panel opens: in the place of the panel before it, and always wholly
// on the screen, however large the new panel is or wherever the old one was
// dragged to.

#include <QRect>

namespace dalto {

// frame moved into available (the screen's area free of task bars); a frame
// larger than available is first cut down to its size.
QRect FrameOnScreen(const QRect& frame, const QRect& available);

} // namespace dalto
