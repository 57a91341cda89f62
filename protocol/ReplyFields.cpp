#include "ReplyFields.h"

#include "core/LegacyNumbers.h"

#include <QStringList>

namespace dalto {

std::optional<std::vector<double>> DecodeHexFields(const QString& reply)
{
    std::vector<double> values;
    const QStringList fields = reply.split(QLatin1Char(','));
    values.reserve(fields.size());
    for (const QString& field : fields) {
        const auto value = legacy::hexLong(field);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

} // namespace dalto
