#include "ModulationTable.h"

#include "core/LegacyNumbers.h"

#include <algorithm>

namespace dalto {

void ModulationTable::put(const ModTableRow& row)
{
    const auto at = std::lower_bound(rows.begin(), rows.end(), row.row,
                                     [](const ModTableRow& entry, int16_t number) { return entry.row < number; });
    if (at != rows.end() && at->row == row.row)
        *at = row;
    else
        rows.insert(at, row);
    selectedRow = row.row;
}

const ModTableRow* ModulationTable::find(int16_t row) const
{
    const auto at = std::find_if(rows.begin(), rows.end(), [&](const ModTableRow& entry) { return entry.row == row; });
    return at == rows.end() ? nullptr : &*at;
}

void ModulationTable::remove(int16_t row)
{
    std::erase_if(rows, [&](const ModTableRow& entry) { return entry.row == row; });
    if (selectedRow == row)
        selectedRow = 0;
}

void ModulationTable::clearRows()
{
    rows.clear();
    selectedRow = 0;
}

int16_t ModRowAsked(const QString& text)
{
    const double limited = std::clamp(legacy::leadingNumber(text), 1.0, double(ModulationTableLength));
    return legacy::toInteger(limited).value_or(1);
}

QString ModRowKey(int16_t row)
{
    return QStringLiteral("key") + QString::number(row);
}

QString ModRowSortText(int16_t row)
{
    return QStringLiteral("%1").arg(row, 3, 10, QLatin1Char('0'));
}

QString ControlInputName(int16_t controlInput)
{
    switch (controlInput) {
    case 0: return QStringLiteral("None");
    case 1: return QStringLiteral("Voltage");
    case 2: return QStringLiteral("Current");
    default: return {};
    }
}

QString ModulationTypeName(int16_t modType)
{
    switch (modType) {
    case 0: return QStringLiteral("Multiplication");
    case 1: return QStringLiteral("Addition");
    default: return {};
    }
}

namespace {

QString labelled(const QString& caption, int blanks, const QString& name)
{
    return name.isEmpty() ? caption : caption + QString(blanks, QLatin1Char(' ')) + name;
}

} // namespace

QString ControlInputLabel(int16_t controlInput)
{
    return labelled(QStringLiteral("Control Input:"), 10, ControlInputName(controlInput));
}

QString ModulationTypeLabel(int16_t modType)
{
    return labelled(QStringLiteral("Modulation Type:"), 4, ModulationTypeName(modType));
}

QString ModValueCaption(const ModSelection& selection)
{
    if (selection.modType == 1 && selection.controlInput == 1)
        return QStringLiteral("Vos");
    if (selection.modType == 1 && selection.controlInput == 2)
        return QStringLiteral("Ios");
    return QStringLiteral("Mod");
}

} // namespace dalto
