#include "ReadoutValue.h"

#include "core/LegacyNumbers.h"

namespace dalto::front {

QString ShowValueText(float value, const QString& format)
{
    if (format.isEmpty())
        return legacy::format(value, format);
    // A whole-number format ("0", the period) gains a decimal place of its own.
    const QString extraDigit = format.contains(QLatin1Char('.')) ? QStringLiteral("0") : QStringLiteral(".0");
    QString text = legacy::format(value, format + extraDigit);
    text.chop(extraDigit.size());
    return text;
}

float ClampValue(const QString& text, float upper, float lower)
{
    auto value = float(legacy::leadingNumber(text));
    if (value > upper)
        value = upper;
    if (value < lower)
        value = lower;
    return value;
}

} // namespace dalto::front
