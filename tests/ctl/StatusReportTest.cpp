// The decoded "<>STA" reading as daltoctl prints it.
#include "ctl/StatusReport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace dalto::ctl {
namespace {

TEST(StatusReport, ReadingInTheDisplayFormatsAsTextCsvAndJson)
{
    // REMOTE says who is in control: it is listed with the state, not the faults.
    // 5.006 V and 12.34 A: the read-outs cut, they do not round.
    const auto reading = front::ReadStatusReply(QStringLiteral("138E,3034,580,201\r\n"), {});
    ASSERT_TRUE(reading);
    const StatusReport report = MakeStatusReport(*reading, "0.00", "0.0", "2026-01-02T03:04:05.006Z");
    EXPECT_EQ(StatusText(report), "voltage: 5.00 V\ncurrent: 12.3 A\nstatus: POWER, Voltage CTL, Current CTL, REMOTE\nfaults: OVT\n");
    EXPECT_EQ(CsvLine(report), "2026-01-02T03:04:05.006Z,5.00,12.3,1408,513,POWER|Voltage CTL|Current CTL|REMOTE,OVT\n");
    EXPECT_EQ(CsvHeader().count(','), CsvLine(report).count(','));

    const QString json = JsonLine(report);
    EXPECT_TRUE(json.endsWith('\n'));
    EXPECT_EQ(json.count('\n'), 1);
    const QJsonObject object = QJsonDocument::fromJson(json.toUtf8()).object();
    EXPECT_DOUBLE_EQ(object.value("voltage").toDouble(), 5.0);
    EXPECT_EQ(object.value("faults").toVariant().toStringList(), QStringList({"OVT"}));
    EXPECT_EQ(object.value("status").toVariant().toStringList().last(), "REMOTE");
    EXPECT_EQ(StatusText(MakeStatusReport(*front::ReadStatusReply("0,0,0,0", {}), "0.00", "0.0", {})),
              "voltage: 0.00 V\ncurrent: 0.0 A\nstatus: none\nfaults: none\n");
}

} // namespace
} // namespace dalto::ctl
