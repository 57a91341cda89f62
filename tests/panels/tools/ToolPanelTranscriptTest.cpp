// Save to File in the Output frame every tool panel has.

#include "AppFixture.h"
#include "app/TranscriptBox.h"
#include "panels/tools/frmCommand.h"

#include <QFile>
#include <QPushButton>

using namespace dalto;
using namespace dalto::testing;

namespace {
class ToolPanelTranscriptTest : public AppFixture {
protected:
    void SetUp() override { startApp(); }
    frmCommand& panel() { return currentAs<frmCommand>(); }
};
} // namespace

TEST_F(ToolPanelTranscriptTest, SaveWritesTheTranscriptWithALineBreak)
{
    device.reply("9.5\r\n");
    panel().cmdGetSCPI.at(16)->click();
    const QString path = dir.filePath("out.txt");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an older, longer transcript that must go\n");
    old.close();
    prompts.files.push_back(path);

    panel().cmdSave->click();

    ASSERT_EQ(prompts.filePicks.size(), 1u);
    EXPECT_EQ(prompts.filePicks[0].title, "Dalto Panel - Select or Enter File");
    EXPECT_FALSE(prompts.filePicks[0].open);
    EXPECT_EQ(prompts.filePicks[0].folder, dir.path());
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "MEASure:VOLTage:DC?\n9.5\r\n\n");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ToolPanelTranscriptTest, SaveThatFailsIsReportedAndCancelDoesNothing)
{
    panel().cmdSave->click(); // cancelled
    EXPECT_TRUE(prompts.messages.empty());

    const QString path = dir.filePath("no such folder/out.txt");
    prompts.files.push_back(path);
    panel().cmdSave->click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.startsWith("The transcript could not be saved to " + path));
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Critical);
}
