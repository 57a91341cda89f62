// One panel at a time: the View items switch, the close box ends the program
// after the closing command, Exit ends it at once, Simulate re-initialises the
// link, and the menu bar every tool panel carries.

#include "AppFixture.h"
#include "app/TranscriptBox.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "app/frmComm.h"
#include "panels/tools/frmCommand.h"
#include "panels/tools/frmRegisters.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

using namespace dalto;
using namespace dalto::testing;

namespace {

class PanelSwitchTest : public AppFixture {};

QStringList captionsOf(const QList<QAction*>& actions)
{
    QStringList captions;
    for (const QAction* action : actions)
        captions << action->text();
    return captions;
}

} // namespace

TEST_F(PanelSwitchTest, RegistersItemReplacesTheCommandPanelWithOneClosingCommand)
{
    startApp();
    auto& command = currentAs<frmCommand>();
    command.txtSCPI.at(0)->setText("typed");
    const qsizetype mark = device.written().size();

    command.menu.mnuRegisters->trigger();

    EXPECT_EQ(current()->windowName(), window::frmRegisters);
    EXPECT_EQ(visiblePanels(), 1);
    EXPECT_FALSE(app->ended());
    EXPECT_EQ(writtenSince(mark), "<>CHG 0,-1,0\n<>CLR 0\n");
    EXPECT_EQ(app->state().Transcript, static_cast<TranscriptTarget*>(currentAs<frmRegisters>().rtbTranx));

    // The Command panel went with its state; coming back creates it afresh.
    currentAs<frmRegisters>().menu.mnuCommand->trigger();
    EXPECT_EQ(current()->windowName(), window::frmCommand);
    EXPECT_EQ(visiblePanels(), 1);
    EXPECT_EQ(currentAs<frmCommand>().txtSCPI.at(0)->text(), "");
    EXPECT_EQ(writtenSince(mark).count("<>CLR 0\n"), 2);
}

TEST_F(PanelSwitchTest, CloseBoxSendsTheClosingCommandAndEndsTheProgram)
{
    startApp({"Register Panel"});
    const qsizetype mark = device.written().size();
    current()->close();
    EXPECT_EQ(writtenSince(mark), "<>CLR 0\n");
    EXPECT_TRUE(app->ended());
    EXPECT_FALSE(app->comm().tcpTimer->isActive());
    // The link no longer points at the window that went.
    EXPECT_EQ(app->state().Transcript, static_cast<TranscriptTarget*>(app->comm().rtbTranx));
}

TEST_F(PanelSwitchTest, ExitEndsAtOnceWithoutClosingCommand)
{
    startApp();
    const qsizetype mark = device.written().size();
    currentAs<frmCommand>().menu.mnuExit->trigger();
    EXPECT_TRUE(app->ended());
    EXPECT_EQ(writtenSince(mark), "");
}

TEST_F(PanelSwitchTest, SimulateOnAToolPanelClosesTheLinkAndRewritesTheTranscript)
{
    startApp();
    auto& command = currentAs<frmCommand>();
    command.cmdSetSCPI.at(8)->click();
    ASSERT_TRUE(device.socketActive());
    command.menu.mnuSimulate->trigger();
    EXPECT_EQ(app->state().BusCode, 5);
    EXPECT_FALSE(device.socketActive());
    EXPECT_EQ(command.rtbTranx->transcriptText(), "Simulated - Initialized\r\n");
}

TEST_F(PanelSwitchTest, ToolPanelMenuBarCaptionsAndAvailability)
{
    startApp();
    auto& command = currentAs<frmCommand>();
    const PanelMenu& menu = command.menu;
    EXPECT_EQ(captionsOf(command.menuBar()->actions()),
              (QStringList{"&File", "&View", "&Communication", "&About"}));
    EXPECT_EQ(captionsOf(menu.mnuFile->actions()), QStringList{"Exit"});
    EXPECT_EQ(captionsOf(menu.mnuView->actions()),
              (QStringList{"Virtual Control Panel", "Command Panel", "Register Panel", "Calibration Panel",
                           "Firmware Panel", "Modulation Panel"}));
    EXPECT_EQ(captionsOf(menu.mnuComm->actions()), (QStringList{"Simulate Inst", "Setup", "Limits", "Reconnect"}));
    EXPECT_EQ(menu.mnuComm->objectName(), "mnuComm");
    EXPECT_FALSE(menu.mnuCommand->isEnabled()) << "the panel's own item";
    EXPECT_TRUE(menu.mnuRegisters->isEnabled());
    // Items for what this build does not have yet stay visible but unusable.
    EXPECT_FALSE(menu.mnuVirtual->isEnabled());
    EXPECT_FALSE(menu.mnuSetup->isEnabled());
    ASSERT_NE(command.findChild<QAction*>("mnuAbout"), nullptr);
    ASSERT_TRUE(menu.mnuCalibration->isEnabled());
    menu.mnuCalibration->trigger();
    EXPECT_EQ(current()->windowName(), window::frmCalibration);
}

TEST_F(PanelSwitchTest, SetupItemRunsTheHookThenRefreshesFromTheDevice)
{
    makeApp({"Command Panel", "TCP/IP", "KD Series"});
    int setupRuns = 0;
    app->setSetupHook([&](PanelWindow& caller) {
        ++setupRuns;
        EXPECT_EQ(caller.windowName(), window::frmCommand);
        app->state().SystemType = 2; // the user picked the HBX series, no bus
        app->state().BusCode = 5;
    });
    // Of the virtual panels only the KD's is in this build.
    app->windows().registerPanel(window::frmKD, [](Application& a) { return new FakeVirtualPanel(a, window::frmKD); });
    answerStartupQueries();
    app->start();
    auto& command = currentAs<frmCommand>();
    ASSERT_TRUE(command.menu.mnuSetup->isEnabled());
    EXPECT_TRUE(command.menu.mnuVirtual->isEnabled());
    EXPECT_FALSE(command.cmdGetSCPI.at(6)->isEnabled());
    EXPECT_TRUE(command.cmdGetSCPI.at(38)->isEnabled());

    command.menu.mnuSetup->trigger();

    EXPECT_EQ(setupRuns, 1);
    EXPECT_EQ(app->state().LastError, "9.999\r\n") << "the device is queried again after setup";
    EXPECT_TRUE(command.cmdGetSCPI.at(6)->isEnabled()) << "Period row follows the new type";
    EXPECT_FALSE(command.cmdGetSCPI.at(38)->isEnabled()) << "Ethernet version row follows the new bus";
    EXPECT_FALSE(command.menu.mnuVirtual->isEnabled()) << "the HBX panel is not in this build";
}

TEST_F(PanelSwitchTest, AboutItemShowsTheAboutBoxWithTheProgramTitle)
{
    startApp();
    QString caption;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        title = box->findChild<QLabel*>("lblTitle")->text();
        box->accept();
    });
    currentAs<frmCommand>().menu.mnuAbout->trigger();
    EXPECT_EQ(caption, "About Dalto Panel");
    EXPECT_EQ(title, "Dalto");
    EXPECT_FALSE(app->ended());
}
