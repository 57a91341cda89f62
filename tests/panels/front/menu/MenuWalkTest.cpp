// MENU and ITEM through the menus, and ENTER and CLEAR on a trip level.

#include "MenuFixture.h"

using namespace dalto::testing;

using MenuWalkTest = MenuFixture;

TEST_F(MenuWalkTest, WalksAnnounceEachMenuAndSkipConfigurationWhileOutputIsOn)
{
    struct Walk {
        MenuVariant variant;
        int16_t runState;
        QStringList notices;
        QString calKeys; // after each key: C = CAL shown, E = ENTER shown
    };
    const Walk walks[] = {
        {MenuVariant::KD, 3, {"<>CHG 7,-1,2", "<>CHG 8,-1,2", "<>CHG 9,-1,2", "<>CHG 10,-1,1", "<>CHG 7,-1,2"}, "EEECE"},
        {MenuVariant::KD, 4, {"<>CHG 7,-1,2", "<>CHG 8,-1,2", "<>CHG 10,-1,1", "<>CHG 7,-1,2"}, "EEEE"},
        {MenuVariant::HB, 3, {"<>CHG 9,-1,2", "<>CHG 10,-1,1", "<>CHG 9,-1,2"}, "ECE"},
        {MenuVariant::HB, 4, {"<>CHG 10,-1,2", "<>CHG 10,-1,1"}, "CE"},
    };
    for (const Walk& walk : walks) {
        SCOPED_TRACE(walk.notices.join(' ').toStdString());
        makeMenu(walk.variant);
        f().RunState = walk.runState;
        QString calKeys;
        for (int i = 0; i < walk.notices.size(); ++i) {
            keys(i == 0 ? "M" : "I");
            menu->tmrMenu_Timer();
            calKeys += panel.calKey ? 'C' : 'E';
            EXPECT_EQ(panel.left == "ConF", f().MenuState == 9);
        }
        EXPECT_EQ(sent(), walk.notices);
        EXPECT_EQ(calKeys, walk.calKeys);
        EXPECT_FALSE(panel.setKeys || panel.knobs || panel.infoTimer);
        menu->ClearKeyAction();
    }
}

TEST_F(MenuWalkTest, MenuRestartsTheTripMenusOnly)
{
    keys("MI");
    EXPECT_EQ(f().EditValue, 5.0f);
    keys("M");
    EXPECT_EQ(f().EditValue, 50.0f);
    menu->tmrMenu_Timer();
    EXPECT_EQ(panel.left, "=50 0.0");
    EXPECT_EQ(panel.lamp(LampGroup::SetPoint, 3), LampColour::Red);
    keys("II");
    sent();
    keys("MIM");
    EXPECT_EQ(f().MenuState, 10);
    EXPECT_EQ(sent(), QStringList{"<>CHG 10,-1,1"});
}

TEST_F(MenuWalkTest, ItemWaitsUntilAnEditIsEnteredOrCleared)
{
    keys("M");
    f().EditValue = 60;
    menu->ApplyEditValue(EditAction::Up);
    keys("I");
    EXPECT_EQ(f().MenuState, 7);
    menu->ClearKeyAction();
    EXPECT_EQ(sent(), QStringList({"<>CHG 7,-1,2", "VOLT:PROT 60", "<>CLR 0", "VOLT:PROT 50", "<>CHG 0,-1,0"}));
    keys("MI");
    EXPECT_EQ(f().MenuState, 8);
}

TEST_F(MenuWalkTest, EnterLimitsTheTripLevelAndCommitsIt)
{
    keys("MI");
    f().EditValue = 1;
    menu->ApplyEditValue(EditAction::Dn); // the arrows stop at zero only
    f().EditValue = 30;
    keys("E");
    EXPECT_EQ(sent().mid(2), QStringList({"CURR:PROT 1", "CURR:PROT 22", "<>CHG 0,-1,0"}));
    EXPECT_EQ(context.state.DeviceStateSaved[3], 22.0f);
    EXPECT_EQ(panel.knobPlacements, 1);
    EXPECT_TRUE(panel.setKeys && panel.knobs && panel.infoTimer && !panel.arrows);
}

TEST_F(MenuWalkTest, EnterHoldsEachTripLevelBetweenItsOwnBounds)
{
    const auto entered = [this](const char* walk, float value) {
        keys(walk);
        f().EditValue = value;
        sent();
        keys("E");
        return sent().first();
    };
    // Over-voltage 10..110, over-current 2..22.
    EXPECT_EQ(entered("M", 110.5f), "VOLT:PROT 110");
    EXPECT_EQ(entered("M", 9.5f), "VOLT:PROT 10");
    EXPECT_EQ(entered("MI", 22.5f), "CURR:PROT 22");
    EXPECT_EQ(entered("MI", 1.5f), "CURR:PROT 2");
}

TEST_F(MenuWalkTest, ClearWhenIdleClearsALatchedProtection)
{
    menu->ClearKeyAction();
    panel.faultBits[7] = true;
    menu->ClearKeyAction();
    EXPECT_EQ(sent(), QStringList({"<>CLR 0", "<>CHG 0,-1,0", "<>CLR 0", "OUTP:PROT:CLE"}));
}

TEST_F(MenuWalkTest, HbItemLeavesTheDisplayOfATypedTripLevelAlone)
{
    makeMenu(MenuVariant::HB);
    for (const int16_t shown : {7, 8}) {
        f().MenuState = shown;
        keys("I");
        EXPECT_EQ(f().MenuState, shown);
    }
    EXPECT_EQ(sent(), QStringList{});
}
