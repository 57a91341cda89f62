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
    EXPECT_EQ(afterKeys("12345"), "2345");
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

} // namespace
} // namespace dalto::front::hbx
