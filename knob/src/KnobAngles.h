#pragma once

#include <cmath>

namespace dialix {

// The knob's angles are single precision throughout; pi is taken from
// 4 * arctan(1) once and rounded to float (3.1415927), the others follow.
inline const float kPi = static_cast<float>(4.0 * std::atan(1.0));
inline const float kHalfPi = kPi / 2.0f;
inline const float kTwoPi = 2.0f * kPi;

} // namespace dialix
