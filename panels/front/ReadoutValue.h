#pragma once
// How a set point becomes read-out text and how a typed value is limited.

#include <QString>

namespace dalto::front {

// The value truncated (not rounded) to the format: formatted with one more
// decimal place, then that digit dropped, so 12.348 with "0.00" is "12.34" and
// 5000.3 with "0." is "5000.", 25.7 with "0" is "25". The empty format (full scales above 8000) is the
// general number form, shown as it is: it has no last digit to drop.
QString ShowValueText(float value, const QString& format);

// The numeric value of text, limited to upper, then raised to lower.
float ClampValue(const QString& text, float upper, float lower);

} // namespace dalto::front
