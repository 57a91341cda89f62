#include "ReplyFields.h"

#include "core/LegacyNumbers.h"

#include <QStringList>

namespace dalto {

namespace {

// A field is read the way a number text is: blanks anywhere in it are skipped,
// so "4 8" is 0x48.
QString WithoutBlanks(QString field)
{
    field.remove(QLatin1Char(' '));
    field.remove(QLatin1Char('\t'));
    return field;
}

} // namespace

std::optional<std::vector<double>> DecodeHexFields(const QString& reply)
{
    std::vector<double> values;
    const QStringList fields = reply.split(QLatin1Char(','));
    values.reserve(fields.size());
    for (const QString& field : fields) {
        const auto value = legacy::hexLong(WithoutBlanks(field));
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

} // namespace dalto
