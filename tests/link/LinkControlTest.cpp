// The keep-alive, the pause and closing the previous connection.
#include "LinkFixture.h"

namespace dalto::testing {
namespace {

class LinkControl : public LinkFixture {};

TEST_F(LinkControl, KeepAliveSendsLfOnlyOnAConnectedIdleTcpLink)
{
    start(2, "127.0.0.1", 5025);
    link->KeepAlive();
    EXPECT_EQ(device.written(), "\n");

    context.state.LoaderActive = true;
    link->KeepAlive();
    EXPECT_EQ(device.written(), "\n");

    context.state.LoaderActive = false;
    context.state.BusCode = 5;
    link->KeepAlive();
    EXPECT_EQ(device.written(), "\n");
}

TEST_F(LinkControl, DelayWaitsTenMillisecondsPerUnit)
{
    start(5);
    double before = clock.now();
    link->Delay(2.5f);
    EXPECT_NEAR(clock.now() - before, 0.025, 1e-9);
    before = clock.now();
    link->Delay(0.1f);
    EXPECT_NEAR(clock.now() - before, 0.001, 1e-9);
}

TEST_F(LinkControl, InitCommClosesThePreviousConnectionFirst)
{
    start(1);
    context.state.BusCode = 2;
    link->InitComm();
    double before = clock.now();
    link->InitComm();
    const auto& e = device.events();
    ASSERT_EQ(e.size(), 5u);
    EXPECT_EQ(e[1].kind, WireEvent::Kind::Close);
    EXPECT_EQ(e[1].channel, Channel::Serial);
    EXPECT_EQ(e[2].kind, WireEvent::Kind::Connect);
    // A socket gets half a second to close before the next connection.
    EXPECT_EQ(e[3].kind, WireEvent::Kind::Close);
    EXPECT_EQ(e[3].channel, Channel::Socket);
    EXPECT_GE(e[4].time - before, 0.5);
}

TEST_F(LinkControl, ControlExchangeOnClosedLineIsLoggedNotThrown)
{
    start(5);
    link->SelectPacketNode(false);
    EXPECT_TRUE(debugLog().startsWith("\"Write Error:\r\n"));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(context.state.BusCode, 5);
}

} // namespace
} // namespace dalto::testing
