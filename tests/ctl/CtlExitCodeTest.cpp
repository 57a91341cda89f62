// What a script sees when something is wrong: a clear message on standard error
// and exit code 1 for the device, 2 for the command line or a file named on it.
#include "CtlRun.h"
#include "firmware/HexText.h"
#include "support/SimProcess.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dalto::testing {
namespace {

// A loopback port nobody listens on.
quint16 deadPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

TEST(CtlExitCodes, ADeadPortIsADeviceError)
{
    const CtlResult result = RunCtl(TcpTo(deadPort()) + QStringList{"query", "*IDN?"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.isEmpty());
    EXPECT_FALSE(result.err.isEmpty());
    EXPECT_EQ(RunCtl(TcpTo(deadPort()) + QStringList{"output", "on"}).exitCode, 1)
        << "a command without a reply still notices the missing device";
}

TEST(CtlExitCodes, ARefusedPortIsNamedWithoutWaitingForTheTimeOut)
{
    const quint16 port = deadPort();
    QElapsedTimer elapsed;
    elapsed.start();
    // With a 30 s time-out a run that waited for a reply would take 30 s.
    const CtlResult result = RunCtl(TcpTo(port) + QStringList{"--timeout", "30", "query", "*IDN?"});
    EXPECT_LT(elapsed.elapsed(), 15000);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.out.isEmpty()) << "no simulated reply: " << result.out.toStdString();
    EXPECT_TRUE(result.err.contains(QStringLiteral("the supply is not connected: connection refused by 127.0.0.1:%1")
                                        .arg(port)))
        << result.err.toStdString();
}

TEST(CtlExitCodes, ASupplyLostDuringACommandEndsItWithTheCause)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    // The supply goes away while a watch is running: the watch stops there.
    QProcess ctl;
    ctl.setProgram(qEnvironmentVariable("DALTOCTL"));
    ctl.setArguments(TcpTo(sim.port()) + QStringList{"status", "--watch", "0.2", "--count", "1000"});
    ctl.start();
    ASSERT_TRUE(ctl.waitForReadyRead(CtlRunLimitMs));
    sim.stop(SIGKILL);
    ASSERT_TRUE(ctl.waitForFinished(CtlRunLimitMs));
    EXPECT_EQ(ctl.exitCode(), 1);
    const QString err = QString::fromLocal8Bit(ctl.readAllStandardError());
    EXPECT_TRUE(err.contains("the supply is not connected: the supply at 127.0.0.1:")) << err.toStdString();
}

TEST(CtlExitCodes, BadFilesAreRefusedBeforeTheDeviceIsAsked)
{
    QTemporaryDir folder;
    QFile hex(folder.filePath("broken.hex"));
    ASSERT_TRUE(hex.open(QIODevice::WriteOnly));
    hex.write(":020000040000FA\n:00000001FF\n");
    hex.close();
    // A dead port would give 1: 2 shows the file was refused first.
    const CtlResult flash = RunCtl(TcpTo(deadPort()) + QStringList{"flash", hex.fileName()});
    EXPECT_EQ(flash.exitCode, 2);
    EXPECT_TRUE(flash.err.contains("refused")) << flash.err.toStdString();
    EXPECT_EQ(RunCtl(TcpTo(deadPort()) + QStringList{"modtable", "load", folder.filePath("missing.modTable")}).exitCode,
              2);

    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    QFile table(folder.filePath("garbage.modTable"));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write("not a table\n");
    table.close();
    const CtlResult load = RunCtl(TcpTo(sim.port()) + QStringList{"modtable", "load", table.fileName()});
    EXPECT_EQ(load.exitCode, 2);
    EXPECT_TRUE(load.err.contains("Invalid Modulation Table")) << load.err.toStdString();
}

TEST(CtlExitCodes, FlashRefusesEveryBusButRs232WithThePanelsWordsBeforeTouchingIt)
{
    QTemporaryDir folder;
    QFile hex(folder.filePath("image.hex"));
    ASSERT_TRUE(hex.open(QIODevice::WriteOnly));
    hex.write(upperLine(0));
    for (int record = 0; record < 10; ++record)
        hex.write(hexLine(0x00, uint16_t(0x200 + 16 * record), QByteArray(16, '\x5A')));
    hex.write(endLine());
    hex.close();
    QTcpServer listener;
    ASSERT_TRUE(listener.listen(QHostAddress::LocalHost, 0));
    const QStringList at{"--address", "127.0.0.1", "--port", QString::number(listener.serverPort())};
    for (const char* bus : {"tcp", "rs485-select", "rs485-packet", "gpib", "sim"}) {
        const CtlResult flash = RunCtl(QStringList{"--bus", bus} + at + QStringList{"flash", hex.fileName()});
        EXPECT_EQ(flash.exitCode, 2) << bus << ": " << flash.err.toStdString();
        const QString text = QString(bus) == "sim" ? "Cannot program firmware in simulated mode."
                                                   : "Can only program firmware via RS-232.";
        EXPECT_EQ(flash.err.trimmed(), "daltoctl: " + text) << bus;
        EXPECT_TRUE(flash.out.isEmpty()) << bus;
    }
    EXPECT_FALSE(listener.waitForNewConnection(0));
}

TEST(CtlExitCodes, UsageErrors)
{
    for (const QStringList& arguments : {QStringList{}, QStringList{"set", "voltage"}, QStringList{"--bus", "usb", "info"},
                                         QStringList{"output", "maybe"}, QStringList{"frobnicate"},
                                         QStringList{"--bus", "tcp", "--port", "eighty", "info"}}) {
        const CtlResult result = RunCtl(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(result.err.isEmpty()) << arguments.join(' ').toStdString();
    }
    EXPECT_EQ(RunCtl({"status", "--help"}).exitCode, 0);

    const CtlResult mistyped = RunCtl({"--bus", "tcp", "--port", "1", "stauts"});
    EXPECT_EQ(mistyped.exitCode, 2);
    EXPECT_TRUE(mistyped.err.contains("unknown subcommand 'stauts'; did you mean 'status'?"))
        << mistyped.err.toStdString();
}

// The shipped settings select Simulated mode: a run on them would answer every
// query with made-up values and exit 0.
TEST(CtlExitCodes, SimulatedModeOnlyWhenTheCommandLineAsksForIt)
{
    QTemporaryDir folder;
    const QString config = folder.filePath("Dalto_Panel.ini");
    ASSERT_TRUE(QFile::copy(DALTO_SOURCE_DIR "/resources/Dalto_Panel.ini", config));
    for (const QStringList& command : {QStringList{"query", "VOLT?"}, QStringList{"status"}, QStringList{"info"}}) {
        const CtlResult refused = RunCtl(QStringList{"--config", config} + command);
        EXPECT_EQ(refused.exitCode, 2) << command.join(' ').toStdString();
        EXPECT_TRUE(refused.out.isEmpty()) << refused.out.toStdString();
        EXPECT_TRUE(refused.err.contains("--bus sim")) << refused.err.toStdString();
    }

    const CtlResult chosen = RunCtl({"--config", config, "--bus", "sim", "query", "VOLT?"});
    EXPECT_EQ(chosen.exitCode, 0) << chosen.err.toStdString();
    EXPECT_EQ(chosen.outLines().size(), 1);
    const QStringList warnings = chosen.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(warnings.size(), 1) << chosen.err.toStdString();
    EXPECT_TRUE(warnings[0].contains("Simulated mode")) << warnings[0].toStdString();
}

} // namespace
} // namespace dalto::testing
