// dalto-sim's answer to the program's network search, and its options.
#include "sim/SimOptions.h"
#include "support/SimProcess.h"

#include <QDeadlineTimer>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <gtest/gtest.h>

using dalto::testing::SimProcess;

namespace {

constexpr int ReplyWaitMs = 5000;

// The next datagram on socket, or nothing when none comes in time.
std::optional<QNetworkDatagram> nextDatagram(QUdpSocket& socket, int waitMs)
{
    if (!socket.hasPendingDatagrams() && !socket.waitForReadyRead(waitMs))
        return std::nullopt;
    return socket.receiveDatagram();
}

TEST(SimDiscovery, AnswersTheSearchRequestWithNameMacAndTcpPort)
{
    SimProcess sim({"--discovery", "127.0.0.1:0", "--name", "BENCH-1", "--mac", "02-00-00-00-00-07"});
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    ASSERT_NE(sim.discoveryPort(), 0);
    QUdpSocket socket;
    ASSERT_TRUE(socket.bind(QHostAddress::LocalHost, 0));

    // Anything but the one-character request goes unanswered; the reply that
    // follows proves the earlier datagrams were read and ignored.
    for (const QByteArray& ignored : {QByteArray("DD"), QByteArray("d"), QByteArray(4000, 'D')})
        socket.writeDatagram(ignored, QHostAddress::LocalHost, sim.discoveryPort());
    socket.writeDatagram("D", QHostAddress::LocalHost, sim.discoveryPort());
    const auto reply = nextDatagram(socket, ReplyWaitMs);
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->data(), "BENCH-1\r\n02-00-00-00-00-07\r\n" + QByteArray::number(sim.port()) + "\r\n");
    EXPECT_FALSE(nextDatagram(socket, 200)) << "one request, one answer";
}

TEST(SimDiscovery, OptionsAreCheckedBeforeTheSimulatorStarts)
{
    const auto parse = [](QStringList arguments) {
        arguments.prepend("dalto-sim");
        return dalto::sim::parseSimOptions(arguments);
    };
    const auto good = parse({"--discovery", "127.0.0.1:40000", "--name", "LAB-2"});
    ASSERT_TRUE(good.options);
    EXPECT_EQ(good.options->discoveryHost, QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(good.options->discoveryPort, 40000);
    EXPECT_EQ(good.options->networkName, "LAB-2");

    EXPECT_FALSE(parse({}).options->discoveryHost) << "no responder unless asked for";
    for (const QStringList& bad : {QStringList{"--name", "LAB-2"}, QStringList{"--discovery", "127.0.0.1:70000"},
                                   QStringList{"--discovery", "nowhere:1"},
                                   QStringList{"--discovery", ":0", "--mac", "00:11:22"},
                                   QStringList{"--discovery", ":0", "--name", "two words"}}) {
        const auto parsed = parse(bad);
        EXPECT_TRUE(parsed.failed) << bad.join(' ').toStdString();
        EXPECT_FALSE(parsed.options);
    }
}

} // namespace
