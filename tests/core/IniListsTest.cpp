#include "TestFiles.h"
#include "core/Configuration.h"
#include "support/ScriptedPrompts.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dalto;
using namespace dalto::testing;

namespace {

class IniListTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QStringList read(const QByteArray& section)
    {
        writeText(path, "[Other]\nItem00=0,Elsewhere\n[Form_List]\n" + section);
        QStringList list{"left over"};
        ReadIniList("form_list", list, path, prompts);
        return list;
    }

    QTemporaryDir dir;
    QString path = dir.filePath("Dalto_Panel.ini");
    ScriptedPrompts prompts;
};

} // namespace

TEST_F(IniListTest, ReadsPositionsAndNamesUpToTheFirstMissingItem)
{
    EXPECT_EQ(read("Item00=0,Virtual Panel\nitem01=1,Command Panel\nItem02=2,Name,with,commas\nItem04=4,Unread\n"),
              (QStringList{"Virtual Panel", "Command Panel", "Name,with,commas"}));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(IniListTest, EachEntryResizesTheListToItsPosition)
{
    EXPECT_EQ(read("Item00=0,Virtual\nItem01=4,A\nItem02=3,B\n"), (QStringList{"Virtual", "", "", "B"}));
    EXPECT_EQ(read("Item00=2,C\nItem01=0,A\n"), (QStringList{"A"}));
}

TEST_F(IniListTest, AValueWithoutCommaIsStoredWholeAtItsPosition)
{
    const QStringList list = read("Item00=7\nItem01=12 Volts\n");
    ASSERT_EQ(list.size(), 13);
    EXPECT_EQ(list[7], "7");
    EXPECT_EQ(list[12], "12 Volts");
}

TEST_F(IniListTest, NegativePositionsAreSkipped)
{
    EXPECT_EQ(read("Item00=0,A\nItem01=-1,X\nItem02=1,B\n"), (QStringList{"A", "B"}));
}

TEST_F(IniListTest, AValueShorterThanTwoCharactersEndsTheList)
{
    EXPECT_EQ(read("Item00=0,A\nItem01=x\nItem02=1,B\n"), (QStringList{"A"}));
    EXPECT_EQ(read("Item00=0,A\nItem01=0\nItem02=1,B\n"), (QStringList{"A"}));
    EXPECT_EQ(read("Item00=0,A\nItem01=\nItem02=1,B\n"), (QStringList{"A"}));
    EXPECT_EQ(read("Item01=1,B\n"), QStringList{}) << "nothing without Item00";
}

TEST_F(IniListTest, KeysGoOnFromItem99ToItem100)
{
    QByteArray section;
    for (int k = 0; k <= 100; ++k)
        section += QStringLiteral("Item%1=%2,N%2\n").arg(k, 2, 10, QLatin1Char('0')).arg(k).toUtf8();
    const QStringList list = read(section);
    ASSERT_EQ(list.size(), 101);
    EXPECT_EQ(list[5], "N5");
    EXPECT_EQ(list[99], "N99");
    EXPECT_EQ(list[100], "N100");
}

TEST_F(IniListTest, MissingSectionGivesAnEmptyList)
{
    writeText(path, "[Comm_List]\nItem00=0,GPIB Bus\n");
    QStringList list{"stale"};
    ReadIniList("Syst_List", list, path, prompts);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(IniListTest, APositionBeyondTheIntegerRangeIsReportedAndKeepsWhatWasRead)
{
    EXPECT_EQ(read("Item00=0,A\nItem01=40000,Far\nItem02=1,B\n"), (QStringList{"A"}));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Error retrieving list from .ini file.\r\nSection: form_list\r\nINI file: "
                                            + path + "\r\nError: Overflow");
}

TEST_F(IniListTest, AnUnreadableFileIsReportedWithAStopIcon)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("Dalto_Panel.ini"));
    QStringList list{"stale"};
    ReadIniList("Comm_List", list, path, prompts);
    EXPECT_TRUE(list.isEmpty());
    ASSERT_EQ(prompts.messages.size(), 1u);
    const AskedMessage& asked = prompts.messages[0];
    EXPECT_TRUE(asked.text.startsWith("Error retrieving list from .ini file.\r\nSection: Comm_List\r\nINI file: "
                                      + path + "\r\nError: "))
        << asked.text.toStdString();
    EXPECT_GT(asked.text.size(), asked.text.indexOf("Error: ") + 7) << "the reason is given";
    EXPECT_EQ(asked.title, "Dalto Panel");
    EXPECT_EQ(asked.buttons, PromptButtons::Ok);
    EXPECT_EQ(asked.icon, PromptIcon::Critical);
}

TEST(FindInList, MatchesWithoutCaseFromTheFirstPosition)
{
    const QStringList list{"Virtual Panel", "Command", "", "COMMAND"};
    EXPECT_EQ(FindInList(list, "COMMAND"), 1);
    EXPECT_EQ(FindInList(list, "virtual panel"), 0);
    EXPECT_EQ(FindInList(list, "Register"), NotFound);
}

TEST(FindInList, EmptyListOrEmptyNameGivesNotFound)
{
    EXPECT_EQ(FindInList({}, "Command"), NotFound);
    // A missing key reads as empty; it must not match a gap in the list.
    EXPECT_EQ(FindInList({"", "", "HBX Series"}, ""), NotFound);
}
