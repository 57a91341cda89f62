#include "ModulationTableFile.h"

#include "ModulationExchange.h"
#include "core/AppContext.h"
#include "core/BusCode.h"
#include "core/PickFile.h"
#include "core/ProfileFile.h"
#include "core/ProfileFileEdit.h"
#include "core/ReplaceFile.h"
#include "core/Transcript.h"
#include "link/DeviceLink.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace dalto {

namespace {

const QString ConfigSection = QStringLiteral("Config");
const QString TableSection = QStringLiteral("Table");
const QString ControlInputKey = QStringLiteral("Table");
const QString TypeKey = QStringLiteral("Type");
constexpr int SelectionCommandIndex = 35;
// A missing selection key reads as this.
constexpr int MissingIndex = -999;
const QString Missing = QString::number(MissingIndex);
// A row value longer than this is cut.
constexpr int RowValueLimit = 49;

QString pickTableFile(Prompts& prompts, const QString& mode)
{
    return PickFile(prompts, QStringLiteral("Select or Enter File"), QString(),
                    QStringLiteral("Modulation Table Files"), QStringLiteral("*.modTable"), mode);
}

void tell(Prompts& prompts, const QString& text, PromptIcon icon = PromptIcon::None)
{
    prompts.message(text, ApplicationTitle, PromptButtons::Ok, icon);
}

// The indexes a table file may hold (its Config keys).
bool storedControlInput(int index)
{
    return index == 1 || index == 2;
}

bool storedModType(int index)
{
    return index == 0 || index == 1;
}

QString modKey(int16_t row)
{
    return ModRowKey(row) + QStringLiteral("Mod");
}

QString outKey(int16_t row)
{
    return ModRowKey(row) + QStringLiteral("Out");
}

// The file's text, built key by key by the profile writer's own edit.
QByteArray tableFileText(const ModulationTable& table)
{
    QByteArray text;
    const auto put = [&](const QString& section, const QString& key, const QString& value) {
        text = withProfileValue(text, section.toUtf8(), key.toUtf8(), value.toUtf8());
    };
    if (table.selection.controlInput != -1)
        put(ConfigSection, ControlInputKey, QString::number(table.selection.controlInput));
    if (table.selection.modType != -1)
        put(ConfigSection, TypeKey, QString::number(table.selection.modType));
    for (const ModTableRow& row : table.rows) {
        put(TableSection, modKey(row.row), row.vmod);
        put(TableSection, outKey(row.row), row.value);
    }
    return text;
}

// Asks whether an existing file may be replaced; false stops the save (after any
// message).
bool mayOverwrite(Prompts& prompts, const QFileInfo& info)
{
    if (info.isDir()) {
        tell(prompts, QStringLiteral("Invalid File"), PromptIcon::Critical);
        return false;
    }
    if (prompts.message(QStringLiteral("File exists, are you sure you wish to overwrite it?"), ApplicationTitle,
                        PromptButtons::OkCancel)
        != PromptAnswer::Ok)
        return false;
    // Replacing goes through the folder and would succeed on a write-protected file.
    if (!info.isWritable()) {
        tell(prompts, QStringLiteral("Unable to overwrite file, save aborted."), PromptIcon::Critical);
        return false;
    }
    return true;
}

// Small text without NUL bytes: anything else is not a table file and is not parsed.
bool looksLikeText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > ModTableFileLimit)
        return false;
    const QByteArray bytes = file.read(ModTableFileLimit + 1);
    return bytes.size() <= ModTableFileLimit && !bytes.contains('\0');
}

// An index key the way the profile functions read whole numbers: an optional sign and
// the digits that follow; text without digits is 0.
int indexValue(const ProfileSnapshot& file, const QString& key)
{
    static const QRegularExpression leadingInteger(QStringLiteral("^[+-]?\\d+"));
    const QRegularExpressionMatch match = leadingInteger.match(file.readString(ConfigSection, key, Missing));
    return match.hasMatch() ? match.captured().toInt() : 0;
}

bool isNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eEdD][+-]?\\d+)?$"));
    return number.match(text).hasMatch();
}

// A stored row value as sent: cut, trimmed, and only when it is a number.
std::optional<QString> rowValue(const QString& stored)
{
    const QString text = stored.left(RowValueLimit).trimmed();
    if (isNumber(text))
        return text;
    return std::nullopt;
}

struct SavedRow {
    int16_t row;
    std::optional<QString> vmod;
    std::optional<QString> value;
    bool present; // the file names the row, complete or not
};

std::vector<SavedRow> savedRows(const ProfileSnapshot& file)
{
    std::vector<SavedRow> rows;
    for (int16_t row = 1; row <= ModulationTableLength; ++row) {
        const QString vmod = file.readString(TableSection, modKey(row));
        const QString value = file.readString(TableSection, outKey(row));
        rows.push_back({row, rowValue(vmod), rowValue(value), !vmod.isEmpty() || !value.isEmpty()});
    }
    return rows;
}

void note(DeviceLink& link, const QString& text)
{
    if (TranscriptTarget* transcript = link.context().state.Transcript)
        transcript->appendTranscript(QStringLiteral("- ") + text + QStringLiteral("\r\n"));
}

} // namespace

bool SaveModulationTable(AppContext& context, const ModulationTable& table)
{
    Prompts& prompts = context.prompts;
    if (table.selection.controlInput < 1) {
        tell(prompts, QStringLiteral("Please select the Control Input table first."));
        return false;
    }
    // A selection typed in Simulated mode can lie outside what a load accepts.
    if (!storedControlInput(table.selection.controlInput)) {
        tell(prompts, QStringLiteral("Invalid Control Input!"), PromptIcon::Critical);
        return false;
    }
    if (table.selection.modType != -1 && !storedModType(table.selection.modType)) {
        tell(prompts, QStringLiteral("Invalid Modulation Type!"), PromptIcon::Critical);
        return false;
    }
    if (table.rows.empty()) {
        tell(prompts, QStringLiteral("No entries in the table to save."));
        return false;
    }
    const QString path = pickTableFile(prompts, QStringLiteral("save"));
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.exists() && !mayOverwrite(prompts, info))
        return false;

    const QString failure = ReplaceFile(path, tableFileText(table));
    if (!failure.isEmpty()) {
        tell(prompts,
             (info.exists() ? QStringLiteral("Unable to overwrite file, save aborted.")
                            : QStringLiteral("Unable to write file, save aborted."))
                 + QStringLiteral("\n\n") + failure,
             PromptIcon::Critical);
        return false;
    }
    prompts.message(QStringLiteral("Modulation Table Saved to ") + path, QStringLiteral("File saved"),
                    PromptButtons::OkCancel);
    return true;
}

bool LoadModulationTable(DeviceLink& link, ModulationTable& table, const ModulationBoxes& boxes,
                         const ModRowProgress& afterRow)
{
    Prompts& prompts = link.context().prompts;
    const QString path = pickTableFile(prompts, QStringLiteral("open"));
    if (path.isEmpty())
        return false;
    const QString notATable = QStringLiteral("Invalid Modulation Table in Saved File ") + path;
    if (!looksLikeText(path)) {
        tell(prompts, notATable, PromptIcon::Critical);
        return false;
    }
    // Read once: every key of the load comes from the same reading of the file.
    const ProfileSnapshot file(path);
    if (!file.ok()) {
        tell(prompts, notATable, PromptIcon::Critical);
        return false;
    }

    const int controlInput = indexValue(file, ControlInputKey);
    const int modType = indexValue(file, TypeKey);
    if (controlInput != MissingIndex && !storedControlInput(controlInput)) {
        tell(prompts, QStringLiteral("Invalid Control Input in Saved File ") + path, PromptIcon::Critical);
        return false;
    }
    if (modType != MissingIndex && !storedModType(modType)) {
        tell(prompts, QStringLiteral("Invalid Modulation Type in Saved File ") + path, PromptIcon::Critical);
        return false;
    }
    const std::vector<SavedRow> rows = savedRows(file);
    const bool hasSelection = controlInput != MissingIndex && modType != MissingIndex;
    const bool hasRows = std::any_of(rows.begin(), rows.end(), [](const SavedRow& row) { return row.present; });
    if (controlInput == MissingIndex && modType == MissingIndex && !hasRows) {
        tell(prompts, notATable, PromptIcon::Critical);
        return false;
    }

    link.FlushInput();
    if (hasSelection) {
        link.WriteDevice(link.context().state.ScpiCommands.value(SelectionCommandIndex) + QStringLiteral(" ")
                             + QString::number(controlInput) + QStringLiteral(", ") + QString::number(modType),
                         true);
    } else {
        // Sending a made-up selection would change what the device modulates.
        note(link, QStringLiteral("No modulation selection in ") + path + QStringLiteral(", the device keeps its own"));
    }
    const SelectionRead selection = ReadModSelection(link, table, boxes);
    if (selection.outcome != ModRead::LinkLost)
        table.selection = selection.selection;
    else if (hasSelection)
        table.selection = {}; // sent, but what the device took is not known
    if (!ContinuesAfter(selection.outcome) || link.context().state.BusCode == bus::Simulated)
        return true;

    for (const SavedRow& row : rows) {
        const bool sent = row.vmod && row.value;
        if (sent)
            link.WriteDevice(QStringLiteral("MOD:TABL %1(%2,%3)").arg(row.row).arg(*row.vmod, *row.value), true);
        const RowRead read = ReadTableRow(link, table, row.row, boxes);
        // A row sent but not read back may hold either value on the device.
        if (sent && !ContinuesAfter(read.outcome))
            table.remove(row.row);
        if (afterRow)
            afterRow(row.row, read);
        if (!ContinuesAfter(read.outcome))
            break;
    }
    return true;
}

} // namespace dalto
