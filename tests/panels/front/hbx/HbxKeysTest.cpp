#include "HbxFixture.h"

namespace dalto::testing {
namespace {

using HbxKeysTest = HbxFixture;

TEST_F(HbxKeysTest, ArmTogglesInStandbyOnly)
{
    menu->cmdArm_Click();
    EXPECT_EQ(panel.lamp(LampSet::Mode, 0), LampColour::Yellow);
    EXPECT_EQ(context.state.SimStatus & 1, 1);
    panel.statusBits[0] = true; // the next poll shows the output armed
    menu->cmdArm_Click();
    EXPECT_EQ(panel.lamp(LampSet::Mode, 0), LampColour::Off);
    EXPECT_EQ(sent(), QStringList({"OUTP:Arm 1", "OUTP:Arm 0"}));
    f().RunState = hbxrun::OutputOn;
    menu->cmdArm_Click();
    EXPECT_EQ(sent(), QStringList());
}

TEST_F(HbxKeysTest, StartWhileArmedThenStopDisarms)
{
    panel.statusBits[0] = true;
    panel.setLamp(LampSet::Mode, 0, LampColour::Yellow);
    menu->cmdStart_Click();
    EXPECT_EQ(f().RunState, hbxrun::ArmedOn);
    menu->cmdStop_Click();
    EXPECT_EQ(sent(), QStringList({"OUTP:START", "OUTP:STOP", "<>IGN 0"}));
    EXPECT_EQ(panel.lamp(LampSet::Mode, 0), LampColour::Off);
    EXPECT_EQ(f().RunState, hbxrun::Standby);
}

TEST_F(HbxKeysTest, DisplayHeldShowsTheCommittedSetPointsThenRestoresTheEntry)
{
    type("3");
    sent();
    menu->cmdDsply_MouseDown();
    EXPECT_EQ(f().MenuState, hbxstate::DisplayHeld);
    EXPECT_EQ(panel.polls, 1);
    menu->cmdDsply_MouseUp();
    EXPECT_EQ(sent(), QStringList({"<>CHG 2,-1,7", "<>TYP -1", "<>CHG 3,-1,7", "<>TYP 1"}));
    EXPECT_EQ(f().TypeCode, Typing);
}

TEST_F(HbxKeysTest, UpHeldInIdleStepsTheVoltageSetPointLive)
{
    releaseAfter(0.6, [this] { menu->cmdArrow_MouseUp(); });
    menu->cmdUp_MouseDown();
    EXPECT_EQ(sent(), QStringList({"<>CHG 5,-1,7", "<>TYP -1", "<>IGN 1", "VOLT 12.1", "VOLT 12.2", "VOLT 12.3",
                                   "<>IGN 0"}));
    EXPECT_EQ(panel.input, "12.3");
    EXPECT_FALSE(panel.knobs);
    menu->cmdClear_MouseUp();
    EXPECT_EQ(sent(), QStringList({"<>CLR 0", "VOLT 12", "<>CHG 0,-1,0"}));
    EXPECT_TRUE(panel.knobs);

    // Left alone instead, the stepped value stays and becomes the committed one.
    releaseAfter(0.3, [this] { menu->cmdArrow_MouseUp(); });
    menu->cmdUp_MouseDown();
    clock.advance(10.5);
    EXPECT_TRUE(menu->CheckDirectEntryTimeout());
    EXPECT_FLOAT_EQ(context.state.DeviceState[0], 12.2f);
    EXPECT_FLOAT_EQ(context.state.DeviceStateSaved[0], 12.2f);
}

TEST_F(HbxKeysTest, ClearHeldInAMenuTellsTheSupplyAtFiveAndTenSeconds)
{
    const auto hold = [this](double seconds) {
        menu->cmdMenu_Click();
        sent();
        releaseAfter(seconds, [this] { menu->cmdClear_MouseUp(); });
        menu->cmdClear_MouseDown();
        menu->ExitMenu();
        return sent();
    };
    EXPECT_FALSE(hold(4.9).contains("<>CLR 1"));
    EXPECT_EQ(hold(6).first(), "<>CLR 1");
    EXPECT_EQ(panel.lamp(LampSet::Mode, 7), LampColour::Off); // POWER blinked, the output is off
    const QStringList longPress = hold(12);
    EXPECT_EQ(longPress.mid(0, 3), QStringList({"<>CLR 1", "<>CLR 2", "<>CLR 0"}));
    EXPECT_EQ(panel.memory, "2"); // counted every 0.8 s from the second notice
}

TEST_F(HbxKeysTest, ClearHeldLongEndsByItselfAndReloadsTheSettings)
{
    menu->cmdMenu_Click();
    device.reply("9.999\r\n");
    releaseAfter(60, [this] { menu->cmdClear_MouseUp(); });
    const double pressed = clock.now();
    menu->cmdClear_MouseDown();
    EXPECT_NEAR(clock.now() - pressed, 10 + 9.6, 0.5); // counted past 11 after the second notice
    EXPECT_EQ(panel.memory, "E");
    EXPECT_EQ(context.state.DeviceState[2], 16.5f);
    EXPECT_TRUE(panel.infoTimer && panel.menuTimer);
}

} // namespace
} // namespace dalto::testing
