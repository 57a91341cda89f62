#include "protocol/StatusProtocol.h"

#include "FakeClock.h"
#include "ScriptedPrompts.h"
#include "ScriptedTransport.h"
#include "link/DeviceLink.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dalto;
using namespace dalto::testing;

namespace {

class StatusProtocolTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    FakeClock clock;
    ScriptedPrompts prompts;
    AppContext context{clock, prompts, Paths(dir.path(), dir.filePath("Dalto_Panel.ini"), dir.path())};
    ScriptedTransport device{clock};
    DeviceLink link{context, device.backends()};

    void SetUp() override
    {
        context.state.BusCode = 2;
        context.state.DeviceAddress = "127.0.0.1";
        context.state.DevicePort = 5025;
        ASSERT_TRUE(link.InitComm());
    }
    SharedState& state() { return context.state; }
};

} // namespace

TEST_F(StatusProtocolTest, AllReplyFillsSetPointsTripsPeriodAndMemory)
{
    device.reply("1388,3E8,4074,1ADB0,3E8,2,3E8\r\n");
    device.reply("DP ctl\r\n"); // too short for the version words
    ReadAllState(link);
    EXPECT_EQ(state().DeviceState[0], 5.0f);
    EXPECT_EQ(state().DeviceState[1], 1.0f);
    EXPECT_EQ(state().DeviceState[2], 16.5f);
    EXPECT_EQ(state().DeviceState[3], 110.0f);
    EXPECT_EQ(state().DeviceState[4], 1.0f);
    EXPECT_EQ(state().DeviceState[5], 2.0f);
    EXPECT_EQ(state().DeviceStateSaved, state().DeviceState);
    EXPECT_EQ(state().FirmwareVersion, "1.00");
    EXPECT_EQ(state().InterfaceVersion, "1.0");
    EXPECT_EQ(device.written(), "<>ALL\nSYST:VERS?\n");
}

TEST_F(StatusProtocolTest, VersionsComeFromTheThirdAndSixthWordOrTheFirmwareField)
{
    state().InterfaceVersion = "9.9";
    device.reply("1388,3E8,4074,1ADB0,3E8,2,3E8\r\n");
    device.reply("Control firmware 2.34 Interface firmware 1.27\r\n");
    ReadAllState(link);
    EXPECT_EQ(state().FirmwareVersion, "2.3");
    EXPECT_EQ(state().InterfaceVersion, "1.3");
}

TEST_F(StatusProtocolTest, UndecodableAllRepliesLeaveTheSettingsAlone)
{
    state().DeviceState = {1, 2, 3, 4, 5, 6};
    // A field wider than 32 bits.
    device.reply("1388,3E8,4074,1ADB0,3E8,2,123456789\r\n");
    ReadAllState(link);
    // The memory field is missing.
    device.reply("1388,3E8,4074,1ADB0,3E8\r\n");
    device.reply("a b 3.5 d e 4.5\r\n");
    ReadAllState(link);
    EXPECT_EQ(state().DeviceState, (std::array<float, 6>{1, 2, 3, 4, 5, 6}));
    // What was read before the failure stays.
    EXPECT_EQ(state().FirmwareVersion, "3.5");
    // Three version words but no sixth: the firmware version is kept, nothing else.
    device.reply("1388,3E8,4074,1ADB0,3E8,2,3E8\r\n");
    device.reply("a b 4.5\r\n");
    ReadAllState(link);
    EXPECT_EQ(state().FirmwareVersion, "4.5");
    EXPECT_EQ(state().DeviceState[0], 1.0f);
}

TEST_F(StatusProtocolTest, ScaleNeedsBothFieldsAndChoosesFormats)
{
    device.reply("4E20\r\n"); // a valid single field still gives both defaults
    ReadScale(link);
    EXPECT_EQ(state().Ratings[0], 15.0f);
    EXPECT_EQ(state().Ratings[4], 100.0f);
    EXPECT_EQ(state().VoltFormat, "0.00");
    EXPECT_EQ(state().CurrFormat, "0.0");

    device.reply("1F40,1F4\r\n"); // 8 V, 0.5 A
    ReadScale(link);
    EXPECT_EQ(state().Ratings[0], 8.0f);
    EXPECT_EQ(state().Ratings[4], 0.5f);
    EXPECT_EQ(state().VoltFormat, "0.00");
    EXPECT_EQ(state().CurrFormat, "0.000");
}

TEST_F(StatusProtocolTest, PotsAreStoredOneByOneAndCopiedOnlyWhenAllFiveArrive)
{
    device.reply("10,20,30,40,50\r\n");
    ReadPots(link);
    EXPECT_EQ(state().PotValues, (std::array<int16_t, 5>{16, 32, 48, 64, 80}));
    EXPECT_EQ(state().PotValuesSaved, state().PotValues);

    device.reply("1,2,3,4\r\n");
    ReadPots(link);
    EXPECT_EQ(state().PotValues, (std::array<int16_t, 5>{1, 2, 3, 4, 80}));
    EXPECT_EQ(state().PotValuesSaved, (std::array<int16_t, 5>{16, 32, 48, 64, 80}));

    device.reply("1,2\r\n");
    ReadPots(link);
    EXPECT_EQ(state().PotValues, (std::array<int16_t, 5>{128, 128, 128, 128, 128}));
}

TEST_F(StatusProtocolTest, QueryDeviceInfoReadsScaleSettingsAndTheErrorQueue)
{
    device.deliverAt(clock.now(), "stale\r\n");
    device.reply("3A98,186A0\r\n");
    device.reply("0,0,4074,1ADB0,0,0,3E8\r\n");
    device.reply("Control firmware 2.0 Interface firmware 1.5\r\n");
    device.reply("0,\"No error\"\r\n");
    QueryDeviceInfo(link);
    EXPECT_EQ(device.written(), "<>SCL\n<>ALL\nSYST:VERS?\nSYST:ERR?\n");
    EXPECT_EQ(state().LastError, "0,\"No error\"\r\n");
    EXPECT_EQ(state().InterfaceVersion, "1.5");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(StatusProtocolTest, SimulatedModeGivesTheDefaults)
{
    state().BusCode = 5;
    ASSERT_TRUE(link.InitComm());
    state().FirmwareVersion = "7.7";
    QueryDeviceInfo(link);
    ReadPots(link);
    EXPECT_EQ(state().Ratings[0], 15.0f);
    EXPECT_EQ(state().Ratings[4], 100.0f);
    EXPECT_EQ(state().DeviceState, (std::array<float, 6>{0, 0, 16.5f, 110, 0, 0}));
    EXPECT_EQ(state().FirmwareVersion, "1.0");
    EXPECT_EQ(state().InterfaceVersion, "1.0");
    EXPECT_EQ(state().PotValues, (std::array<int16_t, 5>{128, 128, 128, 128, 128}));
    EXPECT_EQ(state().LastError, "9.999\r\n");
}
