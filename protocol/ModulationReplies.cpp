#include "ModulationReplies.h"

#include "core/LegacyNumbers.h"

namespace dalto {

SelectionReply ParseModSelection(const QString& reply)
{
    SelectionReply result;
    const double controlInput = legacy::leadingNumber(reply.left(1));
    if (controlInput != 0 && controlInput != 1 && controlInput != 2) {
        result.error = QStringLiteral("Invalid Control Input!");
        return result;
    }
    const qsizetype comma = reply.indexOf(QLatin1Char(','));
    const double modType = legacy::leadingNumber(comma < 0 ? reply : reply.mid(comma + 1));
    if (modType != 0 && modType != 1) {
        result.selection.controlInput = int16_t(controlInput);
        result.error = QStringLiteral("Invalid Modulation Type!");
        return result;
    }
    result.selection = {int16_t(controlInput), int16_t(modType)};
    return result;
}

RowReply ParseTableRow(const QString& reply, int16_t requestedRow)
{
    RowReply result;
    const QString text = reply.toLower();
    if (text.contains(QStringLiteral("no table selected"))) {
        result.kind = RowReply::Kind::NoTableSelected;
        return result;
    }
    const std::optional<int16_t> position = legacy::toInteger(legacy::leadingNumber(text));
    if (!position || *position < 1) {
        result.error = QStringLiteral("Invalid position %1!").arg(requestedRow);
        return result;
    }
    const qsizetype open = text.indexOf(QLatin1Char('('));
    const qsizetype comma = open < 0 ? -1 : text.indexOf(QLatin1Char(','), open);
    const qsizetype close = comma < 0 ? -1 : text.indexOf(QLatin1Char(')'), comma);
    if (close < 0) {
        result.error = QStringLiteral("Invalid Elements at position %1!").arg(*position);
        return result;
    }
    result.kind = RowReply::Kind::Row;
    result.row = {*position, text.mid(open + 1, comma - open - 1), text.mid(comma + 1, close - comma - 1).trimmed()};
    return result;
}

} // namespace dalto
