// The program against dalto-sim over TCP on loopback: start-up, the Command
// panel setting and reading a value, the Register panel reading a register, the
// Calibration panel unlocking the pots and stepping one.

#include "ProgramOnSimulator.h"
#include "app/TranscriptBox.h"
#include "panels/tools/frmCalibration.h"
#include "panels/tools/frmCommand.h"
#include "panels/tools/frmRegisters.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace dalto;
using namespace dalto::testing;


TEST(ProgramAgainstSimulatorTest, CommandAndRegisterPanelsTalkToTheSimulator)
{
    ProgramOnSimulator program({}, "KD Series", "Command Panel");
    ASSERT_TRUE(program.isStarted()) << program.errorText().toStdString();
    Application& app = program.app();
    ScriptedPrompts& prompts = program.prompts();
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

TEST(ProgramAgainstSimulatorTest, CalibrationPanelUnlocksStepsAPotAndReadsItBack)
{
    ProgramOnSimulator program({}, "KD Series", "Calibration Panel");
    ASSERT_TRUE(program.isStarted()) << program.errorText().toStdString();
    Application& app = program.app();
    ScriptedPrompts& prompts = program.prompts();
    auto* panel = qobject_cast<frmCalibration*>(program.currentPanel());
    ASSERT_NE(panel, nullptr);

    panel->txtSCPI.at(29)->setText("7351");
    panel->cmdSetSCPI.at(29)->click();
    panel->cmdGetPot.at(2)->click();
    const int before = panel->txtPot.at(2)->text().toInt();
    auto mouse = [&](QEvent::Type type) {
        QMouseEvent event(type, QPointF(3, 3), panel->cmdUp->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(panel->cmdUp, &event);
    };
    QTimer::singleShot(250, panel, [&] { mouse(QEvent::MouseButtonRelease); });
    mouse(QEvent::MouseButtonPress);
    const QString stepped = panel->txtPot.at(2)->text();
    EXPECT_GT(stepped.toInt(), before);

    panel->txtPot.at(2)->clear();
    panel->cmdGetPot.at(2)->click();
    EXPECT_EQ(panel->txtPot.at(2)->text(), stepped);
    panel->cmdGetSCPI.at(14)->click();
    EXPECT_FALSE(panel->txtSCPI.at(14)->text().isEmpty()) << "the calibration string";
    EXPECT_TRUE(prompts.messages.empty()) << prompts.messageTexts().join('\n').toStdString();
    EXPECT_EQ(app.state().BusCode, 2) << "no time-out on the way";
    panel->close();
}
