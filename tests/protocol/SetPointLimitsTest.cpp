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

using K = SetPointKind;

SharedState kdWithLimits(std::initializer_list<std::pair<K, const char*>> limits = {})
{
    SharedState state;
    SetRatings(state, 15, 100);
    for (const auto& [kind, text] : limits)
        state.Limits[kind] = ParseBenchLimit(text);
    return state;
}

TEST(SetPointRule, TheLowerOfBenchLimitAndRatingIsTheCeiling)
{
    const SharedState kd = kdWithLimits({{K::Voltage, " 12 "}, {K::Current, "250"}});
    EXPECT_FALSE(SetPointRefusal(K::Voltage, 12, kd));
    EXPECT_EQ(SetPointRefusal(K::Voltage, 12.001, kd), "Voltage 12.001 V refused: it is above the bench limit of 12 V.");
    EXPECT_EQ(SetPointRefusal(K::Current, 100.5, kd), "Current 100.5 A refused: it is above the supply's rating of 100 A.");
    // The trip bound 1.1 x 15 is held in single precision; 16.5 as typed passes.
    EXPECT_FALSE(SetPointRefusal(K::OverVoltage, 16.5, kd));
    EXPECT_TRUE(SetPointRefusal(K::OverVoltage, 16.51, kd));
    EXPECT_EQ(SetPointStop(K::Voltage, kd), 12.0f);
    EXPECT_EQ(SetPointStop(K::Current, kd), 100.0f);
    EXPECT_TRUE(SetPointRefusal(K::Voltage, std::nan(""), kd));
}

TEST(SetPointRule, UnknownRatingsBoundNothingButAnUnreadableLimitRefusesAll)
{
    SharedState unrated;
    EXPECT_FALSE(SetPointRefusal(K::Voltage, 1e6, unrated));
    EXPECT_TRUE(std::isinf(SetPointStop(K::Voltage, unrated)));
    EXPECT_EQ(SetPointRangeText(K::Current, unrated), "Amperes");

    const SharedState kd = kdWithLimits({{K::Voltage, "12V"}});
    EXPECT_TRUE(kd.Limits[K::Voltage].unreadable());
    EXPECT_TRUE(SetPointRefusal(K::Voltage, 0, kd).value_or("").contains("\"12V\""));
    EXPECT_EQ(SetPointStop(K::Voltage, kd), 0.0f);
}

TEST(SetPointRule, TypedEntriesMustBeNumbersWithinTheRangeShown)
{
    const SharedState kd = kdWithLimits({{K::Voltage, "12"}});
    EXPECT_EQ(SetPointRangeText(K::Voltage, kd), "Volts, 0 to 12 (bench limit)");
    EXPECT_EQ(SetPointRangeText(K::OverVoltage, kd), "Volts, 1.5 to 16.5 (rating)");
    EXPECT_FALSE(TypedSetPointRefusal(K::Voltage, " 11.5 ", kd));
    for (const char* typed : {"5V", "1,5", "inf", "nan", " "})
        EXPECT_TRUE(TypedSetPointRefusal(K::Voltage, typed, kd).value_or("").contains("not a number")) << typed;
    EXPECT_EQ(TypedSetPointRefusal(K::Voltage, "abc", kd),
              "\"abc\" is not a number. Type the voltage in volts, 0 to 12 (bench limit).");
}

TEST(SetPointCommands, EverySpellingOfTheFourSetPointsIsFoundAndNothingElse)
{
    const SharedState kd = kdWithLimits();
    const struct {
        const char* line;
        std::vector<std::pair<K, double>> settings;
    } cases[] = {
        {"SOURce:VOLTage:LEVel:IMMediate:AMPLitude 20", {{K::Voltage, 20}}},
        {"sour1:volt:lev:trig:ampl 7", {{K::Voltage, 7}}},
        {":CURR 3", {{K::Current, 3}}},
        {"SOURce:CURRent:PROTection:LEVel 120", {{K::OverCurrent, 120}}},
        // Without a leading colon a command continues the path before it.
        {"VOLT:PROT 5;LEV 9", {{K::OverVoltage, 5}, {K::Voltage, 9}}},
        {"SOUR:VOLT 1;:CURR:PROT 2", {{K::Voltage, 1}, {K::OverCurrent, 2}}},
        {"VOLT 1500mV", {{K::Voltage, 1.5}}},
        {"CURR 2 A", {{K::Current, 2}}},
        {"volt:prot maximum", {{K::OverVoltage, 16.5}}},
    };
    for (const auto& c : cases) {
        const auto settings = SetPointsInCommand(c.line, kd.Ratings);
        ASSERT_EQ(settings.size(), c.settings.size()) << c.line;
        for (std::size_t i = 0; i < settings.size(); ++i) {
            EXPECT_EQ(settings[i].kind, c.settings[i].first) << c.line;
            EXPECT_FLOAT_EQ(float(settings[i].value), float(c.settings[i].second)) << c.line;
        }
    }
    for (const char* line : {"VOLT?", "VOLT? MAX", "MEAS:VOLT?", "VOLT:PROT:STAT 1", "VOLT", "VOLT MIN",
                             "VOLT abc", "CAL:SCAL:VOLT 100", "*RST;*SAV 1", "PER 500", "<>CHG 5,-1,2",
                             "MOD:TABL 1,\"VOLT 99;CURR 99\"", ""})
        EXPECT_TRUE(SetPointsInCommand(line, kd.Ratings).empty()) << line;
}

TEST(SetPointCommands, ALineIsRefusedForItsFirstSettingAboveACeiling)
{
    EXPECT_FALSE(CommandRefusal("VOLT MAX;CURR 100", kdWithLimits()));
    EXPECT_EQ(CommandRefusal("VOLT 5;CURR 2;VOLT:PROT 20", kdWithLimits()),
              "OVP level 20 V refused: it is above the supply's rating of 16.5 V.");
    const SharedState limited = kdWithLimits({{K::Voltage, "12"}});
    EXPECT_EQ(CommandRefusal("VOLT MAX", limited), "Voltage MAX refused: it is above the bench limit of 12 V.");
    EXPECT_FALSE(CommandRefusal("VOLT 12000mV", limited));
}

} // namespace
} // namespace dalto
