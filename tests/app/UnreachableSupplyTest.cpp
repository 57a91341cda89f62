// Start-up against a TCP/IP supply that is off: a loopback port nobody listens on.

#include "AppFixture.h"

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

TEST_F(UnreachableSupplyTest, StartUpTimesOutIntoSimulatedModeWithAnEmptyRecord)
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
    ASSERT_TRUE(log.exists());
    EXPECT_EQ(log.size(), 0);
}
