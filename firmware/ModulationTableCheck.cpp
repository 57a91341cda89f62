#include "ModulationTableCheck.h"

#include "core/LegacyNumbers.h"
#include "link/DeviceLink.h"

#include <array>

namespace dalto::firmware {

namespace {

constexpr int TableRows = 20;
constexpr int16_t ReplySeconds = 2;
// From these on the selection does not use the table, which is reset outright.
constexpr double UntabledControlInput = 4;
constexpr double UntabledType = 2;
constexpr double MinVmod = 0.0, MaxVmod = 2.0;
constexpr double MinModValue = -2.0, MaxModValue = 1000.0;

QString exchange(DeviceLink& link, const QString& command)
{
    link.WriteDevice(command, false);
    QString reply;
    link.ReadDevice(reply, ReplySeconds, false);
    return reply;
}

void setSelection(DeviceLink& link, const QString& selection)
{
    link.WriteDevice(QStringLiteral("MOD:TYPE:SEL ") + selection, false);
    exchange(link, QStringLiteral("MOD:TYPE:SEL?"));
}

struct TableRow {
    double vmod = 0;
    double value = 0;
};

bool inRange(const TableRow& row)
{
    return row.vmod >= MinVmod && row.vmod <= MaxVmod && row.value >= MinModValue && row.value <= MaxModValue;
}

} // namespace

void CheckModulationTable(DeviceLink& link)
{
    const QStringList parts = exchange(link, QStringLiteral("MOD:TYPE:SEL?")).split(QLatin1Char(','));
    double controlInput = 0;
    double type = 0;
    if (parts.size() >= 2) {
        controlInput = legacy::leadingNumber(parts[0]);
        type = legacy::leadingNumber(parts[1]);
    }
    if (controlInput >= UntabledControlInput || type >= UntabledType) {
        ResetModulationTable(link);
        return;
    }

    std::array<TableRow, TableRows> rows{};
    for (int row = 1; row <= TableRows; ++row) {
        const QString reply = exchange(link, QStringLiteral("MOD:TABL? ") + QString::number(row));
        const qsizetype open = reply.indexOf(QLatin1Char('('));
        if (open < 0)
            break;
        const qsizetype comma = reply.indexOf(QLatin1Char(','));
        const qsizetype vmodEnd = comma > open ? comma : reply.size();
        rows[row - 1].vmod = legacy::leadingNumber(reply.mid(open + 1, vmodEnd - open - 1));
        rows[row - 1].value = comma >= 0 ? legacy::leadingNumber(reply.mid(comma + 1)) : 0;
    }
    for (const TableRow& row : rows) {
        if (!inRange(row)) {
            ResetModulationTable(link);
            return;
        }
    }
    setSelection(link, QString::number(controlInput) + QLatin1Char(',') + QString::number(type));
}

void ResetModulationTable(DeviceLink& link)
{
    setSelection(link, QStringLiteral("1,0"));
    for (int row = 1; row <= TableRows; ++row) {
        link.WriteDevice(QStringLiteral("MOD:TABL ") + QString::number(row) + QStringLiteral("(0,0)"), false);
        exchange(link, QStringLiteral("MOD:TABL? ") + QString::number(row));
    }
    setSelection(link, QStringLiteral("0,0"));
}

} // namespace dalto::firmware
