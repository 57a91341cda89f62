#include "ReadoutValue.h"

#include "core/LegacyNumbers.h"

namespace dalto::front {

QString ShowValueText(float value, const QString& format)
{
    if (format.isEmpty())
        return legacy::format(value, format);
    QString text = legacy::format(value, format + QLatin1Char('0'));
    text.chop(1);
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
