// daltoctl over a serial line: a socat pseudo-terminal pair, the settings file
// mapping the port number to daltoctl's end and dalto-sim on the other.
#include "CtlRun.h"
#include "PtyPair.h"
#include "firmware/HexText.h"
#include "support/SimProcess.h"

#include <QFile>
#include <QProcess>
#include <csignal>
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

    // Ten records of sixteen bytes from 0x200 on; data gets what they hold.
    QString writeHexFile(QByteArray* data = nullptr)
    {
        QByteArray hex = upperLine(0);
        for (int record = 0; record < 10; ++record) {
            const QByteArray bytes(16, char(0x10 + record));
            hex += hexLine(0x00, uint16_t(0x200 + 16 * record), bytes);
            if (data)
                *data += bytes;
        }
        QFile file(folder.filePath("new.hex"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(hex + endLine());
        return file.fileName();
    }

    QStringList connection() const
    {
        return {"--config", config(), "--bus", "rs232", "--port", QString::number(PortNumber)};
    }

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

TEST_F(CtlSerial, FlashIntoTheBootLoaderWithPlainProgressLines)
{
    const QString image = folder.filePath("image.bin");
    // A surplus probe answer and a refused record on the way.
    SimProcess sim({"--serial", pty.second(), "--boot-loader", "--firmware-image", image, "--flash-version", "2.3",
                    "--boot-second-probe-answer", "80", "--boot-refuse", "36"});
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    QByteArray data;
    const QString hex = writeHexFile(&data);

    const CtlResult flashed = run("rs232", {"flash", hex});
    EXPECT_EQ(flashed.exitCode, 0) << flashed.err.toStdString();
    const QStringList lines = flashed.outLines();
    for (const char* line : {"Initiating", "Erasing", "Erasing 100%", "Loading", "Loading 90%", "Finished"})
        EXPECT_TRUE(lines.contains(line)) << line << "\n" << flashed.out.toStdString();
    const CtlResult version = run("rs232", {"query", "SYST:VERS?"});
    EXPECT_TRUE(version.out.contains("Control 2.3 ")) << version.out.toStdString() << version.err.toStdString();
    QFile written(image);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().mid(0x200), data);
}

TEST_F(CtlSerial, FlashFailsWhenTheStateReadAfterProgrammingGetsNoReply)
{
    // The supply answers the two polls after its restart, then nothing.
    QFile plan(folder.filePath("plan.txt"));
    ASSERT_TRUE(plan.open(QIODevice::WriteOnly));
    plan.write("silent after 2\n");
    plan.close();
    SimProcess sim({"--serial", pty.second(), "--boot-loader", "--fault-plan", plan.fileName()});
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    const CtlResult flashed = run("rs232", {"flash", writeHexFile()});
    EXPECT_EQ(flashed.exitCode, 1) << flashed.out.toStdString() << flashed.err.toStdString();
}

TEST_F(CtlSerial, CtrlCStopsTheFlashAndSaysTheSupplyMustBeProgrammedAgain)
{
    // The boot loader hangs after five packets, so the transfer would repeat the
    // sixth for ten seconds.
    SimProcess sim({"--serial", pty.second(), "--boot-loader", "--boot-stop-after", "5"});
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    QProcess ctl;
    ctl.start(qEnvironmentVariable("DALTOCTL"), connection() + QStringList{"flash", writeHexFile()});
    ASSERT_TRUE(ctl.waitForStarted());
    QByteArray out;
    while (!out.contains("Erasing") && ctl.waitForReadyRead(CtlRunLimitMs))
        out += ctl.readAllStandardOutput();
    ASSERT_TRUE(out.contains("Erasing")) << out.toStdString();
    ::kill(pid_t(ctl.processId()), SIGINT);
    ASSERT_TRUE(ctl.waitForFinished(CtlRunLimitMs));
    out += ctl.readAllStandardOutput();
    EXPECT_EQ(ctl.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(ctl.exitCode(), 130);
    EXPECT_TRUE(out.trimmed().endsWith("Stopped")) << out.toStdString();
    EXPECT_EQ(QString::fromLocal8Bit(ctl.readAllStandardError()).trimmed(),
              "daltoctl: interrupted: the supply is left in its boot loader and must be programmed again");
}

} // namespace
} // namespace dalto::testing
