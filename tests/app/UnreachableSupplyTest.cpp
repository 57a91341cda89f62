// Start-up against a TCP/IP supply that is off: a loopback port nobody listens on.

#include "AppFixture.h"
#include "link/DeviceLink.h"

#include <QFile>
#include <QHostAddress>
#include <QTcpServer>

using namespace dalto;
using namespace dalto::testing;

namespace {

// A loopback port that refuses connections: one the system just handed out and
// that is closed again.
int closedLoopbackPort()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        return 0;
    return server.serverPort();
}

class UnreachableSupplyTest : public AppFixture {};

} // namespace

TEST_F(UnreachableSupplyTest, StartUpFallsIntoSimulatedModeAndRecordsWhy)
{
    const int port = closedLoopbackPort();
    ASSERT_NE(port, 0);
    QFile log(dir.filePath("debug.txt"));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("an earlier run\n");
    log.close();

    AppSettings settings;
    settings.port = port;
    settings.realLink = true;
    makeApp(settings);
    app->start();

    ASSERT_EQ(prompts.messageTexts(), QStringList{"Device Timed Out.  Entering Simulated Mode!"});
    EXPECT_EQ(prompts.messages[0].title, "Comm Error");
    EXPECT_EQ(app->state().BusCode, 5);
    EXPECT_EQ(visiblePanels(), 1);
    // The earlier run's record is gone; this start-up's cause is kept.
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString record = QString::fromLocal8Bit(log.readAll());
    EXPECT_FALSE(record.contains("an earlier run"));
    EXPECT_TRUE(record.contains(QStringLiteral("connection refused by 127.0.0.1:%1").arg(port))) << record.toStdString();
    EXPECT_EQ(app->link().health().reason, QStringLiteral("connection refused by 127.0.0.1:%1").arg(port));
}
