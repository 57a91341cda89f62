// The menu closes by itself: 10 s without a key at a menu level or on a
// configuration item, 60 s on a calibration item.

#include "MenuFixture.h"

using namespace dalto::testing;

using MenuTimeoutTest = MenuFixture;

TEST_F(MenuTimeoutTest, TenIdleSecondsAtMenuLevelActLikeClear)
{
    keys("M");
    sent();
    tickFor(9.9);
    EXPECT_EQ(f().MenuState, 7);
    tickFor(0.3);
    EXPECT_EQ(sent(), QStringList({"<>CLR 0", "VOLT:PROT 50", "<>CHG 0,-1,0"}));
    EXPECT_FALSE(panel.menuTimer);
}

TEST_F(MenuTimeoutTest, TenIdleSecondsOnAConfigurationItemLeaveItUnchanged)
{
    keys("MIIE");
    tickFor(5);
    keys("I"); // a key restarts the wait
    sent();
    tickFor(9.9);
    EXPECT_TRUE(sent().isEmpty());
    tickFor(0.3);
    EXPECT_EQ(sent(), QStringList({"<>CHG 0,-1,0", "<>CLR 0", "<>CHG 0,-1,0"}));
}

TEST_F(MenuTimeoutTest, SixtyIdleSecondsOnACalibrationItem)
{
    openPots();
    tickFor(30); // the 10 s rule does not apply to an item
    keys("I");
    sent();
    clock.advance(59.9);
    EXPECT_FALSE(menu->CheckCalibrationTimeout());
    clock.advance(0.2);
    EXPECT_TRUE(menu->CheckCalibrationTimeout());
    EXPECT_EQ(sent(), QStringList({"<>CHG 0,-1,0", "<>CLR 0", "<>CHG 0,-1,0"}));
}
