#pragma once
// Reading SCPI parameters and writing reply numbers.

#include <QString>
#include <QStringList>
#include <optional>

namespace dalto::sim::scpi {

// Decimal number with optional sign, fraction and exponent.
std::optional<double> toNumber(const QString& text);
// A number that is a whole number.
std::optional<int> toInteger(const QString& text);
// "1"/"0"/"ON"/"OFF", any case.
std::optional<bool> toBoolean(const QString& text);
// Comma-separated parameters, each trimmed.
QStringList splitParameters(const QString& text);
// A string parameter: trimmed, surrounding double or single quotes removed.
QString toText(const QString& text);

// Set points and measurements: three decimals.
QString formatValue(double value);
// Values kept as the user gave them: shortest exact form.
QString formatPlain(double value);

} // namespace dalto::sim::scpi
