#pragma once

#include <cmath>

class QScreen;

namespace dialix {

// Twips are the knob's geometry units: 1440 per logical inch of the screen.
// Rounding to whole units is half-to-even, which keeps the centre and radius
// of a knob stable at the exact .5 cases the geometry produces.
inline int roundToInt(double value)
{
    return static_cast<int>(std::lrint(value));
}

struct TwipsScale {
    double perPixelX = 15.0;
    double perPixelY = 15.0;

    // Null screen (no display yet) gives the 96 dpi scale.
    static TwipsScale ofScreen(const QScreen* screen);

    double toTwipsX(double pixels) const { return pixels * perPixelX; }
    double toTwipsY(double pixels) const { return pixels * perPixelY; }
    int toPixelsX(double twips) const { return roundToInt(twips / perPixelX); }
    int toPixelsY(double twips) const { return roundToInt(twips / perPixelY); }
};

} // namespace dialix
