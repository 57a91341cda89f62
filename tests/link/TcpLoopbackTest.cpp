// The link over a real TCP connection to a peer on 127.0.0.1.
#include "ScriptedPrompts.h"
#include "core/AppContext.h"
#include "core/Transcript.h"
#include "link/DeviceLink.h"
#include "link/LinkBackends.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#ifdef Q_OS_LINUX
#include <linux/sockios.h>
#include <sys/ioctl.h>
#endif

namespace dalto::testing {
namespace {

// Answers every command line with "=" + line + CR LF, the answer split into two
// sends so that the link sees a reply arrive in pieces. Records empty lines.
class AnsweringPeer : public QObject {
public:
    AnsweringPeer()
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, this, [this] {
            client = server.nextPendingConnection();
            QObject::connect(client, &QTcpSocket::readyRead, this, [this] { answer(*client); });
        });
    }

    void answer(QTcpSocket& client)
    {
        received += client.readAll();
        qsizetype end;
        while ((end = received.indexOf('\n')) >= 0) {
            const QByteArray line = received.left(end);
            received.remove(0, end + 1);
            if (line.isEmpty()) {
                ++keepAlives;
            } else if (!silent) {
                client.write("=" + line);
                client.flush();
                QTimer::singleShot(30, &client, [&client] { client.write("\r\n"); });
            }
        }
    }

    QTcpServer server;
    QTcpSocket* client = nullptr;
    QByteArray received;
    int keepAlives = 0;
    bool silent = false;
};

class TcpLoopback : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(peer.server.isListening());
        context.state.Transcript = &transcript;
        context.state.BusCode = 2;
        context.state.DeviceAddress = "127.0.0.1";
        context.state.DevicePort = peer.server.serverPort();
        ASSERT_TRUE(link.InitComm());
    }

    QTemporaryDir folder;
    SteadyClock clock;
    ScriptedPrompts prompts;
    AppContext context{clock, prompts, Paths(folder.path(), folder.path() + "/Dalto_Panel.ini", folder.path())};
    MemoryTranscript transcript;
    AnsweringPeer peer;
    DeviceLink link{context, realLinkBackends(context)};
};

TEST_F(TcpLoopback, CommandAndReplyRoundTrip)
{
    EXPECT_EQ(transcript.transcriptText(), "TCP/IP - Initialized\r\n");
    EXPECT_EQ(link.WriteDevice(QStringLiteral("MEAS:VOLT?"), true), 11);
    QString reply;
    EXPECT_EQ(link.ReadDevice(reply, 5, true), 13);
    EXPECT_EQ(reply, "=MEAS:VOLT?\r\n");
    EXPECT_EQ(transcript.transcriptText(), "TCP/IP - Initialized\r\nMEAS:VOLT?\n=MEAS:VOLT?\r\n");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(TcpLoopback, KeepAliveReachesThePeer)
{
    link.KeepAlive();
    link.WriteDevice(QStringLiteral("*OPC?"), false);
    QString reply;
    ASSERT_EQ(link.ReadDevice(reply, 5, false), 8);
    EXPECT_EQ(peer.keepAlives, 1);
}

TEST_F(TcpLoopback, SilentPeerTimesOut)
{
    peer.silent = true;
    link.WriteDevice(QStringLiteral("*IDN?"), false);
    QString reply;
    EXPECT_EQ(link.ReadDeviceQuiet(reply, 1, false), -1);
    EXPECT_EQ(context.state.BusCode, 2);
}

// The system's send queue is read the Linux way.
#ifdef Q_OS_LINUX
TEST_F(TcpLoopback, FlushInputDropsWhatTheSystemHoldsAsWell)
{
    // A first exchange makes sure that the peer has taken the connection.
    link.WriteDevice(QStringLiteral("A"), false);
    QString reply;
    ASSERT_EQ(link.ReadDevice(reply, 5, false), 4);

    peer.client->write("stale\r\n");
    peer.client->flush();
    // Once the link's system has acknowledged the bytes they wait in its queue.
    int unacknowledged = 0;
    for (int round = 0;; ++round) {
        ASSERT_EQ(::ioctl(int(peer.client->socketDescriptor()), SIOCOUTQ, &unacknowledged), 0);
        if (unacknowledged == 0 || round == 500)
            break;
        clock.delay(10);
    }
    ASSERT_EQ(unacknowledged, 0);

    link.FlushInput();
    link.WriteDevice(QStringLiteral("B"), false);
    EXPECT_EQ(link.ReadDevice(reply, 5, false), 4);
    EXPECT_EQ(reply, "=B\r\n");
}
#endif

} // namespace
} // namespace dalto::testing
