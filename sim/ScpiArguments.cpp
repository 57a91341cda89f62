#include "sim/ScpiArguments.h"

#include <QRegularExpression>
#include <cmath>

namespace dalto::sim::scpi {

std::optional<double> toNumber(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    const QString trimmed = text.trimmed();
    if (!number.match(trimmed).hasMatch())
        return std::nullopt;
    const double value = trimmed.toDouble();
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> toInteger(const QString& text)
{
    const auto value = toNumber(text);
    if (!value || std::floor(*value) != *value || std::fabs(*value) > 2147483647.0)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<bool> toBoolean(const QString& text)
{
    const QString word = text.trimmed().toUpper();
    if (word == u"ON")
        return true;
    if (word == u"OFF")
        return false;
    const auto value = toInteger(word);
    if (value == 0 || value == 1)
        return *value == 1;
    return std::nullopt;
}

QStringList splitParameters(const QString& text)
{
    QStringList parts = text.split(u',');
    for (QString& part : parts)
        part = part.trimmed();
    return parts;
}

QString toText(const QString& text)
{
    QString trimmed = text.trimmed();
    if (trimmed.size() >= 2
        && ((trimmed.startsWith(u'"') && trimmed.endsWith(u'"'))
            || (trimmed.startsWith(u'\'') && trimmed.endsWith(u'\''))))
        trimmed = trimmed.mid(1, trimmed.size() - 2);
    return trimmed;
}

QString formatValue(double value)
{
    return QString::number(value, 'f', 3);
}

QString formatPlain(double value)
{
    return QString::number(value, 'g', 12);
}

} // namespace dalto::sim::scpi
