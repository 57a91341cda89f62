#include "StatusReport.h"

#include "panels/front/ReadoutValue.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <utility>

namespace dalto::ctl {

namespace {

using BitName = std::pair<int, const char*>;

// The lamps of the front panels: status word bits 3..10 (CV and CC are the
// control lamps beside the voltage and current read-outs), ARM of the HBX, and
// the interlock bit the configuration menu shows.
const std::array<BitName, 9> StatusBits = {{
    {0, "ARM"}, {2, "INTERLOCK"}, {3, "INT CTL"}, {4, "EXT CTL"}, {6, "STANDBY"},
    {7, "POWER"}, {8, "CV"}, {9, "REM SEN"}, {10, "CC"},
}};

const std::array<BitName, 8> FaultBits = {{
    {0, "OVT"}, {1, "OCT"}, {2, "PHL"}, {3, "PGL"}, {4, "THL"}, {5, "FSE"}, {8, "LOC"}, {9, "REMOTE"},
}};

template <std::size_t N>
QStringList setBitNames(int32_t word, const std::array<BitName, N>& names)
{
    QStringList set;
    for (const auto& [bit, name] : names) {
        if ((uint32_t(word) >> bit) & 1u)
            set << QString::fromLatin1(name);
    }
    return set;
}

QString namesOrNone(const QStringList& names)
{
    return names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "));
}

} // namespace

QStringList StatusBitNames(int32_t statusWord)
{
    return setBitNames(statusWord, StatusBits);
}

QStringList FaultBitNames(int32_t faultWord)
{
    return setBitNames(faultWord, FaultBits);
}

StatusReport MakeStatusReport(const front::StatusReading& reading, const QString& voltFormat,
                              const QString& currFormat, const QString& time)
{
    return {time,
            front::ShowValueText(float(reading.voltage), voltFormat),
            front::ShowValueText(float(reading.current), currFormat),
            reading.statusWord,
            reading.faultWord,
            StatusBitNames(reading.statusWord),
            FaultBitNames(reading.faultWord)};
}

QString StatusText(const StatusReport& report)
{
    return QStringLiteral("voltage: %1 V\ncurrent: %2 A\nstatus: %3\nfaults: %4\n")
        .arg(report.voltage, report.current, namesOrNone(report.status), namesOrNone(report.faults));
}

QString CsvHeader()
{
    return QStringLiteral("time,voltage,current,status_word,fault_word,status,faults\n");
}

// The bit names of one word go into one field, separated by "|".
QString CsvLine(const StatusReport& report)
{
    return QStringLiteral("%1,%2,%3,%4,%5,%6,%7\n")
        .arg(report.time, report.voltage, report.current)
        .arg(report.statusWord)
        .arg(report.faultWord)
        .arg(report.status.join(QLatin1Char('|')), report.faults.join(QLatin1Char('|')));
}

QString JsonLine(const StatusReport& report)
{
    const QJsonObject line{
        {QStringLiteral("time"), report.time},
        {QStringLiteral("voltage"), report.voltage.toDouble()},
        {QStringLiteral("current"), report.current.toDouble()},
        {QStringLiteral("status_word"), report.statusWord},
        {QStringLiteral("fault_word"), report.faultWord},
        {QStringLiteral("status"), QJsonArray::fromStringList(report.status)},
        {QStringLiteral("faults"), QJsonArray::fromStringList(report.faults)},
    };
    return QString::fromUtf8(QJsonDocument(line).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
}

} // namespace dalto::ctl
