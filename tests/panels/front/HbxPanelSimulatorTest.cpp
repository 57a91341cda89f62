// The HBX panel against the real simulator of the HBX series over TCP: the
// program's own start-up opens it, it polls, a set point typed on the keypad and
// confirmed with ENTER reaches the supply, and ARM then START light ARM and POWER.
#include "ProgramOnSimulator.h"
#include "link/DeviceLink.h"
#include "panels/front/frmHBX.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <dialix/tavKnob.h>
#include <gtest/gtest.h>

using namespace dalto;
using namespace dalto::front;
using namespace dalto::testing;
using menu::LampColour;

TEST(HbxPanelSimulator, OpensPollsTakesATypedSetPointAndArmsAndStarts)
{
    QTemporaryDir logDir;
    const QString log = logDir.filePath("sim.log");
    ProgramOnSimulator program({"--model", "HBX", "--load-ohms", "10", "--log", log}, QStringLiteral("HBX Series"));
    ASSERT_TRUE(program.isStarted()) << program.errorText().toStdString();
    auto* panel = qobject_cast<frmHBX*>(program.currentPanel());
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisible());

    // The panel's own timer polls the simulator.
    Lamp* standby = panel->ModeLamps.find("6");
    for (int i = 0; i < 100 && standby->colour() == LampColour::Off; ++i)
        program.clock().pump(20);
    EXPECT_EQ(standby->colour(), LampColour::Orange);
    EXPECT_EQ(panel->txtMEM->text(), "0");

    panel->tmrInfo->stop();
    QTest::keyClicks(panel->txtInput, "5.5");
    panel->cmdEnter->click();
    panel->tmrInfo->stop();
    QString volts;
    program.app().link().WriteDevice(QStringLiteral("VOLT?"), false);
    program.app().link().ReadDevice(volts, 2, false);
    EXPECT_NEAR(volts.toDouble(), 5.5, 1e-6) << volts.toStdString();
    QFile traffic(log);
    ASSERT_TRUE(traffic.open(QIODevice::ReadOnly));
    EXPECT_TRUE(traffic.readAll().contains("VOLT 5.5"));

    // Enough current for 5.5 V across the load.
    panel->knbCurr->SetPositionNoEvent(10.0f);
    emit panel->knbCurr->Change();
    panel->tmrInfo->stop();
    panel->cmdArm->click();
    panel->tmrInfo_Timer();
    EXPECT_EQ(panel->lblArm[0]->colour(), LampColour::Yellow);
    panel->cmdStart->click();
    panel->tmrInfo->stop();
    panel->tmrInfo_Timer();
    EXPECT_EQ(panel->lblArm[0]->colour(), LampColour::Yellow);
    EXPECT_EQ(panel->ModeLamps.find("7")->colour(), LampColour::Green);
    EXPECT_EQ(panel->fields().RunState, 5);
    EXPECT_NEAR(panel->txtVolt->text().toDouble(), 5.5, 0.011);

    EXPECT_EQ(program.app().state().BusCode, 2) << program.prompts().messageTexts().join("|").toStdString();
    EXPECT_TRUE(program.prompts().messages.empty());
    program.app().endProgram();
}
