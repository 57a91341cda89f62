#include "WindowPlacement.h"

#include <algorithm>

namespace dalto {

QRect FrameOnScreen(const QRect& frame, const QRect& available)
{
    QRect placed(frame.topLeft(), frame.size().boundedTo(available.size()));
    const int left = std::clamp(placed.left(), available.left(), available.right() + 1 - placed.width());
    const int top = std::clamp(placed.top(), available.top(), available.bottom() + 1 - placed.height());
    placed.moveTopLeft({left, top});
    return placed;
}

} // namespace dalto
