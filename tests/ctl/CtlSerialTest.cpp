// daltoctl over a serial line: a socat pseudo-terminal pair, the settings file
// mapping the port number to daltoctl's end and dalto-sim on the other.
#include "CtlRun.h"
#include "PtyPair.h"
#include "support/SimProcess.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dalto::testing {
namespace {

constexpr int PortNumber = 4;

class CtlSerial : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.isReady()) << pty.errorText().toStdString();
        QFile ini(config());
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[Serial_Ports]\nPort%1=%2\n").arg(PortNumber).arg(pty.first()).toUtf8());
    }

    QString config() const { return folder.filePath("serial.ini"); }

    CtlResult run(const QString& bus, const QStringList& arguments)
    {
        return RunCtl(QStringList{"--config", config(), "--bus", bus, "--port", QString::number(PortNumber),
                                  "--address", "7"}
                      + arguments);
    }

    PtyPair pty;
    QTemporaryDir folder;
};

TEST_F(CtlSerial, Rs232QueryAndSend)
{
    SimProcess sim({"--serial", pty.second()});
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    EXPECT_EQ(run("rs232", {"send", "VOLT 3"}).exitCode, 0);
    const CtlResult queried = run("rs232", {"query", "*IDN?", "VOLT?"});
    EXPECT_EQ(queried.exitCode, 0) << queried.err.toStdString();
    ASSERT_EQ(queried.outLines().size(), 2) << queried.out.toStdString();
    EXPECT_TRUE(queried.outLines()[0].startsWith("DALTO,"));
    EXPECT_EQ(queried.outLines()[1], "3.000");
}

TEST_F(CtlSerial, Rs485PacketsReachTheAddressedNode)
{
    SimProcess sim({"--serial", pty.second(), "--rs485", "7"});
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    EXPECT_EQ(run("rs485-packet", {"output", "on"}).exitCode, 0);
    const CtlResult status = run("rs485-packet", {"status"});
    EXPECT_EQ(status.exitCode, 0) << status.err.toStdString();
    EXPECT_TRUE(status.out.contains("POWER")) << status.out.toStdString();
}

} // namespace
} // namespace dalto::testing
