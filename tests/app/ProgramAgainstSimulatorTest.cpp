// The program against dalto-sim over TCP on loopback: start-up, the Command
// panel setting and reading a value, the Register panel reading a register.

#include "ScriptedPrompts.h"
#include "SimProcess.h"
#include "app/Application.h"
#include "app/PanelCatalog.h"
#include "app/TranscriptBox.h"
#include "core/Clock.h"
#include "panels/tools/frmCommand.h"
#include "panels/tools/frmRegisters.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dalto;
using namespace dalto::testing;

TEST(ProgramAgainstSimulatorTest, CommandAndRegisterPanelsTalkToTheSimulator)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isReady()) << sim.errorText().toStdString();
    QTemporaryDir dir;
    QFile shipped(QStringLiteral(DALTO_SOURCE_DIR "/resources/Dalto_Panel.ini"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(shipped.readAll());
    text.replace("Start-Up=Virtual Panel", "Start-Up=Command Panel");
    text.replace("Comm=Simulated\nAddress=\nPort=",
                 QStringLiteral("Comm=TCP/IP\nAddress=%1\nPort=%2").arg(sim.host()).arg(sim.port()));
    QFile config(dir.filePath("Dalto_Panel.ini"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(text.toUtf8());
    config.close();

    SteadyClock clock;
    ScriptedPrompts prompts;
    Application app(clock, prompts, Paths(dir.path(), config.fileName(), dir.path()));
    registerProgramPanels(app);
    app.start();
    ASSERT_TRUE(prompts.messages.empty()) << prompts.messageTexts().join('\n').toStdString();
    ASSERT_EQ(app.state().BusCode, 2);
    EXPECT_EQ(app.state().Ratings[0], 15.0f) << "ratings of the simulated 15 V supply";

    auto* command = qobject_cast<frmCommand*>(app.currentPanel());
    ASSERT_NE(command, nullptr);
    command->txtSCPI.at(0)->setText("5.25");
    command->cmdSetSCPI.at(0)->click();
    command->cmdGetSCPI.at(0)->click();
    EXPECT_DOUBLE_EQ(command->txtSCPI.at(0)->text().toDouble(), 5.25) << command->txtSCPI.at(0)->text().toStdString();
    command->cmdGetIEEE.at(8)->click();
    EXPECT_TRUE(command->rtbTranx->transcriptText().contains("*IDN?\n"));
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messageTexts().join('\n').toStdString();

    command->menu.mnuRegisters->trigger();
    auto* registers = qobject_cast<frmRegisters*>(app.currentPanel());
    ASSERT_NE(registers, nullptr);
    registers->cmdGetIEEE.at(7)->click();
    bool isNumber = false;
    registers->txtValue.at(1)->text().toInt(&isNumber);
    EXPECT_TRUE(isNumber) << registers->txtValue.at(1)->text().toStdString();
    EXPECT_EQ(app.state().BusCode, 2) << "no time-out on the way";

    registers->close();
    EXPECT_TRUE(app.ended());
}
