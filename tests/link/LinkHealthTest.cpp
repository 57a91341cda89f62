// The link's health record: chosen or fallen Simulated mode with its reason, the
// signal that announces a change, the early end of a read on a connection that is
// gone, and reconnecting to the configured connection.
#include "LinkFixture.h"

#include <QSignalSpy>

namespace dalto::testing {
namespace {

const LinkFault Refused{"Connection refused", "tcpComm", 0, "connection refused by 127.0.0.1:5025"};

class LinkHealthTest : public LinkFixture {
protected:
    QString readReply(int16_t seconds = 2)
    {
        QString reply;
        link->ReadDevice(reply, seconds, false);
        return reply;
    }
};

TEST_F(LinkHealthTest, ChosenAndFallenModesCarryTheirReasons)
{
    start(2, "127.0.0.1", 5025);
    QSignalSpy changes(link.get(), &DeviceLink::healthChanged);
    EXPECT_FALSE(link->health().simulated);

    // A silent supply: the Part's box stays, the record says why.
    readReply();
    EXPECT_EQ(prompts.messageTexts(), QStringList{TimedOutText});
    EXPECT_TRUE(link->health().simulated);
    EXPECT_FALSE(link->health().chosen);
    EXPECT_EQ(link->health().reason, SupplyStoppedAnswering);
    EXPECT_EQ(changes.size(), 1);

    link->useSimulated(SimulatedByMenu);
    EXPECT_TRUE(link->health().chosen);
    EXPECT_EQ(link->health().reason, SimulatedByMenu);
    // Reopening in Simulated mode keeps the reason it was chosen for.
    link->InitComm();
    EXPECT_EQ(link->health().reason, SimulatedByMenu);
    EXPECT_EQ(changes.size(), 2);

    // A dialog's probe that fails is no change of health.
    context.state.Probing = true;
    context.state.BusCode = 2;
    link->InitComm();
    readReply();
    context.state.Probing = false;
    EXPECT_EQ(link->health().reason, SimulatedByMenu);
    EXPECT_EQ(changes.size(), 2);
}

TEST_F(LinkHealthTest, SettingsChoosingSimulatedOrNoBus)
{
    start(5);
    EXPECT_TRUE(link->health().chosen);
    EXPECT_EQ(link->health().reason, SimulatedBySettings);
    EXPECT_FALSE(link->endpoint());

    start(99);
    EXPECT_FALSE(link->health().chosen);
    EXPECT_EQ(link->health().reason, SimulatedWithoutBus);
    EXPECT_FALSE(link->reconnect("<>STA")) << "no connection to go back to";
}

TEST_F(LinkHealthTest, AConnectionThatIsGoneEndsTheReadAtOnceAndNamesTheCause)
{
    device.failConnections(Refused);
    start(2, "127.0.0.1", 5025);
    const double before = clock.now();
    EXPECT_EQ(readReply(30), QString());
    EXPECT_LT(clock.now() - before, 1.0) << "no waiting for a reply that cannot come";
    EXPECT_EQ(prompts.messageTexts(), QStringList{TimedOutText});
    EXPECT_EQ(link->health().reason, Refused.cause);
    // On record from the opening and from the read that gave up.
    const QString described = "Error Description: Connection refused (connection refused by 127.0.0.1:5025)";
    EXPECT_TRUE(debugLog().contains("Initialization Error:\r\n" + described)) << debugLog().toStdString();
    EXPECT_TRUE(debugLog().contains("Read Error:\r\n" + described)) << debugLog().toStdString();
}

TEST_F(LinkHealthTest, ReconnectReturnsToTheSupplyOnlyWhenItAnswers)
{
    start(2, "127.0.0.1", 5025);
    device.failConnections(Refused);
    readReply();
    ASSERT_EQ(context.state.BusCode, 5);
    prompts.messages.clear();

    // Still refused: no box, Simulated mode stays with the cause.
    EXPECT_FALSE(link->reconnect("<>STA"));
    EXPECT_EQ(context.state.BusCode, 5);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(link->health().reason, Refused.cause);

    // Connected but silent is no supply either.
    device.acceptConnections();
    EXPECT_FALSE(link->reconnect("<>STA"));
    EXPECT_EQ(link->health().reason, SupplyStoppedAnswering);
    EXPECT_TRUE(prompts.messages.empty());

    device.reply("0,0,48,0\r\n");
    qsizetype mark = device.written().size();
    EXPECT_TRUE(link->reconnect("<>STA"));
    EXPECT_EQ(device.linesSince(mark), QStringList{"<>STA"});
    EXPECT_EQ(context.state.BusCode, 2);
    EXPECT_FALSE(link->health().simulated);
    EXPECT_TRUE(transcript.transcriptText().endsWith("TCP/IP - Reconnected: the supply answers again\r\n"));
}

} // namespace
} // namespace dalto::testing
