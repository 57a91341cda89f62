#include "Twips.h"

#include <QScreen>

namespace dialix {

namespace {
constexpr double kTwipsPerInch = 1440.0;
}

TwipsScale TwipsScale::ofScreen(const QScreen* screen)
{
    TwipsScale scale;
    if (screen && screen->logicalDotsPerInchX() > 0 && screen->logicalDotsPerInchY() > 0) {
        scale.perPixelX = kTwipsPerInch / screen->logicalDotsPerInchX();
        scale.perPixelY = kTwipsPerInch / screen->logicalDotsPerInchY();
    }
    return scale;
}

} // namespace dialix
