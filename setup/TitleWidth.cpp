#include "TitleWidth.h"

#include <QFontMetrics>
#include <QWidget>

namespace dalto {

namespace {
// The icon and the buttons of a title bar, in lines of the title's font: three
// buttons on one side of a centred title, the same room kept on the other, and
// wide buttons as on Windows.
constexpr int TitleBarLines = 10;
} // namespace

int TitleWidth(const QWidget& window)
{
    QFont bold = window.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(window.windowTitle()) + TitleBarLines * metrics.height();
}

} // namespace dalto
