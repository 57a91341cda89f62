// The bench's rule for set points: ceilings at their boundaries (bench limit,
// rating, neither, unreadable), typed entries, and the set points found in
// command lines of every spelling.
#include "protocol/DeviceSettings.h"
#include "protocol/SetPointCommands.h"
#include "protocol/SetPointLimits.h"

#include <gtest/gtest.h>
#include <cmath>

namespace dalto {
namespace {

SharedState ratedAt(float volts, float amperes)
{
    SharedState state;
    SetRatings(state, volts, amperes);
    return state;
}

void limit(SharedState& state, SetPointKind kind, const QString& text)
{
    state.Limits[kind] = ParseBenchLimit(text);
}

TEST(SetPointRule, TheRatingIsTheCeilingWithoutABenchLimit)
{
    const SharedState kd = ratedAt(15, 100);
    EXPECT_FALSE(SetPointRefusal(SetPointKind::Voltage, 15, kd));
    EXPECT_EQ(SetPointRefusal(SetPointKind::Voltage, 15.01, kd),
              "Voltage 15.01 V refused: it is above the supply's rating of 15 V.");
    // The trip bound 1.1 x 15 is held in single precision; 16.5 as typed passes.
    EXPECT_FALSE(SetPointRefusal(SetPointKind::OverVoltage, 16.5, kd));
    EXPECT_TRUE(SetPointRefusal(SetPointKind::OverVoltage, 16.51, kd));
}

TEST(SetPointRule, TheLowerOfBenchLimitAndRatingHolds)
{
    SharedState kd = ratedAt(15, 100);
    limit(kd, SetPointKind::Voltage, " 12 ");
    limit(kd, SetPointKind::Current, "250");
    EXPECT_FALSE(SetPointRefusal(SetPointKind::Voltage, 12, kd));
    EXPECT_EQ(SetPointRefusal(SetPointKind::Voltage, 12.001, kd),
              "Voltage 12.001 V refused: it is above the bench limit of 12 V.");
    EXPECT_TRUE(SetPointRefusal(SetPointKind::Current, 101, kd)->contains("rating of 100 A"));
    // Each kind keeps its own ceiling: the voltage limit does not bound the OVP.
    EXPECT_FALSE(SetPointRefusal(SetPointKind::OverVoltage, 16, kd));
    EXPECT_EQ(SetPointStop(SetPointKind::Voltage, kd), 12.0f);
    EXPECT_EQ(SetPointStop(SetPointKind::Current, kd), 100.0f);
}

TEST(SetPointRule, UnknownRatingsBoundNothingButAnUnreadableLimitRefusesAll)
{
    SharedState unrated;
    EXPECT_FALSE(SetPointRefusal(SetPointKind::Voltage, 1e6, unrated));
    EXPECT_TRUE(std::isinf(SetPointStop(SetPointKind::Voltage, unrated)));
    EXPECT_EQ(SetPointRangeText(SetPointKind::Current, unrated), "Amperes");
    limit(unrated, SetPointKind::Voltage, "30");
    EXPECT_TRUE(SetPointRefusal(SetPointKind::Voltage, 30.5, unrated)->contains("bench limit of 30 V"));

    SharedState kd = ratedAt(15, 100);
    limit(kd, SetPointKind::Voltage, "12V");
    EXPECT_TRUE(kd.Limits[SetPointKind::Voltage].unreadable());
    const auto refusal = SetPointRefusal(SetPointKind::Voltage, 0, kd);
    ASSERT_TRUE(refusal);
    EXPECT_TRUE(refusal->contains("\"12V\"")) << refusal->toStdString();
    EXPECT_TRUE(SetPointRefusal(SetPointKind::Voltage, std::nan(""), ratedAt(15, 100)));
}

TEST(SetPointRule, TypedEntriesMustBeNumbersWithinTheRangeShown)
{
    SharedState kd = ratedAt(15, 100);
    limit(kd, SetPointKind::Voltage, "12");
    EXPECT_EQ(SetPointRangeText(SetPointKind::Voltage, kd), "Volts, 0 to 12 (bench limit)");
    EXPECT_EQ(SetPointRangeText(SetPointKind::OverVoltage, kd), "Volts, 1.5 to 16.5 (rating)");
    EXPECT_FALSE(TypedSetPointRefusal(SetPointKind::Voltage, " 11.5 ", kd));
    for (const char* typed : {"5V", "1,5", "inf", "nan", " "})
        EXPECT_TRUE(TypedSetPointRefusal(SetPointKind::Voltage, typed, kd).value_or("").contains("not a number"))
            << typed;
    EXPECT_EQ(TypedSetPointRefusal(SetPointKind::Voltage, "abc", kd),
              "\"abc\" is not a number. Type the voltage in volts, 0 to 12 (bench limit).");
    EXPECT_EQ(TypedSetPointRefusal(SetPointKind::Voltage, "13", kd),
              "Voltage 13 V refused: it is above the bench limit of 12 V.");
}

struct Found {
    const char* line;
    std::vector<std::pair<SetPointKind, double>> settings;
};

TEST(SetPointCommands, EverySpellingOfTheFourSetPointsIsFound)
{
    using K = SetPointKind;
    const SharedState kd = ratedAt(15, 100);
    const std::vector<Found> cases = {
        {"SOURce:VOLTage:LEVel:IMMediate:AMPLitude 20", {{K::Voltage, 20}}},
        {"sour1:volt:lev:trig:ampl 7", {{K::Voltage, 7}}},
        {":CURR 3", {{K::Current, 3}}},
        {"VOLT:PROT 18", {{K::OverVoltage, 18}}},
        {"SOURce:CURRent:PROTection:LEVel 120", {{K::OverCurrent, 120}}},
        // Without a leading colon a command continues the path before it.
        {"VOLT:PROT 5;LEV 9", {{K::OverVoltage, 5}, {K::Voltage, 9}}},
        {"SOUR:VOLT 1;:CURR:PROT 2", {{K::Voltage, 1}, {K::OverCurrent, 2}}},
        {"VOLT 1500mV", {{K::Voltage, 1.5}}},
        {"CURR 2 A", {{K::Current, 2}}},
        {"volt:prot maximum", {{K::OverVoltage, 16.5}}},
    };
    for (const Found& c : cases) {
        const auto settings = SetPointsInCommand(c.line, kd.Ratings);
        ASSERT_EQ(settings.size(), c.settings.size()) << c.line;
        for (std::size_t i = 0; i < settings.size(); ++i) {
            EXPECT_EQ(settings[i].kind, c.settings[i].first) << c.line;
            EXPECT_FLOAT_EQ(float(settings[i].value), float(c.settings[i].second)) << c.line;
        }
    }
}

TEST(SetPointCommands, QueriesAndOtherCommandsSetNothing)
{
    const SharedState kd = ratedAt(15, 100);
    for (const char* line : {"VOLT?", "VOLT? MAX", "MEAS:VOLT?", "VOLT:PROT:STAT 1", "VOLT", "VOLT MIN",
                             "VOLT abc", "CAL:SCAL:VOLT 100", "*RST;*SAV 1", "PER 500", "<>CHG 5,-1,2",
                             "SYST:ERR?;VOLT?", "MOD:TABL 1,\"VOLT 99;CURR 99\"", ""})
        EXPECT_TRUE(SetPointsInCommand(line, kd.Ratings).empty()) << line;
}

TEST(SetPointCommands, ALineIsRefusedForItsFirstSettingAboveACeiling)
{
    SharedState kd = ratedAt(15, 100);
    EXPECT_FALSE(CommandRefusal("VOLT MAX;CURR 100", kd));
    EXPECT_EQ(CommandRefusal("VOLT 5;CURR 2;VOLT:PROT 20", kd),
              "OVP level 20 V refused: it is above the supply's rating of 16.5 V.");
    limit(kd, SetPointKind::Voltage, "12");
    EXPECT_EQ(CommandRefusal("VOLT MAX", kd), "Voltage MAX refused: it is above the bench limit of 12 V.");
    EXPECT_FALSE(CommandRefusal("VOLT 12000mV", kd));
}

} // namespace
} // namespace dalto
