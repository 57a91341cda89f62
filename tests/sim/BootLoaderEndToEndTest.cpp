// dalto-sim's boot loader on a pseudo-terminal pair, as the program's
// firmware loader meets it.
#include "BootPacket.h"
#include "SimOverSerial.h"

#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using dalto::testing::BootPacket;
using dalto::testing::EraseBody;
using dalto::testing::ProgramBody;
using dalto::testing::SimClient;
using dalto::testing::SimOverSerial;
using dalto::testing::SimProcess;
using ::testing::HasSubstr;

namespace {

const QByteArray Ack = QByteArrayLiteral("ACK\x04");
const QByteArray Refused = QByteArrayLiteral("N\x04");

class BootLoaderOverSerial : public SimOverSerial {
protected:
    QByteArray exchange(const QByteArray& body)
    {
        client.write(BootPacket(body));
        return client.readUntil('\x04');
    }
};

} // namespace

TEST_F(BootLoaderOverSerial, FlashesPacedToTheLineRateAndRestartsWithTheNewVersion)
{
    QTemporaryDir folder;
    const QString image = folder.filePath("image.bin");
    ASSERT_NO_FATAL_FAILURE(start({"--boot-loader", "--line-rate", "19200", "--firmware-image", image,
                                   "--flash-version", "2.3"}));

    client.write("\x0F");
    EXPECT_EQ(client.readUntil('\x04'), "B\x04");
    EXPECT_EQ(exchange(EraseBody(0x200)), Ack);
    const QByteArray data = QByteArray::fromHex("0F0405AA55000000" "0102030405060708");
    EXPECT_EQ(exchange(ProgramBody(0x2000, data)), Refused) << "block 0x2000 was not erased";
    QByteArray corrupt = BootPacket(ProgramBody(0x200, data));
    corrupt[6] = 0x11;
    client.write(corrupt);
    EXPECT_EQ(client.readUntil('\x04'), Refused);
    EXPECT_EQ(exchange(ProgramBody(0x200, data)), Ack);

    // The reset gets no answer; the restart swallows what comes meanwhile.
    client.write(BootPacket(QByteArray(1, '\x04')));
    EXPECT_EQ(client.query("VOLT?"), "<silent>");
    EXPECT_THAT(client.query("SYST:VERS?").toStdString(), HasSubstr("Control 2.3 "));

    QFile written(image);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray(0x200, '\xFF') + data);
}

TEST_F(BootLoaderOverSerial, PowerCycleCommandEntersItAndAHungLoaderFallsSilent)
{
    ASSERT_NO_FATAL_FAILURE(start({"--boot-stop-after", "1"}));
    EXPECT_EQ(client.query("SYST:COMM:SER:ADDR?"), "1") << "the supply answers until the power cycle";
    client.send("SIM:BOOT");
    EXPECT_EQ(exchange(EraseBody(0x1000)), Ack);
    EXPECT_EQ(exchange(EraseBody(0x2000)), "") << "fallen silent after one acknowledgement";

    // Another power cycle, from the TCP side, brings it back.
    QTcpSocket socket;
    socket.connectToHost(sim->host(), sim->port());
    ASSERT_TRUE(socket.waitForConnected(SimClient::ReplyWaitMs));
    SimClient tcp(socket);
    tcp.send("SIM:BOOT");
    EXPECT_EQ(tcp.query("SYST:COMM:SER:ADDR?"), "1") << "the TCP side stays, and the power cycle has happened";
    client.write("\x0F\x0F\x0F");
    EXPECT_EQ(client.readUntil('\x04'), "B\x04");
}

TEST_F(BootLoaderOverSerial, PlannedFaultsAnswerAProbeTwiceRefuseAPacketAndDelayAReply)
{
    ASSERT_NO_FATAL_FAILURE(start({"--boot-loader", "--boot-second-probe-answer", "300", "--boot-refuse", "2",
                                   "--boot-late", "3:600"}));
    client.write("\x0F");
    EXPECT_EQ(client.readUntil('\x04'), "B\x04");
    EXPECT_EQ(client.readUntil('\x04'), "B\x04") << "the first probe answered again";
    EXPECT_EQ(exchange(EraseBody(0x200)), Ack);
    EXPECT_EQ(exchange(EraseBody(0x1000)), Refused) << "packet 2";
    // Packet 3 writes into the block whose erase was refused; its refusal leaves
    // after the acknowledgement of packet 4.
    client.write(BootPacket(ProgramBody(0x1000, QByteArray(8, '\x33'))));
    client.write(BootPacket(EraseBody(0x2000)));
    EXPECT_EQ(client.readUntil('\x04'), Ack);
    EXPECT_EQ(client.readUntil('\x04'), Refused);
    EXPECT_EQ(exchange(EraseBody(0x1000)), Ack) << "a repeat is carried out";
}

TEST(BootLoaderOptions, NeedTheSerialLineAndSaneValues)
{
    for (const QStringList& bad : {QStringList {"--boot-loader"}, QStringList {"--line-rate", "19200"},
                                   QStringList {"--serial", "/dev/null", "--line-rate", "0"},
                                   QStringList {"--serial", "/dev/null", "--boot-stop-after", "0"},
                                   QStringList {"--serial", "/dev/null", "--flash-version", "new"},
                                   QStringList {"--serial", "/dev/null", "--boot-late", "5"},
                                   QStringList {"--serial", "/dev/null", "--boot-late", "0:100"},
                                   QStringList {"--serial", "/dev/null", "--boot-refuse", "0"},
                                   QStringList {"--boot-second-probe-answer", "80"}}) {
        QProcess sim;
        sim.start(SimProcess::executable(), bad);
        ASSERT_TRUE(sim.waitForFinished(SimProcess::StartTimeoutMs));
        EXPECT_EQ(sim.exitCode(), 1) << bad.join(' ').toStdString();
        EXPECT_THAT(sim.readAllStandardError().toStdString(), HasSubstr("--")) << bad.join(' ').toStdString();
    }
}
