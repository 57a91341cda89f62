// The Firmware panel on the scripted boot loader: reached from the View menu, the
// wrong-bus messages and Setup, the statuses with their colours, the progress and
// address, Stop during a transfer, the error report, and closing without a command.

#include "AppFixture.h"
#include "BootLoaderDevice.h"
#include "HexText.h"
#include "QStringPrinter.h"
#include "app/WindowNames.h"
#include "panels/tools/FrmLoader.h"
#include "panels/tools/frmCommand.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

using namespace dalto;
using namespace dalto::testing;

namespace {

class FirmwarePanelTest : public AppFixture {
protected:
    // The Command panel on RS-232, then the Firmware item.
    FrmLoader& openPanel(const QString& comm = QStringLiteral("RS-232"))
    {
        makeApp({"Command Panel", comm});
        app->setSetupHook([this](PanelWindow&) { ++setupRuns; });
        answerStartupQueries();
        app->start();
        currentAs<frmCommand>().menu.mnuFirmware->trigger();
        return currentAs<FrmLoader>();
    }

    // A small image picked through Select.
    void selectImage(FrmLoader& panel)
    {
        QByteArray text = upperLine(0);
        for (uint16_t a = 0x200; a < 0x300; a += 0x10)
            text += hexLine(0x00, a, QByteArray(16, char(a)));
        QFile file(dir.filePath("image.hex"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text + endLine());
        prompts.files.push_back(file.fileName());
        panel.cmdSelect->click();
    }

    static QColor statusColour(const FrmLoader& panel) { return panel.txtStatus->palette().color(QPalette::Base); }

    int setupRuns = 0;
};

} // namespace

TEST_F(FirmwarePanelTest, TheFirmwareItemOpensThePanelWhichClosesWithoutACommand)
{
    FrmLoader& panel = openPanel();
    EXPECT_EQ(panel.windowTitle(), "Firmware Panel");
    EXPECT_FALSE(panel.menu.mnuFirmware->isEnabled());
    EXPECT_EQ(panel.txtStatus->text(), "");

    const qsizetype mark = device.written().size();
    panel.menu.mnuCommand->trigger();
    EXPECT_EQ(current()->windowName(), window::frmCommand);
    EXPECT_FALSE(writtenSince(mark).contains("<>CLR 0"));
}

TEST_F(FirmwarePanelTest, ATransferShowsItsProgressAndFinishesGreen)
{
    FrmLoader& panel = openPanel();
    selectImage(panel);
    ASSERT_EQ(prompts.filePicks.size(), 1u);
    EXPECT_EQ(prompts.filePicks[0].title, "Dalto Panel - Select File");
    EXPECT_EQ(prompts.filePicks[0].filter, "Hex Files (*.hex)|*.hex|All Files (*.*)|*.*");
    EXPECT_EQ(panel.txtFirmware->text(), dir.filePath("image.hex"));

    BootLoaderDevice bootLoader(device, clock);
    std::vector<int> erasingProgress;
    QObject::connect(panel.pgbStatus, &QProgressBar::valueChanged, [&](int value) {
        if (panel.txtStatus->text() == "Erasing") {
            erasingProgress.push_back(value);
            EXPECT_FALSE(panel.cmdStart->isEnabled());
            EXPECT_TRUE(app->state().LoaderActive);
        }
    });
    panel.cmdStart->click();

    EXPECT_EQ(panel.txtStatus->text(), "Finished");
    EXPECT_EQ(statusColour(panel), QColor(0, 192, 0));
    EXPECT_EQ(erasingProgress.back(), 32);
    EXPECT_EQ(panel.pgbStatus->maximum(), 18);
    EXPECT_EQ(panel.pgbStatus->value(), 17);
    EXPECT_EQ(panel.txtAdr->text(), "0 02 F0");
    EXPECT_TRUE(panel.cmdStart->isEnabled());
    EXPECT_TRUE(panel.menu.mnuView->isEnabled());
    EXPECT_FALSE(app->state().LoaderActive);
    EXPECT_EQ(bootLoader.memory.at(0x2F0), 0xF0);
}

TEST_F(FirmwarePanelTest, FailuresShowRedOrYellowWithTheirMessages)
{
    FrmLoader& panel = openPanel();
    panel.cmdStart->click(); // no file chosen
    EXPECT_EQ(panel.txtStatus->text(), "Invalid File");
    EXPECT_EQ(statusColour(panel), QColor(255, 0, 0));
    EXPECT_TRUE(panel.cmdStart->isEnabled());

    selectImage(panel);
    BootLoaderDevice bootLoader(device, clock);
    bootLoader.answersProbe = false;
    panel.cmdStart->click();
    EXPECT_EQ(panel.txtStatus->text(), "Timed Out");
    EXPECT_EQ(statusColour(panel), QColor(255, 0, 0));
    EXPECT_EQ(prompts.messages.back().text, "Firmware Loader could not establish communication");

    bootLoader.answersProbe = true;
    bootLoader.silentAfterReset = true;
    panel.cmdStart->click();
    EXPECT_EQ(panel.txtStatus->text(), "Finished");
    EXPECT_EQ(statusColour(panel), QColor(255, 255, 0));
    EXPECT_EQ(prompts.messages.back().title, "Firmware Programming Warning");
}

TEST_F(FirmwarePanelTest, StopClickedDuringTheTransferEndsIt)
{
    FrmLoader& panel = openPanel();
    selectImage(panel);
    BootLoaderDevice bootLoader(device, clock);
    QObject::connect(panel.pgbStatus, &QProgressBar::valueChanged, [&](int value) {
        if (panel.txtStatus->text() == "Loading" && value == 3)
            QTimer::singleShot(0, panel.cmdStop, &QPushButton::click);
    });
    panel.cmdStart->click();
    EXPECT_EQ(panel.txtStatus->text(), "Stopped");
    EXPECT_EQ(statusColour(panel), panel.palette().color(QPalette::Base));
    EXPECT_FALSE(bootLoader.restarted);
    EXPECT_TRUE(panel.cmdStart->isEnabled());
}

TEST_F(FirmwarePanelTest, AnUnreadableFileIsReportedAndStartIsUsableAgain)
{
    FrmLoader& panel = openPanel();
    panel.txtFirmware->setText(dir.filePath("gone.hex"));
    panel.cmdStart->click();
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_EQ(prompts.messages.back().title, "Report Firmware Loader Error");
    EXPECT_TRUE(prompts.messages.back().text.startsWith("Error Information:\r\nErr Source: Dalto Panel\r\nErr Description: "));
    EXPECT_TRUE(prompts.messages.back().text.endsWith("\r\nErr Number: 53"));
    EXPECT_TRUE(panel.cmdStart->isEnabled());
    EXPECT_FALSE(app->state().LoaderActive);
}

TEST_F(FirmwarePanelTest, StartOnAnotherBusExplainsAndOpensSetup)
{
    FrmLoader& tcp = openPanel(QStringLiteral("TCP/IP"));
    const qsizetype mark = device.written().size();
    tcp.cmdStart->click();
    // The message, then Setup (whose refresh finds no device here).
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_EQ(prompts.messages[0].text, "Can only program firmware via RS-232.");
    EXPECT_EQ(prompts.messages[0].title, "Dalto Panel");
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::None);
    EXPECT_EQ(setupRuns, 1);

    // Reopened, the panel reads the configured bus again; Simulated mode is refused.
    app->state().BusCode = 5;
    tcp.menu.mnuCommand->trigger();
    currentAs<frmCommand>().menu.mnuFirmware->trigger();
    FrmLoader& panel = currentAs<FrmLoader>();
    EXPECT_EQ(app->state().BusCode, 2);
    app->state().BusCode = 5;
    prompts.messages.clear();
    panel.cmdStart->click();
    ASSERT_FALSE(prompts.messages.empty());
    EXPECT_EQ(prompts.messages[0].text, "Cannot program firmware in simulated mode.");
    EXPECT_EQ(setupRuns, 2);
    EXPECT_FALSE(writtenSince(mark).contains('\x0F'));
}
