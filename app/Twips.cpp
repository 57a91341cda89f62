#include "Twips.h"

#include <QWidget>
#include <cmath>

namespace dalto {

namespace {
constexpr double TwipsPerInch = 1440.0;
}

int TwipsToPixelsX(int twips, const QWidget& widget)
{
    return static_cast<int>(std::lround(twips * widget.logicalDpiX() / TwipsPerInch));
}

int TwipsToPixelsY(int twips, const QWidget& widget)
{
    return static_cast<int>(std::lround(twips * widget.logicalDpiY() / TwipsPerInch));
}

} // namespace dalto
