// What a panel shows of Simulated mode on the scripted device: the banner and its
// cause, the Simulate Inst check mark, Reconnect from the banner and the menu,
// and the settings file's problems named at start-up.

#include "AppFixture.h"
#include "app/AutoReconnect.h"
#include "app/SimulatedBanner.h"
#include "core/ProfileFile.h"
#include "link/DeviceLink.h"

#include <QAction>
#include <QFile>
#include <QPushButton>

using namespace dalto;
using namespace dalto::testing;

namespace {

const LinkFault Refused{"Connection refused", "tcpComm", 0, "connection refused by 127.0.0.1:5025"};

class SimulatedModeViewTest : public AppFixture {
protected:
    SimulatedBanner* banner() const { return current()->findChild<SimulatedBanner*>(); }
    QAction* item(const char* name) const { return current()->findChild<QAction*>(name); }
    void loseSupply()
    {
        device.failConnections(Refused);
        QString reply;
        app->link().ReadDevice(reply, 2, false);
    }
};

} // namespace

TEST_F(SimulatedModeViewTest, AFallShowsItsCauseAndReconnectHealsIt)
{
    startApp();
    ASSERT_NE(banner(), nullptr);
    EXPECT_FALSE(banner()->isVisibleTo(current()));
    loseSupply();
    const QString shown = "Simulated mode: no supply is connected (connection refused by 127.0.0.1:5025)";
    EXPECT_EQ(banner()->text(), shown);
    EXPECT_EQ(banner()->accessibleName(), shown);
    EXPECT_TRUE(banner()->isVisibleTo(current()));
    EXPECT_TRUE(item("mnuSimulate")->isChecked());
    EXPECT_TRUE(app->autoReconnect().isTrying());

    // Still refused: the banner stays and no box is added.
    const size_t boxes = prompts.messages.size();
    banner()->cmdReconnect->click();
    EXPECT_TRUE(banner()->isVisibleTo(current()));
    EXPECT_EQ(prompts.messages.size(), boxes);

    device.acceptConnections();
    device.reply("0,0,48,0\r\n");
    answerStartupQueries(); // read afresh once the supply answers
    item("mnuReconnect")->trigger();
    EXPECT_EQ(app->state().BusCode, 2);
    EXPECT_FALSE(banner()->isVisibleTo(current()));
    EXPECT_FALSE(item("mnuSimulate")->isChecked());
    EXPECT_FALSE(app->autoReconnect().isTrying());
}

TEST_F(SimulatedModeViewTest, TheSettingTurnsTheAutomaticTriesOff)
{
    startApp();
    ASSERT_TRUE(ProfileFile(configFile()).writeString("Communication", "AutoReconnect", "off"));
    loseSupply();
    EXPECT_TRUE(app->link().health().simulated);
    EXPECT_FALSE(app->autoReconnect().isTrying());
}

TEST_F(SimulatedModeViewTest, SimulateInstKeepsItsCheckMarkWhileChosen)
{
    startApp();
    item("mnuSimulate")->trigger();
    EXPECT_TRUE(item("mnuSimulate")->isChecked());
    EXPECT_EQ(banner()->text(), "Simulated mode: no supply is connected (chosen from the Communication menu)");
    EXPECT_FALSE(app->autoReconnect().isTrying()) << "a chosen mode is left alone";
    // A second click does not take the mark away while the mode stays on.
    item("mnuSimulate")->trigger();
    EXPECT_TRUE(item("mnuSimulate")->isChecked());
    EXPECT_EQ(app->state().BusCode, 5);
}

TEST_F(SimulatedModeViewTest, SettingsFileProblemsAreNamedWithThePath)
{
    for (const auto& [contents, problem] : {std::pair{"", "is empty."}, {"just words\n", "cannot be parsed"}, {nullptr, "is missing."}}) {
        makeApp();
        QFile file(configFile());
        ASSERT_TRUE(contents ? file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(contents) >= 0
                             : file.remove());
        file.close();
        prompts.messages.clear();
        app->start();
        ASSERT_FALSE(prompts.messages.empty());
        const QString first = prompts.messages.front().text;
        EXPECT_TRUE(first.startsWith("The settings file " + configFile() + " " + problem)) << first.toStdString();
        EXPECT_EQ(prompts.messages.front().icon, PromptIcon::Exclamation);
        app.reset();
    }
}
