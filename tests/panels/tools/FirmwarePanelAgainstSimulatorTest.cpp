// The Firmware panel against dalto-sim's boot loader over a pseudo-terminal pair,
// on the real clock: File > Exit while the transfer waits ends it at once.

#include "PtyPair.h"
#include "QStringPrinter.h"
#include "ScriptedPrompts.h"
#include "SimProcess.h"
#include "SimulatorSettings.h"
#include "app/Application.h"
#include "app/PanelCatalog.h"
#include "firmware/HexText.h"
#include "panels/tools/FrmLoader.h"
#include "panels/tools/frmCommand.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace dalto;
using namespace dalto::testing;

namespace {

// How soon after File > Exit the transfer must have handed back to the event loop.
constexpr qint64 ExitWithinMs = 1000;

class FirmwarePanelAgainstSimulator : public ::testing::Test {
protected:
    // The program on RS-232 port 1 (the pair's first end), the Command panel, then
    // the Firmware panel with a HEX file of forty records; the simulator is then
    // power-cycled into its boot loader.
    FrmLoader* openPanel()
    {
        if (!pty.isReady()) {
            ADD_FAILURE() << pty.errorText().toStdString();
            return nullptr;
        }
        sim = std::make_unique<SimProcess>(QStringList{"--serial", pty.second()});
        if (!sim->isReady()) {
            ADD_FAILURE() << sim->errorText().toStdString();
            return nullptr;
        }
        QString config = WriteSimulatorSettings(dir.path(), QString(), 1, QStringLiteral("KD Series"),
                                                QStringLiteral("Command Panel"), QStringLiteral("RS-232"));
        QFile file(config);
        if (!file.open(QIODevice::ReadWrite))
            return nullptr;
        const QByteArray text = file.readAll().replace("Port1=/dev/ttyS0", "Port1=" + pty.first().toUtf8());
        file.resize(0);
        file.write(text);
        file.close();

        app = std::make_unique<Application>(clock, prompts, Paths(dir.path(), config, dir.path()));
        registerProgramPanels(*app);
        app->start();
        auto* command = qobject_cast<frmCommand*>(app->currentPanel());
        if (!command)
            return nullptr;
        command->menu.mnuFirmware->trigger();
        auto* panel = qobject_cast<FrmLoader*>(app->currentPanel());
        if (!panel)
            return nullptr;
        panel->txtFirmware->setText(writeHexFile());
        powerCycleIntoBootLoader();
        return panel;
    }

    QString writeHexFile()
    {
        QByteArray hex = upperLine(0);
        for (int record = 0; record < 40; ++record)
            hex += hexLine(0x00, uint16_t(0x200 + 16 * record), QByteArray(16, char(record)));
        QFile file(dir.filePath("image.hex"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(hex + endLine());
        return file.fileName();
    }

    void powerCycleIntoBootLoader()
    {
        QTcpSocket socket;
        socket.connectToHost(sim->host(), sim->port());
        ASSERT_TRUE(socket.waitForConnected(5000));
        socket.write("SIM:BOOT\n");
        ASSERT_TRUE(socket.waitForBytesWritten(5000));
        socket.disconnectFromHost();
    }

    // Starts the transfer and triggers File > Exit delayMs after the progress bar
    // first reaches a value for which at(value) holds; the transfer must then
    // return at once, with "Stopped" and without a box.
    void startAndExit(FrmLoader& panel, const std::function<bool(int)>& at, int delayMs)
    {
        const qsizetype boxes = prompts.messages.size();
        QElapsedTimer exitAt;
        QTimer exitTimer;
        exitTimer.setSingleShot(true);
        QObject::connect(&exitTimer, &QTimer::timeout, [&] {
            exitAt.start();
            panel.menu.mnuExit->trigger();
        });
        const QMetaObject::Connection watch =
            QObject::connect(panel.pgbStatus, &QProgressBar::valueChanged, [&](int value) {
                if (!exitTimer.isActive() && !exitAt.isValid() && at(value))
                    exitTimer.start(delayMs);
            });
        panel.cmdStart->click();
        QObject::disconnect(watch);

        ASSERT_TRUE(exitAt.isValid()) << "File > Exit was never chosen: " << panel.txtStatus->text().toStdString();
        EXPECT_LT(exitAt.elapsed(), ExitWithinMs);
        EXPECT_TRUE(app->ended());
        EXPECT_EQ(panel.txtStatus->text(), "Stopped");
        EXPECT_EQ(prompts.messages.size(), boxes) << prompts.messageTexts().join('\n').toStdString();
    }

    PtyPair pty;
    std::unique_ptr<SimProcess> sim;
    QTemporaryDir dir;
    SteadyClock clock;
    ScriptedPrompts prompts;
    std::unique_ptr<Application> app;
};

} // namespace

TEST_F(FirmwarePanelAgainstSimulator, ExitWhileErasingEndsTheTransferAtOnceWithoutABox)
{
    FrmLoader* panel = openPanel();
    ASSERT_NE(panel, nullptr) << prompts.messageTexts().join('\n').toStdString();
    startAndExit(*panel, [panel](int value) { return panel->txtStatus->text() == "Erasing" && value == 3; }, 0);
}

TEST_F(FirmwarePanelAgainstSimulator, ExitDuringTheReconnectionCheckEndsItAtOnceWithoutABox)
{
    FrmLoader* panel = openPanel();
    ASSERT_NE(panel, nullptr) << prompts.messageTexts().join('\n').toStdString();
    // After the last record's line come the reset, the simulator's 1.5 s restart,
    // the first poll answered and a 5 s wait before the loader polls again.
    startAndExit(*panel, [panel](int value) {
        return panel->txtStatus->text() == "Loading" && value == panel->pgbStatus->maximum() - 1;
    }, 4000);
}
