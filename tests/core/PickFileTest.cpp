#include "core/PickFile.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

using namespace dalto;
using dalto::testing::ScriptedPrompts;

TEST(PickFile, AsksWithTheTitleFolderAndFilterOfTheCaller)
{
    ScriptedPrompts prompts;
    prompts.files.push_back("/tmp/run1.modtable");
    EXPECT_EQ(PickFile(prompts, "Open Table", "/tmp", "Modulation Table", "*.modTable", "open"),
              "/tmp/run1.modtable");
    ASSERT_EQ(prompts.filePicks.size(), 1u);
    const FilePickRequest& asked = prompts.filePicks[0];
    EXPECT_EQ(asked.title, "Dalto Panel - Open Table");
    EXPECT_EQ(asked.folder, "/tmp");
    EXPECT_EQ(asked.filter, "Modulation Table (*.modTable)|*.modTable|All Files (*.*)|*.*");
    EXPECT_TRUE(asked.open);
}

TEST(PickFile, OnlyTheExactModeOpenShowsTheOpenDialog)
{
    ScriptedPrompts prompts;
    for (const char* mode : {"save", "Open", ""})
        PickFile(prompts, "t", "/", "Text", "*.txt", mode);
    for (const auto& asked : prompts.filePicks)
        EXPECT_FALSE(asked.open);
}

TEST(PickFile, CancelGivesAnEmptyText)
{
    ScriptedPrompts prompts;
    EXPECT_TRUE(PickFile(prompts, "Save", "/", "Text", "*.txt", "save").isEmpty());
}

TEST(PickFile, KeepsTheCaseOfTheChosenPathWhereFileNamesDependOnIt)
{
    ScriptedPrompts prompts;
    prompts.files.push_back("/home/Ann/Logs/Run1.TXT");
#ifdef Q_OS_WIN
    EXPECT_EQ(PickFile(prompts, "Save", "/", "Text", "*.txt", "save"), "/home/ann/logs/run1.txt");
#else
    EXPECT_EQ(PickFile(prompts, "Save", "/", "Text", "*.txt", "save"), "/home/Ann/Logs/Run1.TXT");
#endif
}
