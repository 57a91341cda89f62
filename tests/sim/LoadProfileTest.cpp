// The load that ramps by itself: the profile on given times, and the SIM:LOAD
// commands that start and stop it.
#include "sim/CommandProcessor.h"
#include "sim/LoadProfile.h"

#include <gtest/gtest.h>

using namespace dalto::sim;

TEST(LoadProfile, RampsInOrderThenHoldsTheLastLoadOrStartsAgainFromIt)
{
    LoadProfile once;
    ASSERT_TRUE(once.start(10, {{2, 4}, {6, 0}}, false, 100));
    EXPECT_DOUBLE_EQ(*once.loadAt(100), 10);
    EXPECT_DOUBLE_EQ(*once.loadAt(101), 8);
    EXPECT_DOUBLE_EQ(*once.loadAt(103.5), 3);
    EXPECT_DOUBLE_EQ(*once.loadAt(104), 6); // the zero-second step is a jump
    EXPECT_FALSE(once.loadAt(105));         // done: the load stays where it is
    EXPECT_FALSE(once.running());

    LoadProfile repeated;
    ASSERT_TRUE(repeated.start(10, {{2, 4}, {6, 2}}, true, 0));
    EXPECT_DOUBLE_EQ(*repeated.loadAt(5), 4);
    // The second round ramps from 6 (the last step), not from 10.
    EXPECT_DOUBLE_EQ(*repeated.loadAt(8), 4);
    EXPECT_DOUBLE_EQ(*repeated.loadAt(6 * 100 + 1), 5);
    EXPECT_TRUE(repeated.running());
}

TEST(LoadProfile, RefusesListsThatAreNotOhmsAndSecondsOrNeverAdvance)
{
    EXPECT_TRUE(ParseLoadSteps("10, 5,2,0.5"));
    for (const char* bad : {"", "10", "10,5,2", "0,5", "-1,5", "10,-1", "x,5", "10,inf"})
        EXPECT_FALSE(ParseLoadSteps(bad)) << bad;
    LoadProfile profile;
    EXPECT_FALSE(profile.start(10, {{2, 0}}, true, 0));
    EXPECT_FALSE(profile.start(10, {}, false, 0));
    EXPECT_FALSE(profile.running());
}

TEST(LoadProfile, SimulatorCommandsStartAndStopTheRamps)
{
    Device device{DeviceConfig{}};
    CommandProcessor processor{device};
    const auto send = [&](const QByteArray& line) {
        const auto reply = processor.handleLine(line).reply;
        return reply ? QString::fromLatin1(*reply) : QString();
    };
    send("SIM:LOAD:RAMP 1,100000");
    const double during = send("SIM:LOAD?").toDouble();
    EXPECT_LT(during, 10);
    EXPECT_GT(during, 1);
    send("SIM:LOAD 5");
    EXPECT_EQ(send("SIM:LOAD?"), "5");
    EXPECT_EQ(send("SIM:LOAD?"), "5"); // the ramp is over
    send("SIM:LOAD:PROF 2,0,3,0");
    EXPECT_EQ(send("SYST:ERR?"), "-224,\"Illegal parameter value\"");
    send("SIM:LOAD:PROFile 2,0,3,100000");
    EXPECT_EQ(send("SYST:ERR?"), "0,\"No error\"");
    EXPECT_LT(send("SIM:LOAD?").toDouble(), 3);
}
