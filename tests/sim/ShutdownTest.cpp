// dalto-sim stopped by a signal while clients are still connected on TCP and
// on a serial line: it ends normally and its traffic log is complete.
#include "SimClient.h"
#include "support/PtyPair.h"
#include "support/SimProcess.h"

#include <QFile>
#include <QSerialPort>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>

using dalto::testing::PtyPair;
using dalto::testing::SimClient;
using dalto::testing::SimProcess;

namespace {

class SimShutdown : public ::testing::TestWithParam<int> {};

TEST_P(SimShutdown, EndsWithExitCodeZeroAndACompleteLogWhileClientsPoll)
{
    QTemporaryDir dir;
    const QString logPath = dir.filePath("sim.log");
    PtyPair pty;
    ASSERT_TRUE(pty.isReady()) << pty.errorText().toStdString();
    SimProcess sim({"--serial", pty.second(), "--log", logPath});
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();

    QTcpSocket socket;
    socket.connectToHost(sim.host(), sim.port());
    ASSERT_TRUE(socket.waitForConnected(SimClient::ReplyWaitMs));
    SimClient tcp(socket);
    QSerialPort port;
    port.setPortName(pty.first());
    ASSERT_TRUE(port.open(QIODevice::ReadWrite)) << port.errorString().toStdString();
    SimClient serial(port);
    for (int poll = 0; poll < 3; ++poll) {
        EXPECT_EQ(tcp.query("<>STA"), "0,0,48,200,0");
        EXPECT_EQ(serial.query("<>STA"), "0,0,48,200,0");
    }

    EXPECT_EQ(sim.stop(GetParam()), 0);

    QFile log(logPath);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray text = log.readAll();
    EXPECT_TRUE(text.contains("tcp <- <>STA\n"));
    EXPECT_TRUE(text.contains("serial -> 0,0,48,200,0\\r\\n\n"));
    EXPECT_TRUE(text.endsWith("sim -- stopped\n")) << text.right(200).toStdString();
}

INSTANTIATE_TEST_SUITE_P(BySignal, SimShutdown, ::testing::Values(SIGTERM, SIGINT),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param == SIGTERM ? "Sigterm" : "Sigint");
                         });

} // namespace
