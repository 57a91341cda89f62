// The exact bytes, baud rates and pauses each bus puts on the wire.
#include "LinkFixture.h"

#include "link/gpib/SimulatedGpibBus.h"

namespace dalto::testing {
namespace {

using Kind = WireEvent::Kind;

class BusBytes : public LinkFixture {};

TEST_F(BusBytes, Rs232OpensAtStandardRateAndSendsCommandWithLf)
{
    ASSERT_TRUE(start(1, "7", 3));
    ASSERT_EQ(device.events().size(), 1u);
    EXPECT_EQ(device.events()[0].kind, Kind::Open);
    EXPECT_EQ(device.events()[0].port, 3);
    EXPECT_EQ(device.events()[0].baud, 19200);
    EXPECT_EQ(context.state.LinkControl, LinkControlKind::Serial);
    EXPECT_EQ(transcript.transcriptText(), "RS232 - Initialized\r\n");

    QString cmd = "VOLT 5";
    EXPECT_EQ(link->WriteDevice(cmd, true), 7);
    EXPECT_EQ(cmd, "VOLT 5\n");
    EXPECT_EQ(device.written(), "VOLT 5\n");
    EXPECT_EQ(transcript.transcriptText(), "RS232 - Initialized\r\nVOLT 5\n");
}

TEST_F(BusBytes, Rs485SelectSequenceAt9600ThenReopenAt19200)
{
    ASSERT_TRUE(start(3, "7", 2));
    const auto& e = device.events();
    ASSERT_EQ(e.size(), 5u);
    EXPECT_EQ(e[0].kind, Kind::Open);
    EXPECT_EQ(e[0].baud, 9600);
    EXPECT_EQ(e[1].bytes, QByteArray("\x13" "07" "\x01"));
    EXPECT_EQ(e[2].kind, Kind::Close);
    EXPECT_GE(e[2].time - e[1].time, 0.010 - 1e-9);
    EXPECT_EQ(e[3].kind, Kind::Open);
    EXPECT_EQ(e[3].baud, 19200);
    EXPECT_EQ(e[3].port, 2);
    EXPECT_EQ(e[4].bytes, "\n");
    EXPECT_EQ(transcript.transcriptText(), "RS485 - Initialized\r\n");

    const double before = clock.now();
    link->WriteDevice(QStringLiteral("*RST"), false);
    EXPECT_EQ(device.writes().back().bytes, "*RST\n");
    EXPECT_GE(device.writes().back().time - before, 0.010 - 1e-9);
}

TEST_F(BusBytes, Rs485PacketInitFlushesAndSelectsNodeWaitingForCr)
{
    device.deliverAt(clock.now(), "stale");
    device.reply("ack\r", 0.5, AnswersTo::AnyWrite);
    ASSERT_TRUE(start(4, "200"));
    ASSERT_EQ(device.writes().size(), 1u);
    EXPECT_EQ(device.writes()[0].bytes, "&C8800\r");
    EXPECT_EQ(device.events()[0].baud, 19200);
    // The acknowledgement ends the wait; the stale input was flushed before.
    EXPECT_LT(clock.now() - device.writes()[0].time, 1.0);
    EXPECT_EQ(device.unreadBytes(), 0);
    EXPECT_EQ(transcript.transcriptText(), "RS485 - Initialized\r\n");
}

TEST_F(BusBytes, Rs485PacketFramesOf32WithPauses)
{
    start(4, "7");
    const QString command = QString(70, QLatin1Char('A'));
    const double before = clock.now();
    const int sentBefore = int(device.writes().size());
    EXPECT_EQ(link->WriteDevice(command, false), 71);

    const auto writes = device.writes();
    ASSERT_EQ(int(writes.size()) - sentBefore, 3);
    const auto& f1 = writes[sentBefore];
    const auto& f2 = writes[sentBefore + 1];
    const auto& f3 = writes[sentBefore + 2];
    EXPECT_EQ(f1.bytes, "{07" + QByteArray(32, 'A') + "\r");
    EXPECT_EQ(f2.bytes, "{07" + QByteArray(32, 'A') + "\r");
    EXPECT_EQ(f3.bytes, "{07" + QByteArray(6, 'A') + "\n\r");
    EXPECT_NEAR(f1.time - before, 0.020, 1e-9);
    EXPECT_NEAR(f2.time - f1.time, 0.050, 1e-9);
    EXPECT_NEAR(f3.time - f2.time, 0.050, 1e-9);

    // Up to 32 characters, LF included, are one frame.
    link->WriteDevice(QString(31, QLatin1Char('B')), false);
    EXPECT_EQ(device.writes().size(), writes.size() + 1);
    EXPECT_EQ(device.writes().back().bytes, "{07" + QByteArray(31, 'B') + "\n\r");
}

TEST_F(BusBytes, Rs485PacketControlExchanges)
{
    start(4, "7");
    link->SelectPacketNode(true);
    EXPECT_EQ(device.writes().back().bytes, "&07810\r");
    link->SendPacketAddressChange("200");
    EXPECT_EQ(device.writes().back().bytes, "%07C858120946\r");
}

TEST_F(BusBytes, AddressHexIsTwoDigitUpperCase)
{
    context.state.DeviceAddress = "7";
    start(5, "7");
    EXPECT_EQ(link->AddressHex(), "07");
    context.state.DeviceAddress = "200";
    EXPECT_EQ(link->AddressHex(), "C8");
    EXPECT_EQ(DeviceLink::ToHex2("10"), "0A");
    EXPECT_EQ(DeviceLink::ToHex2("255"), "FF");
    EXPECT_EQ(DeviceLink::ToHex2("abc"), "00");
}

TEST_F(BusBytes, TcpConnectsToAddressAndPortAndSendsLines)
{
    device.connectAfter(1.0);
    const double before = clock.now();
    ASSERT_TRUE(start(2, "127.0.0.1", 5025));
    ASSERT_EQ(device.events()[0].kind, Kind::Connect);
    EXPECT_EQ(device.events()[0].host, "127.0.0.1");
    EXPECT_EQ(device.events()[0].port, 5025);
    // The connect wait ends when connected, not after the full 3 s.
    EXPECT_LT(clock.now() - before, 1.5);
    EXPECT_EQ(context.state.LinkControl, LinkControlKind::Tcp);
    EXPECT_EQ(transcript.transcriptText(), "TCP/IP - Initialized\r\n");

    link->WriteDevice(QStringLiteral("MEAS:VOLT?"), false);
    EXPECT_EQ(device.written(), "MEAS:VOLT?\n");
}

TEST_F(BusBytes, TcpUnansweredConnectWaitsThreeSecondsAndStillSucceeds)
{
    device.refuseConnections();
    const double before = clock.now();
    EXPECT_TRUE(start(2, "127.0.0.1", 5025));
    EXPECT_GE(clock.now() - before, 3.0 - 1e-9);
    EXPECT_LT(clock.now() - before, 3.1);
    EXPECT_EQ(context.state.BusCode, 2);
    QString reply;
    EXPECT_EQ(link->ReadDevice(reply, 1, false), -1);
    EXPECT_EQ(context.state.BusCode, 5);
}

TEST_F(BusBytes, WriteDeviceBytesSendsBytesUnchanged)
{
    start(4, "7");
    const QByteArray data("\x00\xFF:10\r\n", 7);
    EXPECT_EQ(link->WriteDeviceBytes(data, true), 7);
    EXPECT_EQ(device.writes().back().bytes, data);
    EXPECT_TRUE(transcript.transcriptText().endsWith(QString::fromLatin1(data)));
}

TEST_F(BusBytes, SimulatedSendsNothingAndClosesWhatWasOpen)
{
    start(1);
    ASSERT_TRUE(device.serialOpen());
    context.state.BusCode = 5;
    ASSERT_TRUE(link->InitComm());
    EXPECT_FALSE(device.serialOpen());
    EXPECT_EQ(transcript.transcriptText(), "Simulated - Initialized\r\n");
    const auto writesBefore = device.writes().size();
    EXPECT_EQ(link->WriteDevice(QStringLiteral("OUTP ON"), false), 8);
    EXPECT_EQ(device.writes().size(), writesBefore);
}

TEST_F(BusBytes, GpibReadsTheAddressedInstrumentAndTimesOutWhenSilent)
{
    auto bus = std::make_unique<SimulatedGpibBus>();
    bus->placeInstrument(5, "DALTO,KD15-100,0,1.0");
    ASSERT_TRUE(start(0, "5", 0, std::move(bus)));
    EXPECT_EQ(transcript.transcriptText(), "GPIB - Initialized\r\n");
    link->WriteDevice(QStringLiteral("*IDN?"), false);
    QString reply;
    EXPECT_EQ(link->ReadDevice(reply, 2, false), 21);
    EXPECT_EQ(reply, "DALTO,KD15-100,0,1.0\n");

    // Nothing asked, nothing to read: the layer prompts, then the link times out.
    EXPECT_EQ(link->ReadDevice(reply, 2, false), -1);
    EXPECT_EQ(prompts.messageTexts(), QStringList({"Device Timeout on Address: 5 Continue?", TimedOutText}));
    EXPECT_EQ(context.state.BusCode, 5);
}

} // namespace
} // namespace dalto::testing
