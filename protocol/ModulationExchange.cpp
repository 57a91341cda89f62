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

// One query and its reply. Empty when the device did not answer: the read timed
// out, the link failed or the program is ending (the link has said why, if at all).
// A link that was simulated before the query answers in its own way; the caller
// plays the device then.
std::optional<QString> query(DeviceLink& link, const QString& command, bool echoCommand)
{
    const bool wasSimulated = simulated(link);
    link.WriteDevice(command, echoCommand);
    QString reply;
    const int32_t length = link.ReadDevice(reply, status::ReplyTimeout, true);
    if (!wasSimulated && (length <= 0 || simulated(link)))
        return std::nullopt;
    return reply;
}

} // namespace

SelectionRead ReadModSelection(DeviceLink& link, ModulationTable& table, const ModulationBoxes& boxes)
{
    const bool playedByBoxes = simulated(link);
    const std::optional<QString> reply = query(link, QStringLiteral("MOD:TYPE:SEL?"), false);
    if (!reply)
        return {};

    ModSelection selection;
    if (playedByBoxes) {
        selection.controlInput = typedIndex(boxes.controlInput);
        selection.modType = boxes.modType.isEmpty() ? table.selection.modType : typedIndex(boxes.modType);
    } else {
        const SelectionReply parsed = ParseModSelection(*reply);
        if (!parsed.error.isEmpty()) {
            tellCritical(link, parsed.error);
            return {ModRead::Refused, parsed.selection};
        }
        selection = parsed.selection;
    }
    table.shown = selection;
    return {ModRead::Answered, selection};
}

RowRead ReadTableRow(DeviceLink& link, ModulationTable& table, int16_t row, const ModulationBoxes& boxes)
{
    const bool playedByBoxes = simulated(link);
    const std::optional<QString> reply = query(link, QStringLiteral("MOD:TABL? ") + QString::number(row), true);
    if (!reply)
        return {};

    RowReply parsed = ParseTableRow(*reply, row);
    if (parsed.kind == RowReply::Kind::NoTableSelected)
        return {ModRead::NoTable, {}};
    if (playedByBoxes)
        parsed = {RowReply::Kind::Row, {row, typedOrZero(boxes.vmod), typedOrZero(boxes.value)}, {}};
    if (parsed.kind == RowReply::Kind::Invalid) {
        tellCritical(link, parsed.error);
        return {ModRead::Refused, {}};
    }
    table.put(parsed.row);
    return {ModRead::Answered, parsed.row};
}

bool ContinuesAfter(ModRead outcome)
{
    return outcome == ModRead::Answered || outcome == ModRead::NoTable;
}

bool ReadModulationTable(DeviceLink& link, ModulationTable& table, const ModulationBoxes& boxes,
                         const ModRowProgress& afterRow)
{
    table.clearRows();
    if (!ContinuesAfter(ReadModSelection(link, table, boxes).outcome) || simulated(link))
        return false;
    // The device may report another position than the one asked for; each row is
    // still asked for once, and the loop ends after the table length.
    for (int16_t row = 1; row <= ModulationTableLength; ++row) {
        const RowRead read = ReadTableRow(link, table, row, boxes);
        if (afterRow)
            afterRow(row, read);
        if (!ContinuesAfter(read.outcome))
            return false;
    }
    return true;
}

} // namespace dalto
