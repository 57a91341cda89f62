// What the network search accepts as a device's reply, and where it searches.
#include "setup/DiscoveryReply.h"
#include "setup/DiscoverySettings.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace dalto {
namespace {

TEST(DiscoveryReply, ThreeLinesGiveNameMacAndPortAndLaterLinesAreIgnored)
{
    for (const QByteArray& datagram : {QByteArray("BENCH-1\r\n00:1E:C0:5D:A1:70\r\n50505"),
                                       QByteArray("BENCH-1\r\n00:1E:C0:5D:A1:70\r\n50505\r\n"),
                                       QByteArray("BENCH-1\r\n00:1E:C0:5D:A1:70\r\n50505\r\nextra\x01\xff")}) {
        const auto device = ParseDiscoveryReply(datagram);
        ASSERT_TRUE(device) << datagram.toStdString();
        EXPECT_EQ(device->name, "BENCH-1");
        EXPECT_EQ(device->macAddress, "00:1E:C0:5D:A1:70");
        EXPECT_EQ(device->port, "50505");
    }
}

TEST(DiscoveryReply, MalformedOrHostileDatagramsAreRefused)
{
    const QByteArray refused[] = {
        "",
        "D",
        "BENCH-1\r\n00:1E:C0:5D:A1:70",
        "BENCH-1\n00:1E:C0:5D:A1:70\n50505",
        "BENCH-1\r\n00:1E:C0:5D:A1:70\r\nport",
        "BENCH-1\r\n00:1E:C0:5D:A1:70\r\n0",
        "BENCH-1\r\n00:1E:C0:5D:A1:70\r\n70000",
        QByteArray("BEN\0CH\r\nmac\r\n5025", 18),
        "<b>\x1b[2J\r\nmac\r\n5025",
        QByteArray(200, 'N') + "\r\nmac\r\n5025",
        "N\r\nM\r\n5025\r\n" + QByteArray(MaxDiscoveryReplyBytes, 'x'),
    };
    for (const QByteArray& datagram : refused)
        EXPECT_FALSE(ParseDiscoveryReply(datagram)) << datagram.left(40).toStdString();
}

TEST(DiscoveryReply, LimitsHoldExactlyAtTheirEdges)
{
    const QByteArray head = "N\r\nM\r\n";
    const QByteArray fullSize = head + "5025\r\n";
    const std::pair<QByteArray, bool> cases[] = {
        {head + "1", true},
        {head + "65535", true},
        {head + "65536", false},
        {QByteArray(64, 'N') + "\r\nM\r\n5025", true},
        {QByteArray(65, 'N') + "\r\nM\r\n5025", false},
        {"~ N\r\nM\r\n5025", true},
        {"N\x7f\r\nM\r\n5025", false},
        {"N\x1f\r\nM\r\n5025", false},
        {fullSize + QByteArray(MaxDiscoveryReplyBytes - fullSize.size(), 'x'), true},
        {fullSize + QByteArray(MaxDiscoveryReplyBytes - fullSize.size() + 1, 'x'), false},
    };
    for (const auto& [datagram, accepted] : cases)
        EXPECT_EQ(ParseDiscoveryReply(datagram).has_value(), accepted) << datagram.left(70).toStdString();
}

class DiscoverySettingsFile : public ::testing::Test {
protected:
    QString write(const QByteArray& text)
    {
        const QString path = dir.filePath("Dalto_Panel.ini");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(DiscoverySettingsFile, MissingSectionMeansTheStandardBroadcastSearch)
{
    const DiscoverySettings settings = ReadDiscoverySettings(write("[Communication]\nComm=TCP/IP\n"));
    EXPECT_EQ(settings.target, QHostAddress(QHostAddress::Broadcast));
    EXPECT_EQ(settings.remotePort, 30303);
    EXPECT_EQ(settings.localPort, 30303);
}

TEST_F(DiscoverySettingsFile, LoopbackTargetAndChosenPortsAreTaken)
{
    const DiscoverySettings settings =
        ReadDiscoverySettings(write("[discovery]\ntarget=127.0.0.1\nRemotePort=40000\nLocalPort=0\n"));
    EXPECT_EQ(settings.target, QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(settings.remotePort, 40000);
    EXPECT_EQ(settings.localPort, 0);
}

TEST_F(DiscoverySettingsFile, UnusableValuesKeepTheirStandardSetting)
{
    const DiscoverySettings settings =
        ReadDiscoverySettings(write("[Discovery]\nTarget=localhost\nRemotePort=0\nLocalPort=70000\n"));
    EXPECT_EQ(settings.target, QHostAddress(QHostAddress::Broadcast));
    EXPECT_EQ(settings.remotePort, 30303);
    EXPECT_EQ(settings.localPort, 30303);
}

} // namespace
} // namespace dalto
