#include "CommandUnits.h"

namespace dalto {

QStringList CommandUnits(const QString& line)
{
    QStringList units(QString{});
    QChar quote;
    for (const QChar c : line) {
        if (quote.isNull() && c == QLatin1Char(';')) {
            units << QString();
            continue;
        }
        if (c == quote)
            quote = QChar();
        else if (quote.isNull() && (c == QLatin1Char('"') || c == QLatin1Char('\'')))
            quote = c;
        units.last() += c;
    }
    return units;
}

} // namespace dalto
