// set voltage|current|ovp|ocp: the front panel's command, bounded by the ratings.
#include "ctl/SetPoint.h"
#include "protocol/DeviceSettings.h"

#include <gtest/gtest.h>

namespace dalto::ctl {
namespace {

SharedState ratedAt(float volts, float amperes)
{
    SharedState state;
    SetRatings(state, volts, amperes);
    ChooseNumberFormats(state);
    return state;
}

TEST(SetPoint, CommandInTheDisplayFormat)
{
    const SharedState kd = ratedAt(15, 100);
    EXPECT_EQ(MakeSetPointCommand("voltage", "7.256", kd).command, "VOLT 7.25");
    EXPECT_EQ(MakeSetPointCommand("current", "100", kd).command, "CURR 100.0");
    EXPECT_EQ(MakeSetPointCommand("ovp", "16.5", kd).command, "VOLT:PROT 16.50");
    EXPECT_EQ(MakeSetPointCommand("ocp", " 10 ", kd).command, "CURR:PROT 10.0");
    EXPECT_EQ(MakeSetPointCommand("voltage", "0", ratedAt(5, 2)).command, "VOLT 0.000");
}

TEST(SetPoint, ValuesOutsideTheRatingsOrNotNumbersAreRefused)
{
    const SharedState kd = ratedAt(15, 100);
    for (const auto& [quantity, value] : std::vector<std::pair<QString, QString>>{
             {"voltage", "15.01"}, {"voltage", "-1"}, {"current", "100.5"},
             {"ovp", "16.6"}, {"ovp", "1.4"}, {"ocp", "9.9"}, {"voltage", "5V"}, {"voltage", ""}}) {
        const SetPointCommand set = MakeSetPointCommand(quantity, value, kd);
        EXPECT_TRUE(set.command.isEmpty()) << quantity.toStdString() << " " << value.toStdString();
        EXPECT_FALSE(set.error.isEmpty());
    }
    EXPECT_EQ(MakeSetPointCommand("ovp", "1.4", kd).error, "ovp 1.4 is outside 1.50 to 16.50 V");
}

TEST(SetPoint, OutputKeys)
{
    EXPECT_EQ(OutputCommands(true), QStringList({"OUTP:START"}));
    EXPECT_EQ(OutputCommands(false), QStringList({"OUTP:STOP", "<>IGN 0"}));
}

} // namespace
} // namespace dalto::ctl
