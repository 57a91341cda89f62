// The KD panel against the real simulator over TCP: the program's own start-up
// opens it, it polls, START lights POWER, and a knob change moves the measured
// voltage through the simulator's load.
#include "ProgramOnSimulator.h"
#include "panels/front/frmKD.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <dialix/tavKnob.h>
#include <gtest/gtest.h>

using namespace dalto;
using namespace dalto::front;
using namespace dalto::testing;

TEST(FrontPanelSimulator, OpensPollsStartsAndFollowsTheKnobThroughTheLoad)
{
    ProgramOnSimulator program({"--load-ohms", "10"});
    ASSERT_TRUE(program.isStarted()) << program.errorText().toStdString();
    auto* panel = qobject_cast<frmKD*>(program.currentPanel());
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->objectName(), "frmKD");
    EXPECT_TRUE(panel->isVisible());

    // The panel's own timer polls the simulator.
    for (int i = 0; i < 100 && panel->ModeLamps.find("6")->colour() == menu::LampColour::Off; ++i)
        program.clock().pump(20);
    EXPECT_EQ(panel->ModeLamps.find("6")->colour(), menu::LampColour::Orange);
    EXPECT_EQ(panel->fields().RunState, 3);

    panel->tmrInfo->stop();
    panel->knbCurr->SetPositionNoEvent(10.0f);
    emit panel->knbCurr->Change();
    panel->knbVolt->SetPositionNoEvent(6.0f);
    emit panel->knbVolt->Change();
    panel->cmdStart->click();
    panel->tmrInfo->stop();
    panel->tmrInfo_Timer();
    EXPECT_EQ(panel->ModeLamps.find("7")->colour(), menu::LampColour::Green);
    EXPECT_EQ(panel->fields().RunState, 4);
    EXPECT_NEAR(panel->txtVolt->text().toDouble(), 6.0, 0.011);
    EXPECT_NEAR(panel->txtCurr->text().toDouble(), 0.6, 0.11);

    panel->knbVolt->SetPositionNoEvent(9.5f);
    emit panel->knbVolt->Change();
    panel->tmrInfo->stop();
    panel->tmrInfo_Timer();
    EXPECT_NEAR(panel->txtVolt->text().toDouble(), 9.5, 0.011);

    EXPECT_EQ(program.app().state().BusCode, 2) << program.prompts().messageTexts().join("|").toStdString();
    EXPECT_TRUE(program.prompts().messages.empty());
    program.app().endProgram();
}
