#include "core/PickFile.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

using namespace dalto;
using dalto::testing::ScriptedPrompts;

TEST(PickFile, AsksWithTheCallersTitleFolderFilterAndMode)
{
    ScriptedPrompts prompts;
    prompts.files.push_back("/home/Ann/Tables/Run1.modTable");
    // Lower-casing would name another file where names depend on case.
    EXPECT_EQ(PickFile(prompts, "Open Table", "/tmp", "Modulation Table", "*.modTable", "open"),
              "/home/Ann/Tables/Run1.modTable");
    EXPECT_TRUE(PickFile(prompts, "Save", "/", "Text", "*.txt", "Open").isEmpty()) << "cancelled";
    PickFile(prompts, "Save", "/", "Text", "*.txt", "save");

    ASSERT_EQ(prompts.filePicks.size(), 3u);
    EXPECT_EQ(prompts.filePicks[0].title, "Dalto Panel - Open Table");
    EXPECT_EQ(prompts.filePicks[0].folder, "/tmp");
    EXPECT_EQ(prompts.filePicks[0].filter, "Modulation Table (*.modTable)|*.modTable|All Files (*.*)|*.*");
    EXPECT_TRUE(prompts.filePicks[0].open);
    EXPECT_FALSE(prompts.filePicks[1].open) << "only the exact mode \"open\" opens";
    EXPECT_FALSE(prompts.filePicks[2].open);
}
