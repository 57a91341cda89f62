// When a reply is complete, what a time-out does, and what each read variant
// tells the user.
#include "LinkFixture.h"

namespace dalto::testing {
namespace {

class ReplyRules : public LinkFixture {
protected:
    void SetUp() override { ASSERT_TRUE(start(1)); }
};

TEST_F(ReplyRules, ReplyCompletesOnlyWhenLastCharacterIsLf)
{
    const double t0 = clock.now();
    device.deliverAt(t0 + 0.1, "12.5");
    device.deliverAt(t0 + 0.6, "00\r\n");
    QString reply = "old";
    EXPECT_EQ(link->ReadDevice(reply, 2, true), 8);
    EXPECT_EQ(reply, "12.500\r\n");
    EXPECT_GE(clock.now(), t0 + 0.6);
    EXPECT_LT(clock.now(), t0 + 1.0);
    EXPECT_TRUE(transcript.transcriptText().endsWith("12.500\r\n"));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ReplyRules, DataAfterLfInSameBurstKeepsReadingUntilTimeOut)
{
    device.deliverAt(clock.now(), "1.0\r\n2");
    QString reply;
    EXPECT_EQ(link->ReadDevice(reply, 1, true), -1);
    EXPECT_EQ(reply, "1.0\r\n2");
    // A reply that timed out is not echoed.
    EXPECT_EQ(transcript.transcriptText(), "RS232 - Initialized\r\n");
}

TEST_F(ReplyRules, SilentDeviceTimesOutIntoSimulatedMode)
{
    const double t0 = clock.now();
    QString reply;
    EXPECT_EQ(link->ReadDevice(reply, 2, false), -1);
    EXPECT_GT(clock.now(), t0 + 2.0);
    EXPECT_LT(clock.now(), t0 + 2.1);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, TimedOutText);
    EXPECT_EQ(prompts.messages[0].title, "Comm Error");
    EXPECT_EQ(prompts.messages[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(context.state.BusCode, 5);

    // From now on every read answers at once.
    const double t1 = clock.now();
    EXPECT_EQ(link->ReadDevice(reply, 2, true), 7);
    EXPECT_EQ(reply, "9.999\r\n");
    EXPECT_EQ(clock.now(), t1);
    EXPECT_EQ(link->ReadDeviceEot(reply, 2, false), 7);
    EXPECT_EQ(link->ReadDeviceQuiet(reply, 2, false), 7);
    EXPECT_TRUE(transcript.transcriptText().endsWith("9.999\r\n"));
}

TEST_F(ReplyRules, ProbingTimeOutIsSilentButStillEntersSimulatedMode)
{
    context.state.Probing = true;
    QString reply;
    EXPECT_EQ(link->ReadDevice(reply, 1, false), -1);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(context.state.BusCode, 5);
}

TEST_F(ReplyRules, QuietTimeOutKeepsBusAndSaysNothing)
{
    QString reply;
    EXPECT_EQ(link->ReadDeviceQuiet(reply, 1, false), -1);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(context.state.BusCode, 1);
}

TEST_F(ReplyRules, OnlyTheEotReadLetsEventsRunOnASerialLine)
{
    device.deliverAt(clock.now() + 0.2, "1\r\n");
    int pumpsBefore = clock.pumps();
    QString reply;
    EXPECT_EQ(link->ReadDevice(reply, 2, false), 3);
    EXPECT_EQ(clock.pumps(), pumpsBefore);

    const double t0 = clock.now();
    device.deliverAt(t0 + 0.1, "line\r\n");
    device.deliverAt(t0 + 0.3, "done\x04");
    pumpsBefore = clock.pumps();
    EXPECT_EQ(link->ReadDeviceEot(reply, 2, false), 11);
    EXPECT_EQ(reply, "line\r\ndone\x04");
    EXPECT_GT(clock.pumps(), pumpsBefore);

    EXPECT_EQ(link->ReadDeviceEot(reply, 1, false), -1);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(context.state.BusCode, 1);
}

TEST_F(ReplyRules, AReadThatMayNotWaitStillTakesWhatHasArrived)
{
    clock.advanceOnEveryReading(1e-6);
    device.deliverAt(clock.now(), "ok\x04");
    QString reply;
    EXPECT_EQ(link->ReadDeviceEot(reply, 0, false), 3);
    EXPECT_EQ(reply, "ok\x04");
}

TEST_F(ReplyRules, TcpReadCompletesAtLf)
{
    start(2, "127.0.0.1", 5025);
    device.reply("5.000\r\n", 0.25);
    link->WriteDevice(QStringLiteral("VOLT?"), false);
    QString reply;
    EXPECT_EQ(link->ReadDevice(reply, 2, false), 7);
    EXPECT_EQ(reply, "5.000\r\n");
}

TEST_F(ReplyRules, ExitDuringATcpReadEndsTheWaitWithoutABox)
{
    context.onEndProgram = [] {};
    start(2, "127.0.0.1", 5025);
    const double t0 = clock.now();
    clock.onAdvance([&](double now) {
        if (now > t0 + 0.5)
            context.endProgram(); // the user picks Exit while the read lets events run
    });
    QString reply;
    EXPECT_EQ(link->ReadDevice(reply, 30, false), -1);
    EXPECT_LT(clock.now(), t0 + 1.0);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ReplyRules, EndlessStreamWithoutLfIsCappedAndTimesOut)
{
    const double t0 = clock.now();
    for (int i = 0; i < 50; ++i)
        device.deliverAt(t0 + 0.01 * i, QByteArray(8 * 1024, 'x'));
    QString reply;
    EXPECT_EQ(link->ReadDevice(reply, 1, false), -1);
    EXPECT_EQ(reply.size(), 64 * 1024);
    // What came beyond the cap was read and dropped, not left piling up.
    EXPECT_EQ(device.unreadBytes(), 0);
}

TEST_F(ReplyRules, FlushInputDropsWaitingBytes)
{
    context.state.Transcript = nullptr; // and echo without a transcript is skipped
    device.deliverAt(clock.now(), "junk\r\n");
    link->FlushInput();
    device.reply("fresh\r\n");
    link->WriteDevice(QStringLiteral("X"), true);
    QString reply;
    link->ReadDevice(reply, 1, true);
    EXPECT_EQ(reply, "fresh\r\n");
}

TEST_F(ReplyRules, UnlistedBusCodeLeavesReplyAndReturnsItsLength)
{
    context.state.BusCode = 99;
    QString reply = "keep me";
    EXPECT_EQ(link->ReadDevice(reply, 2, false), 7);
    EXPECT_EQ(reply, "keep me");
    EXPECT_EQ(prompts.messageTexts(), QStringList{NoPortText});
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Exclamation);
    EXPECT_EQ(prompts.messages[0].title, "Comm Error");

    EXPECT_EQ(link->ReadDeviceQuiet(reply, 2, false), 7);
    EXPECT_EQ(prompts.messages.size(), 1u);

    EXPECT_EQ(link->WriteDevice(QStringLiteral("OUTP ON"), false), 8);
    EXPECT_EQ(device.writes().size(), 0u);
    EXPECT_EQ(context.state.BusCode, 99);
}

TEST_F(ReplyRules, UnlistedBusCodeInInitCommFallsBackToSimulated)
{
    context.state.BusCode = 99;
    transcript.setTranscriptText("before ");
    EXPECT_TRUE(link->InitComm());
    EXPECT_EQ(context.state.BusCode, 5);
    EXPECT_EQ(prompts.messageTexts(), QStringList{NoPortText});
    EXPECT_EQ(transcript.transcriptText(), "before - Initialized\r\n");
}

} // namespace
} // namespace dalto::testing
