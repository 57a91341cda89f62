#include "TrendCsv.h"

#include "TrendLog.h"
#include "TrendMarks.h"

#include <cmath>

namespace dalto::front::trend {

namespace {
// The readings come in thousandths, so three decimals lose nothing.
QByteArray Fixed(double value)
{
    return QByteArray::number(value, 'f', 3);
}
} // namespace

QByteArray TrendCsv(const TrendLog& log)
{
    // The words and bit names go by the names daltoctl gives them.
    QByteArray csv("time,seconds,voltage_V,current_A,status_word,fault_word,flags\n");
    // A fixed offset keeps every stamp in the zone the session started in.
    const QDateTime start = log.startWall().toOffsetFromUtc(log.startWall().offsetFromUtc());
    for (std::size_t i = 0; i < log.size(); ++i) {
        const TrendRecord& r = log.at(i);
        const QDateTime stamp = start.addMSecs(std::llround(r.seconds * 1000));
        csv += stamp.toString(Qt::ISODateWithMs).toLatin1();
        csv += ',' + Fixed(r.seconds) + ',' + Fixed(r.volts) + ',' + Fixed(r.amps);
        csv += ',' + QByteArray::number(r.status) + ',' + QByteArray::number(r.fault);
        csv += ',' + DecodedFlags(r.status, r.fault).toLatin1() + '\n';
    }
    return csv;
}

} // namespace dalto::front::trend
