#pragma once
// The trend log as comma-separated values, one reading a line, oldest first:
// the time of day (ISO 8601 with milliseconds and the UTC offset), seconds since
// the session started, voltage, current, the status and fault words and the
// names of their set bits. Numbers always carry a '.' decimal point, whatever
// the user's locale, so that any spreadsheet or script reads them alike.

#include <QByteArray>

namespace dalto::front::trend {

class TrendLog;

QByteArray TrendCsv(const TrendLog& log);

} // namespace dalto::front::trend
