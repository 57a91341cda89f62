#pragma once
// One "<>STA" reading as daltoctl prints it: the measured output in the supply's
// display formats and the set bits of the status and fault words by their lamp
// names (the state apart from the faults), as plain lines, as a CSV row or as one
// JSON line.

#include "panels/front/StatusReply.h"

#include <QString>
#include <QStringList>

namespace dalto::ctl {

struct StatusReport {
    QString time;      // when the reading was taken, ISO 8601
    QString voltage;   // volts in the voltage display format
    QString current;   // amperes in the current display format
    int32_t statusWord = 0;
    int32_t faultWord = 0;
    QStringList status; // names of the set bits that tell the state, REMOTE among them
    QStringList faults; // names of the set fault bits
};

StatusReport MakeStatusReport(const front::StatusReading& reading, const QString& voltFormat,
                              const QString& currFormat, const QString& time);

QString StatusText(const StatusReport& report);
QString CsvHeader();
QString CsvLine(const StatusReport& report);
QString JsonLine(const StatusReport& report);

} // namespace dalto::ctl
