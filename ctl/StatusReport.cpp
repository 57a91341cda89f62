#include "StatusReport.h"

#include "panels/front/ReadoutValue.h"
#include "protocol/StatusBitNames.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace dalto::ctl {

namespace {

QString namesOrNone(const QStringList& names)
{
    return names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "));
}

} // namespace

StatusReport MakeStatusReport(const front::StatusReading& reading, const QString& voltFormat,
                              const QString& currFormat, const QString& time)
{
    return {time,
            front::ShowValueText(float(reading.voltage), voltFormat),
            front::ShowValueText(float(reading.current), currFormat),
            reading.statusWord,
            reading.faultWord,
            statusbits::StateNames(reading.statusWord, reading.faultWord),
            statusbits::FaultNames(reading.faultWord)};
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
