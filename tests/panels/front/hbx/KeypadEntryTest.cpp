#include "panels/front/hbx/KeypadEntry.h"

#include <gtest/gtest.h>

namespace dalto::front::hbx {
namespace {

QString afterKeys(const QString& keys, bool memoryRecall = false)
{
    QString display;
    for (QChar key : keys)
        display = ApplyKeypadRules(display + key, memoryRecall).text;
    return display;
}

TEST(KeypadEntry, DisplayKeepsFourDigitsOrFiveCharactersWithAPoint)
{
    EXPECT_EQ(afterKeys("0123"), "0123"); // four stay as typed
    EXPECT_EQ(afterKeys("12345"), "2345");
    EXPECT_EQ(afterKeys("12.34"), "12.34");
    EXPECT_EQ(afterKeys("12.345"), "2.345");
    EXPECT_EQ(afterKeys("10005"), "5");
    EXPECT_EQ(afterKeys("1.2345"), "2.345");
    EXPECT_EQ(afterKeys("1234."), "1234.");
    EXPECT_EQ(afterKeys("."), "0.");
}

TEST(KeypadEntry, RefusedKeysAreRemovedAtOnce)
{
    EXPECT_EQ(afterKeys("1.2.3"), "1.23");
    const KeypadText letter = ApplyKeypadRules("12a", false);
    EXPECT_EQ(letter.text, "12");
    EXPECT_FALSE(letter.accepted);
    EXPECT_TRUE(ApplyKeypadRules("12.", false).pointTyped);
}

TEST(KeypadEntry, MemoryRecallHoldsTheLastDigit)
{
    EXPECT_EQ(afterKeys("17", true), "7");
    EXPECT_EQ(afterKeys("7.", true), "7");
}

TEST(KeypadEntry, AnyChangeGoesThroughTheRulesKeyByKey)
{
    // Pasted at the end: as if typed.
    EXPECT_EQ(ApplyKeypadChange("1", "1a2.3.4", false).text, "12.34");
    EXPECT_EQ(ApplyKeypadChange("", "123456", false).text, "3456");
    EXPECT_EQ(ApplyKeypadChange("", "58", true).text, "8");
    // Inserted in the middle, or a deletion: the whole text typed afresh.
    EXPECT_EQ(ApplyKeypadChange("12", "1x2", false).text, "12");
    EXPECT_EQ(ApplyKeypadChange("2.345", "2.35", false).text, "2.35");
    const KeypadText refused = ApplyKeypadChange("12", "12ab", false);
    EXPECT_EQ(refused.text, "12");
    EXPECT_FALSE(refused.accepted);
    EXPECT_TRUE(ApplyKeypadChange("1", "1.x", false).pointTyped);
}

} // namespace
} // namespace dalto::front::hbx
