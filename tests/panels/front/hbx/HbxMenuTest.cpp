#include "HbxFixture.h"
#include "panels/front/hbx/HbxItems.h"

namespace dalto::testing {
namespace {

using HbxMenuTest = HbxFixture;

TEST_F(HbxMenuTest, ItemCyclesTheMenusByRunState)
{
    const auto walk = [this](int16_t runState) {
        f().RunState = runState;
        menu->cmdMenu_Click();
        QList<int16_t> states{f().MenuState};
        for (int i = 0; i < 7; ++i) {
            menu->cmdItem_Click();
            states << f().MenuState;
        }
        menu->ExitMenu();
        return states;
    };
    EXPECT_EQ(walk(hbxrun::Standby), QList<int16_t>({5, 6, 7, 8, 9, 10, 11, 5}));
    EXPECT_EQ(walk(hbxrun::OutputOn), QList<int16_t>({5, 6, 7, 8, 9, 11, 5, 6}));
    EXPECT_EQ(walk(hbxrun::ArmedOn), QList<int16_t>({5, 6, 7, 8, 9, 5, 6, 7}));
    sent();
    menu->cmdMenu_Click();
    menu->cmdItem_Click();
    EXPECT_EQ(sent(), QStringList({"<>CHG 5,-1,2", "<>CHG 6,-1,2"}));
}

TEST_F(HbxMenuTest, DigitsTypedInIdleSetTheSetPointOnEnter)
{
    type("12.5");
    EXPECT_EQ(f().MenuMode, hbxmode::DirectEntry);
    menu->cmdEnter_Click();
    EXPECT_EQ(sent(), QStringList({"<>CHG 5,-1,7", "<>TYP 1", "VOLT 12.5", "<>CHG 0,-1,0"}));
    EXPECT_EQ(context.state.DeviceStateSaved[0], 12.5f);
    EXPECT_EQ(f().MenuState, hbxstate::Idle);
}

TEST_F(HbxMenuTest, EnterInASetPointMenuLimitsTheValueAndMakesItTheDirectEntryTarget)
{
    menu->cmdMenu_Click();
    menu->cmdItem_Click();
    type("25");
    sent();
    menu->cmdEnter_Click();
    EXPECT_EQ(sent().first(), "CURR 20");
    EXPECT_EQ(f().SetPointItem, hbxstate::Current);
}

TEST_F(HbxMenuTest, MemoryRecallSendsTheLastDigitTyped)
{
    menu->cmdMem_Click();
    type("17");
    EXPECT_EQ(panel.input, "7");
    sent();
    menu->cmdEnter_Click();
    EXPECT_EQ(sent().first(), "MEM 7");
    EXPECT_EQ(context.state.SimExtra, 7);
}

TEST_F(HbxMenuTest, CalibrationPromptTakesOnlyTheTwoCodes)
{
    const auto code = [this](const QString& typed) {
        device.reply("64,65,66,67,68\r\n");
        menu->cmdMenu_Click();
        for (int i = 0; i < 6; ++i)
            menu->cmdItem_Click();
        type(typed);
        sent();
        menu->cmdEnter_Click();
        return sent().first();
    };
    EXPECT_EQ(code("7351"), "CAL:PASS 7351");
    EXPECT_EQ(std::make_tuple(f().MenuState, f().MenuItem, f().MenuMode), std::make_tuple(11, 0, 5));
    EXPECT_EQ(panel.right + panel.memory, "P100" "1");
    menu->ExitMenu();
    EXPECT_EQ(code("2468"), "CAL:PASS 2468");
    EXPECT_EQ(std::make_tuple(f().MenuState, f().MenuMode), std::make_tuple(12, 6));
    menu->ExitMenu();
    EXPECT_EQ(code("1111"), "<>CHG 0,-1,0");
    EXPECT_EQ(f().MenuState, hbxstate::Idle);
}

TEST_F(HbxMenuTest, ScaleCalibrationShowsAndSendsTheFullScales)
{
    device.reply("64,65,66,67,68\r\n");
    menu->cmdMenu_Click();
    for (int i = 0; i < 6; ++i)
        menu->cmdItem_Click();
    type("2468");
    menu->cmdEnter_Click();
    for (int i = 0; i < 6; ++i)
        menu->cmdItem_Click();
    EXPECT_EQ(panel.left + "|" + panel.right, "100|SC");
    type("120");
    EXPECT_EQ(panel.left, "120");
    sent();
    menu->cmdEnter_Click();
    EXPECT_EQ(sent(), QStringList({"CAL:SCAL:VOLT 120"}));
    EXPECT_EQ(context.state.Ratings[0], 120.0f);
}

TEST_F(HbxMenuTest, ConfigurationItemsWalkZeroOneTwoSeven)
{
    menu->cmdMenu_Click();
    for (int i = 0; i < 5; ++i)
        menu->cmdItem_Click();
    menu->cmdEnter_Click();
    QList<int16_t> items{f().MenuItem};
    for (int i = 0; i < 4; ++i) {
        menu->cmdItem_Click();
        items << f().MenuItem;
    }
    EXPECT_EQ(items, QList<int16_t>({0, 1, 2, 7, 0}));
    for (int i = 0; i < 3; ++i)
        menu->cmdItem_Click();
    sent();
    menu->cmdEnter_Click();
    menu->cmdClear_MouseUp();
    EXPECT_EQ(sent(), QStringList({"CONF:INTE 1", "<>CLR 0", "CONF:INTE 0"}));
}

TEST_F(HbxMenuTest, OpenMenusAndDirectEntryCloseAfterTenQuietSeconds)
{
    menu->cmdMenu_Click();
    tickFor(9.9);
    EXPECT_EQ(f().MenuState, hbxstate::Voltage);
    tickFor(0.2);
    EXPECT_EQ(f().MenuState, hbxstate::Idle);

    type("5");
    clock.advance(9.9);
    EXPECT_FALSE(menu->CheckDirectEntryTimeout());
    clock.advance(0.2);
    EXPECT_TRUE(menu->CheckDirectEntryTimeout());
    EXPECT_EQ(f().MenuMode, hbxmode::None);
}

TEST_F(HbxMenuTest, CalibrationClosesAfterSixtyQuietSeconds)
{
    device.reply("64,65,66,67,68\r\n");
    menu->cmdMenu_Click();
    for (int i = 0; i < 6; ++i)
        menu->cmdItem_Click();
    type("7351");
    menu->cmdEnter_Click();
    tickFor(59.9);
    EXPECT_FALSE(menu->CheckCalibrationTimeout());
    EXPECT_EQ(f().MenuState, hbxstate::PotCalibration);
    clock.advance(0.2);
    sent();
    panel.faultBits[7] = true; // a latched protection is for the user to clear
    EXPECT_TRUE(menu->CheckCalibrationTimeout());
    EXPECT_EQ(sent(), QStringList({"<>CHG 0,-1,0", "<>CLR 0"}));
    menu->cmdClear_MouseUp();
    EXPECT_EQ(sent(), QStringList({"<>CLR 0", "OUTP:PROT:CLE"}));
}

TEST_F(HbxMenuTest, EachSetPointMenuHoldsItsEntryToItsOwnRating)
{
    const auto entered = [this](int items, const QString& typed) {
        menu->cmdMenu_Click();
        for (int i = 0; i < items; ++i)
            menu->cmdItem_Click();
        type(typed);
        sent();
        menu->cmdEnter_Click();
        return sent().first();
    };
    // Ratings: voltage 100, current 20, trip levels 110 and 22; the period has none.
    const struct {
        int items;
        const char* above;
        const char* at;
        const char* below;
        const char* command;
    } menus[] = {
        {0, "100.1", "100", "99.99", "VOLT "},   {1, "20.01", "20", "19.99", "CURR "},
        {2, "110.1", "110", "109.9", "VOLT:PROT "}, {3, "22.01", "22", "21.99", "CURR:PROT "},
    };
    for (const auto& m : menus) {
        const QString command = QString::fromLatin1(m.command);
        EXPECT_EQ(entered(m.items, m.above), command + m.at);
        EXPECT_EQ(entered(m.items, m.at), command + m.at);
        EXPECT_EQ(entered(m.items, m.below), command + m.below);
        // That menu's set point is now the one typed in idle, with the same bound.
        type(m.above);
        sent();
        menu->cmdEnter_Click();
        EXPECT_EQ(sent().first(), command + m.at);
    }
    EXPECT_EQ(entered(4, "9999"), "PER 9999");
}

TEST_F(HbxMenuTest, KeysDoNotOpenAMenuWhileDisplayIsHeld)
{
    menu->cmdDsply_MouseDown();
    sent();
    menu->cmdMenu_Click();
    menu->cmdMem_Click();
    EXPECT_EQ(sent(), QStringList());
    EXPECT_EQ(f().MenuState, hbxstate::DisplayHeld);
    menu->cmdDsply_MouseUp();
    EXPECT_EQ(f().MenuState, hbxstate::Idle);
    EXPECT_FALSE(panel.menuTimer);
    EXPECT_TRUE(panel.infoTimer);
}

TEST_F(HbxMenuTest, FullScaleItemsSendOnlyTheShownOrTypedValue)
{
    // Pots at 128 that a stale edit value could leak from.
    device.reply("80,80,80,80,80\r\n");
    menu->cmdMenu_Click();
    for (int i = 0; i < 6; ++i)
        menu->cmdItem_Click();
    type("2468");
    menu->cmdEnter_Click();
    const auto toItem = [this](int16_t item) {
        while (f().MenuItem != item)
            menu->cmdItem_Click();
        sent();
    };
    const auto hold = [this](void (HbxMenu::*key)()) {
        releaseAfter(0.1, [this] { menu->cmdArrow_MouseUp(); });
        (menu.get()->*key)();
        QStringList lines = sent();
        lines.removeAll("<>IGN 1");
        lines.removeAll("<>IGN 0");
        return lines;
    };

    toItem(hbxcal::VoltageScale);
    menu->cmdEnter_Click();
    EXPECT_EQ(sent(), QStringList({"CAL:SCAL:VOLT 100"}));
    EXPECT_EQ(hold(&HbxMenu::cmdUp_MouseDown), QStringList({"CAL:SCAL:VOLT 101"}));
    EXPECT_EQ(panel.left, "101");
    menu->cmdClear_MouseUp(); // back to the full scale last entered
    EXPECT_EQ(sent(), QStringList({"<>CLR 0", "CAL:SCAL:VOLT 100"}));
    EXPECT_EQ(context.state.Ratings[0], 100.0f);

    toItem(hbxcal::CurrentScale);
    EXPECT_EQ(hold(&HbxMenu::cmdDn_MouseDown), QStringList({"CAL:SCAL:CURR 19"}));
    type("25");
    sent();
    EXPECT_EQ(hold(&HbxMenu::cmdUp_MouseDown), QStringList({"CAL:SCAL:CURR 26"}));
    EXPECT_EQ(panel.input + "|" + panel.right, "26|26");
    menu->cmdEnter_Click();
    EXPECT_EQ(sent().first(), "CAL:SCAL:CURR 26");
}

} // namespace
} // namespace dalto::testing
