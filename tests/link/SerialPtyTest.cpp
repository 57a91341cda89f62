// The link over a real serial line: a socat pseudo-terminal pair, with the
// settings file mapping the port number to the program's end.
#include "PtyPair.h"
#include "ScriptedPrompts.h"
#include "core/AppContext.h"
#include "core/Transcript.h"
#include "link/DeviceLink.h"
#include "link/LinkBackends.h"

#include <QFile>
#include <QSerialPort>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace dalto::testing {
namespace {

constexpr int PortNumber = 4;

class SerialPty : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.isReady()) << pty.errorText().toStdString();
        QFile ini(context.paths.configFile());
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[Serial_Ports]\r\nPort%1=%2\r\n").arg(PortNumber).arg(pty.first()).toLocal8Bit());
        ini.close();
        deviceEnd.setPortName(pty.second());
        ASSERT_TRUE(deviceEnd.open(QIODevice::ReadWrite));
        context.state.Transcript = &transcript;
        context.state.DeviceAddress = "7";
        context.state.DevicePort = PortNumber;
    }

    // What reaches the device end, waiting until count bytes have come.
    QByteArray receivedAtDevice(qsizetype count)
    {
        QByteArray got;
        while (got.size() < count && deviceEnd.waitForReadyRead(2000))
            got += deviceEnd.readAll();
        return got;
    }

    void answer(const QByteArray& bytes)
    {
        deviceEnd.write(bytes);
        deviceEnd.waitForBytesWritten(2000);
    }

    PtyPair pty;
    QSerialPort deviceEnd;
    QTemporaryDir folder;
    SteadyClock clock;
    ScriptedPrompts prompts;
    AppContext context{clock, prompts, Paths(folder.path(), folder.path() + "/Dalto_Panel.ini", folder.path())};
    MemoryTranscript transcript;
    DeviceLink link{context, realLinkBackends(context)};
};

TEST_F(SerialPty, Rs232CommandAndPiecewiseReply)
{
    context.state.BusCode = 1;
    ASSERT_TRUE(link.InitComm()) << prompts.messageTexts().join(' ').toStdString();
    EXPECT_EQ(link.WriteDevice(QStringLiteral("MEAS:CURR?"), false), 11);
    EXPECT_EQ(receivedAtDevice(11), "MEAS:CURR?\n");

    answer("12.");
    answer("5\r\n");
    QString reply;
    EXPECT_EQ(link.ReadDevice(reply, 2, true), 6);
    EXPECT_EQ(reply, "12.5\r\n");
    EXPECT_EQ(transcript.transcriptText(), "RS232 - Initialized\r\n12.5\r\n");
}

TEST_F(SerialPty, FlushInputDropsWhatTheSystemHoldsAsWell)
{
    // A second reader of the program's end sees when bytes wait in the system's
    // queue; it must open the port before the link, which then claims it alone.
    const int watcher = ::open(pty.first().toLocal8Bit().constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(watcher, 0);
    context.state.BusCode = 1;
    ASSERT_TRUE(link.InitComm());
    answer("stale\r\n");
    pollfd waiting{watcher, POLLIN, 0};
    const int ready = ::poll(&waiting, 1, 5000);
    ::close(watcher);
    ASSERT_EQ(ready, 1);

    link.FlushInput();
    link.WriteDevice(QStringLiteral("X"), false);
    ASSERT_EQ(receivedAtDevice(2), "X\n");
    answer("fresh\r\n");
    QString reply;
    EXPECT_EQ(link.ReadDevice(reply, 2, false), 7);
    EXPECT_EQ(reply, "fresh\r\n");
}

TEST_F(SerialPty, Rs485SelectSequenceReachesTheDevice)
{
    context.state.BusCode = 3;
    ASSERT_TRUE(link.InitComm());
    EXPECT_EQ(receivedAtDevice(5), QByteArray("\x13" "07" "\x01" "\n"));
}

TEST_F(SerialPty, UnmappedMissingPortIsAnInitialisationFault)
{
    context.state.BusCode = 1;
    context.state.DevicePort = 99; // /dev/ttyS98 does not exist
    EXPECT_FALSE(link.InitComm());
    EXPECT_EQ(context.state.BusCode, 5);
    QFile log(context.paths.debugLogFile());
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().startsWith("\"Initialization Error:\r\nError Description: "));
    EXPECT_EQ(link.health().reason, "serial port /dev/ttyS98 is missing");
}

TEST_F(SerialPty, APortAnotherProgramHoldsIsBusy)
{
    QSerialPort other;
    other.setPortName(pty.first());
    ASSERT_TRUE(other.open(QIODevice::ReadWrite));
    context.state.BusCode = 1;
    EXPECT_FALSE(link.InitComm());
    EXPECT_EQ(link.health().reason, "serial port " + pty.first() + " is busy");
}

} // namespace
} // namespace dalto::testing
