#pragma once

#include "Twips.h"

namespace dialix {

// Where the knob is hit and where its slot and drag frame are drawn. The
// mouse side (centre, hit radius) follows the control's width; the drawing
// side (picture centre, frame) follows the picture's width. Twips unless
// the name says pixels.
struct KnobGeometry {
    int centreX = 0;
    int centreY = 0;
    int hitRadius = 0;
    int pictureCentreX = 0;
    int pictureCentreY = 0;
    int insetX = 0; // the slot stops this far short of the rim
    int insetY = 0;
    int framePixelsWide = 0;
    int framePixelsHigh = 0;

    static KnobGeometry forSizes(double controlWidthTwips, double pictureWidthTwips, const TwipsScale& scale);
};

} // namespace dialix
