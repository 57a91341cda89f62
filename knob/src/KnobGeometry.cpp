#include "KnobGeometry.h"

namespace dialix {

namespace {
// The visible square's drawable area is this much narrower than the control.
constexpr double kBorderTwips = 40.0;
constexpr double kSlotInsetPixels = 6.0;
} // namespace

KnobGeometry KnobGeometry::forSizes(double controlWidthTwips, double pictureWidthTwips, const TwipsScale& scale)
{
    KnobGeometry g;
    g.centreX = roundToInt((controlWidthTwips - kBorderTwips) / 2.0);
    g.centreY = g.centreX;
    g.hitRadius = g.centreX;
    g.pictureCentreX = roundToInt((pictureWidthTwips - kBorderTwips) / 2.0);
    g.pictureCentreY = g.pictureCentreX;
    g.insetX = roundToInt(kSlotInsetPixels * scale.perPixelX);
    g.insetY = roundToInt(kSlotInsetPixels * scale.perPixelY);
    g.framePixelsWide = scale.toPixelsX(pictureWidthTwips - kBorderTwips);
    g.framePixelsHigh = scale.toPixelsY(pictureWidthTwips - kBorderTwips);
    return g;
}

} // namespace dialix
