#pragma once
// Round numbers for the plot's axes: a tick step of 1, 2 or 5 times a power of
// ten, and a value axis that starts and ends on a tick and holds the readings
// in view (or the rating's full scale) with a little room above and below.

namespace dalto::front::trend {

struct AxisScale {
    double from = 0;
    double to = 1;
    double step = 1;  // between two ticks
    int decimals = 0; // enough to tell two neighbouring ticks apart
};

// The round step that divides span into about intervals parts.
double RoundStep(double span, int intervals);
// Decimal places that show a multiple of step exactly.
int DecimalsFor(double step);

// An axis from a tick at or below low to a tick at or above high, with room for
// the curve to stand clear of the plot's edges. A stretch narrower than
// narrowest (a flat reading) is opened to narrowest around its middle; a scale
// whose readings are all at or above zero does not reach below zero.
AxisScale FitScale(double low, double high, int intervals, double narrowest);

// The full scale: from zero to the first tick at or above top.
AxisScale FullScale(double top, int intervals);

} // namespace dalto::front::trend
