// The fault plan's rules: which reply each one hits, and what a broken plan says.
#include "sim/FaultPlan.h"

#include <gtest/gtest.h>

using namespace dalto::sim;

namespace {

// The fault kinds of replies 1..count, '.' for a clean one.
std::string faultsOf(FaultPlan plan, int count)
{
    std::string seen;
    for (int i = 0; i < count; ++i) {
        const auto step = plan.nextReply();
        seen += step ? char('0' + int(step->kind)) : '.';
    }
    return seen;
}

} // namespace

TEST(FaultPlanTest, EveryPicksMultiplesAfterPicksTheRestAndTheFirstRuleWins)
{
    QString error;
    const auto plan = FaultPlan::parse("# lossy\n\ndelay 3000 every 3   # late\ndrop every 2\nsilent after 7\n", &error);
    ASSERT_TRUE(plan) << error.toStdString();
    // Drop is kind 0, delay 1: the delay takes 3, 6 and 9 before the drop of even replies.
    EXPECT_EQ(faultsOf(*plan, 11), ".010.1.0100");
    EXPECT_EQ(faultsOf(*FaultPlan::parse("truncate 4", &error), 3), "333") << "no trigger: every reply";
    EXPECT_EQ(faultsOf(*FaultPlan::parse("vanish 2000 at 2", &error), 4), ".7..") << "vanish, kind 7, once";
}

TEST(FaultPlanTest, ABrokenLineIsNamedWithItsNumber)
{
    const std::pair<const char*, const char*> cases[] = {
        {"drop every 2\nexplode", "line 2: unknown fault \"explode\""},
        {"delay every 2", "line 1: \"delay\" wants a number from 1 to 600000"},
        {"garbage 0", "line 1: \"garbage\" wants a number from 1 to 600000"},
        {"drop every", "line 1: \"drop every\" ends in \"every N\", \"after N\" or \"at N\" (N from 1)"},
        {"drop sometimes 3", "line 1: \"drop sometimes 3\" ends in \"every N\", \"after N\" or \"at N\" (N from 1)"},
        {"no-lf every 0", "line 1: \"no-lf every 0\" ends in \"every N\", \"after N\" or \"at N\" (N from 1)"},
    };
    for (const auto& [text, message] : cases) {
        QString error;
        EXPECT_FALSE(FaultPlan::parse(text, &error)) << text;
        EXPECT_EQ(error.toStdString(), message) << text;
    }
}
