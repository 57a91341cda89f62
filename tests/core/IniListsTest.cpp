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
    QStringList read(const QByteArray& items)
    {
        writeText(path, "[Other]\nItem00=0,Elsewhere\n[Form_List]\n" + items);
        QStringList list{"left over"};
        ReadIniList("form_list", list, path, prompts);
        return list;
    }

    QTemporaryDir dir;
    QString path = dir.filePath("Dalto_Panel.ini");
    ScriptedPrompts prompts;
};

} // namespace

TEST_F(IniListTest, EntriesSetTheirPositionAndEndTheListThere)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"Item00=0,Virtual Panel\nitem01=1,Name,with,commas\nItem03=3,Unread\n", {"Virtual Panel", "Name,with,commas"}},
        {"Item00=0,Virtual\nItem01=4,A\nItem02=3,B\n", {"Virtual", "", "", "B"}},
        {"Item00=7\nItem01=9,Nine\n", {"", "", "", "", "", "", "", "7", "", "Nine"}},
        {"Item00=0,A\nItem01=-1,X\nItem02=1,B\n", {"A", "B"}},
        {"Item00=0,A\nItem01=x\nItem02=1,B\n", {"A"}},
        {"Item00=0,A\nItem01=0\nItem02=1,B\n", {"A"}},
        {"Item00=0,A\nItem01=\nItem02=1,B\n", {"A"}},
        {"Item01=1,B\n", {}},
        {"", {}},
    };
    for (const auto& [items, expected] : cases)
        EXPECT_EQ(read(items), expected) << items;
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(IniListTest, KeysGoOnFromItem99ToItem100)
{
    QByteArray items;
    for (int k = 0; k <= 100; ++k)
        items += QStringLiteral("Item%1=%2,N%2\n").arg(k, 2, 10, QLatin1Char('0')).arg(k).toUtf8();
    const QStringList list = read(items);
    ASSERT_EQ(list.size(), 101);
    EXPECT_EQ(list[99], "N99");
    EXPECT_EQ(list[100], "N100");
}

TEST_F(IniListTest, FailuresAreReportedWithAStopIconAndKeepWhatWasRead)
{
    EXPECT_EQ(read("Item00=0,A\nItem01=40000,Far\nItem02=1,B\n"), QStringList{"A"});
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, "Error retrieving list from .ini file.\r\nSection: form_list\r\nINI file: "
                                            + path + "\r\nError: Overflow");
    EXPECT_EQ(prompts.messages[0].title, "Dalto Panel");
    EXPECT_EQ(prompts.messages[0].buttons, PromptButtons::Ok);
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Critical);

    const QString folder = dir.filePath("folder.ini"); // exists, but cannot be read as a file
    ASSERT_TRUE(QDir().mkdir(folder));
    QStringList list{"stale"};
    ReadIniList("Comm_List", list, folder, prompts);
    EXPECT_TRUE(list.isEmpty());
    ASSERT_EQ(prompts.messages.size(), 2u);
    const QString prefix = "Error retrieving list from .ini file.\r\nSection: Comm_List\r\nINI file: " + folder
        + "\r\nError: ";
    EXPECT_TRUE(prompts.messages[1].text.startsWith(prefix)) << prompts.messages[1].text.toStdString();
    EXPECT_GT(prompts.messages[1].text.size(), prefix.size()) << "the reason is given";
}

TEST(FindInList, MatchesWithoutCaseAndNeverMatchesAnEmptyName)
{
    const QStringList list{"", "Virtual Panel", "Command", "COMMAND"};
    EXPECT_EQ(FindInList(list, "COMMAND"), 2);
    EXPECT_EQ(FindInList(list, "virtual panel"), 1);
    EXPECT_EQ(FindInList(list, "Register"), NotFound);
    EXPECT_EQ(FindInList({}, "Command"), NotFound);
    // A missing key reads as empty; it must not match a gap in the list.
    EXPECT_EQ(FindInList(list, ""), NotFound);
}
