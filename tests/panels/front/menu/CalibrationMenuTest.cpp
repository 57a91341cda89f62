// The calibration menu: CAL held 10 s, the pots, and the other items.

#include "MenuFixture.h"

using namespace dalto::testing;

using CalibrationMenuTest = MenuFixture;

TEST_F(CalibrationMenuTest, CalMustBeHeldTenSeconds)
{
    keys("MIII");
    sent();
    menu->cmdCal_MouseDown();
    tickFor(5);
    menu->cmdCal_MouseUp();
    tickFor(5);
    EXPECT_TRUE(sent().isEmpty());
    EXPECT_TRUE(panel.calKey);
    EXPECT_EQ(panel.left, "CAL ");

    holdCal(); // also shows that a held key keeps the menu from timing out
    EXPECT_EQ(sent(), QStringList({"CAL:PASS 7351", "<>POT"}));
    EXPECT_EQ(f().MenuItem, 0);
    EXPECT_EQ(context.state.PotValuesSaved[4], 104);
    EXPECT_TRUE(!panel.calKey && panel.arrows && panel.infoTimer);
    EXPECT_EQ(panel.right, "P100");
}

TEST_F(CalibrationMenuTest, PotStepsStopAt255AndClearSendsTheSavedValueBack)
{
    openPots();
    keys("II");
    EXPECT_EQ(panel.polls, 2);
    sent();
    for (int step = 0; step < 13; ++step) {
        f().EditValue += 13;
        menu->ApplyEditValue(EditAction::Up);
        menu->ShowEditValue();
    }
    EXPECT_EQ(sent().mid(10), QStringList({"CAL:POT 3,245", "CAL:POT 3,255", "CAL:POT 3,255"}));
    EXPECT_EQ(panel.left, "P255");
    menu->ClearKeyAction();
    EXPECT_EQ(sent(), QStringList({"<>CLR 0", "CAL:POT 3,102"}));
    EXPECT_EQ(context.state.PotValues[2], 102);
    EXPECT_EQ(f().MenuItem, 2);
}

TEST_F(CalibrationMenuTest, EnterKeepsAPotAndItemDropsWhatWasNotEntered)
{
    openPots();
    f().EditValue = 120;
    keys("E");
    f().EditValue = 90;
    menu->ApplyEditValue(EditAction::Dn);
    keys("I");
    EXPECT_EQ(context.state.PotValues[0], 120);
    EXPECT_EQ(sent(), QStringList({"CAL:POT 1,120", "CAL:POT 1,90", "<>CHG 10,1,6"}));
}

TEST_F(CalibrationMenuTest, VersionsDefaultsAndReturn)
{
    context.state.FirmwareVersion = "2.31";
    openPots();
    keys("IIIII");
    EXPECT_EQ(panel.left + "|" + panel.right, "F2.31|H 1.0");
    keys("I");
    EXPECT_EQ(panel.left, "def");
    sent();
    keys("E");
    EXPECT_EQ(sent(), QStringList({"CAL:DEF", "<>CHG 0,-1,0"}));
    openPots();
    keys("IIIIIII");
    EXPECT_EQ(panel.left, "rEt");
    sent();
    keys("E");
    EXPECT_EQ(sent(), QStringList{"<>CHG 0,-1,0"});
}

TEST_F(CalibrationMenuTest, ClearAtTheCalibrationLevelLeavesTheMenu)
{
    keys("MIII");
    sent();
    menu->ClearKeyAction();
    EXPECT_EQ(sent(), QStringList({"<>CLR 0", "<>CHG 0,-1,0"}));
    EXPECT_FALSE(panel.calKey);
}
