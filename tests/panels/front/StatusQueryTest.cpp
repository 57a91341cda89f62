// The poll exchange against a scripted device: a quiet first read, one retry,
// and Simulated mode only after the retry times out too.
#include "panels/front/StatusQuery.h"

#include "FakeClock.h"
#include "ScriptedPrompts.h"
#include "ScriptedTransport.h"
#include "link/DeviceLink.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dalto;
using namespace dalto::testing;

namespace {

class StatusQueryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        context.state.BusCode = 2;
        context.state.DeviceAddress = "127.0.0.1";
        context.state.DevicePort = 5025;
        ASSERT_TRUE(link.InitComm());
    }
    int staWrites() const { return int(device.written().count("<>STA\n")); }

    QTemporaryDir dir;
    FakeClock clock;
    ScriptedPrompts prompts;
    AppContext context{clock, prompts, Paths(dir.path(), dir.filePath("Dalto_Panel.ini"), dir.path())};
    ScriptedTransport device{clock};
    DeviceLink link{context, device.backends()};
};

} // namespace

TEST_F(StatusQueryTest, AnswerWithinTwoSecondsIsTakenQuietly)
{
    device.reply("0,0,48,0\r\n", 1.5);
    EXPECT_TRUE(front::QueryStatus(link, false).startsWith("0,0,48,0"));
    EXPECT_EQ(staWrites(), 1);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(StatusQueryTest, SilenceIsRetriedOnceAndThenGoesSimulated)
{
    const double start = clock.now();
    device.reply("", 0);          // the quiet read sees nothing
    device.reply("1,2,3,4\r\n", 0.5);
    EXPECT_TRUE(front::QueryStatus(link, false).startsWith("1,2,3,4"));
    EXPECT_EQ(staWrites(), 2);
    EXPECT_GE(clock.now() - start, 2.0);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(context.state.BusCode, 2);

    EXPECT_EQ(front::QueryStatus(link, false), "");
    EXPECT_EQ(context.state.BusCode, 5);
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(front::QueryStatus(link, false).startsWith("9.999"));
}
