#include "ModulationExchange.h"

#include "ModulationReplies.h"
#include "StatusProtocol.h"
#include "core/BusCode.h"
#include "core/LegacyNumbers.h"
#include "link/DeviceLink.h"

namespace dalto {

namespace {

void tellCritical(DeviceLink& link, const QString& text)
{
    link.context().prompts.message(text, ApplicationTitle, PromptButtons::Ok, PromptIcon::Critical);
}

bool simulated(DeviceLink& link)
{
    return link.context().state.BusCode == bus::Simulated;
}

// A typed number as the simulated device's answer; out-of-range text gives -1.
int16_t typedIndex(const QString& text)
{
    return legacy::toInteger(legacy::leadingNumber(text)).value_or(-1);
}

QString typedOrZero(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("0") : text;
}

} // namespace

std::optional<ModSelection> ReadModSelection(DeviceLink& link, ModulationTable& table, const ModulationBoxes& boxes)
{
    link.WriteDevice(QStringLiteral("MOD:TYPE:SEL?"), false);
    QString reply;
    link.ReadDevice(reply, status::ReplyTimeout, true);

    ModSelection selection;
    if (simulated(link)) {
        selection.controlInput = typedIndex(boxes.controlInput);
        selection.modType = boxes.modType.isEmpty() ? table.selection.modType : typedIndex(boxes.modType);
    } else {
        const SelectionReply parsed = ParseModSelection(reply);
        if (!parsed.error.isEmpty()) {
            tellCritical(link, parsed.error);
            return std::nullopt;
        }
        selection = parsed.selection;
    }
    table.shown = selection;
    return selection;
}

std::optional<ModTableRow> ReadTableRow(DeviceLink& link, ModulationTable& table, int16_t row,
                                        const ModulationBoxes& boxes)
{
    link.WriteDevice(QStringLiteral("MOD:TABL? ") + QString::number(row), true);
    QString reply;
    link.ReadDevice(reply, status::ReplyTimeout, true);

    RowReply parsed = ParseTableRow(reply, row);
    if (parsed.kind == RowReply::Kind::NoTableSelected)
        return std::nullopt;
    if (simulated(link))
        parsed = {RowReply::Kind::Row, {row, typedOrZero(boxes.vmod), typedOrZero(boxes.value)}, {}};
    if (parsed.kind == RowReply::Kind::Invalid) {
        tellCritical(link, parsed.error);
        return std::nullopt;
    }
    table.put(parsed.row);
    return parsed.row;
}

} // namespace dalto
