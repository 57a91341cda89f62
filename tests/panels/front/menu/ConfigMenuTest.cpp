// The configuration menu: item walk, ENTER and CLEAR per item, lamps.

#include "MenuFixture.h"

using namespace dalto::testing;

using ConfigMenuTest = MenuFixture;

TEST_F(ConfigMenuTest, EnterThenItemWalksTheSwitchableItems)
{
    keys("MII");
    sent();
    keys("EIIII");
    EXPECT_EQ(sent(), QStringList({"<>CHG 9,0,2", "<>CHG 9,1", "<>CHG 9,2", "<>CHG 9,6", "<>CHG 9,0"}));
}

TEST_F(ConfigMenuTest, EnterSwitchesAnItemOnAndClearSwitchesItOff)
{
    const std::tuple<int, QString, int32_t> items[] = {
        {0, "CONF:REM:SENS ", 512}, {1, "CONF:CONT:INT ", 8}, {2, "CONF:CONT:EXT ", 16}, {6, "CONF:INTE ", 4}};
    for (const auto& [item, command, bit] : items) {
        SCOPED_TRACE(command.toStdString());
        const QString walk = "MIIE" + QString(item == 6 ? 3 : item, 'I');
        context.state.SimStatus = 72;
        keys(walk + "E");
        EXPECT_EQ(context.state.SimStatus, 72 | bit);
        keys(walk);
        menu->tmrMenu_Timer();
        EXPECT_EQ(panel.lamp(LampGroup::Config, item + 1), item == 6 ? LampColour::Red : LampColour::Green);
        menu->ClearKeyAction();
        EXPECT_EQ(context.state.SimStatus, 72 & ~bit);
        EXPECT_EQ(panel.lamp(LampGroup::Config, item + 1), LampColour::Off);
        EXPECT_EQ(sent().filter(command), QStringList({command + "1", command + "0"}));
    }
}

TEST_F(ConfigMenuTest, ItemLampsShowThePolledSettings)
{
    panel.statusBits[9] = panel.statusBits[2] = true; // remote sense, interlock
    keys("MIIEI");
    const LampColour expected[] = {LampColour::Green, LampColour::Green, LampColour::Off, LampColour::Red};
    const int positions[] = {1, 2, 3, 7};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(panel.lamp(LampGroup::Config, positions[i]), expected[i]) << positions[i];
    f().BlinkPhase = true;
    menu->tmrMenu_Timer();
    EXPECT_EQ(panel.left, "");
    EXPECT_EQ(panel.lamp(LampGroup::Config, 2), LampColour::Off);
}

// One polled bit at a time, so that two settings cannot trade their lamps unseen.
TEST_F(ConfigMenuTest, EachPolledSettingLightsOnlyItsOwnLamp)
{
    const std::pair<int, int> bitAndLamp[] = {{9, 1}, {3, 2}, {4, 3}};
    keys("MIIEIII"); // the interlock item is selected; the others show their settings
    for (const auto& [bit, position] : bitAndLamp) {
        SCOPED_TRACE(bit);
        panel.statusBits = {};
        panel.statusBits[size_t(bit)] = true;
        f().BlinkPhase = false;
        menu->tmrMenu_Timer();
        for (int lamp = 1; lamp <= 3; ++lamp)
            EXPECT_EQ(panel.lamp(LampGroup::Config, lamp), lamp == position ? LampColour::Green : LampColour::Off)
                << lamp;
    }
    keys("I"); // remote sense selected; the interlock lamp shows bit 2 alone
    for (const bool interlock : {true, false}) {
        panel.statusBits = {};
        panel.statusBits[2] = interlock;
        panel.statusBits[3] = panel.statusBits[4] = !interlock;
        menu->tmrMenu_Timer();
        EXPECT_EQ(panel.lamp(LampGroup::Config, 7), interlock ? LampColour::Red : LampColour::Off);
    }
}
