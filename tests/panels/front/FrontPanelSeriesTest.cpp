// The MW panel opens by its type; the HB panel: its menu reaches only "ConF" and "CAL " by run state, its trip
// knobs send the trip levels, the FUSE lamp, and CLEAR on a plain click; every panel fits a small screen.
#include "FrontPanelFixture.h"

#include "app/WindowRegistry.h"
#include "panels/front/frmHB.h"

#include <QLineEdit>
#include <QMenuBar>
#include <dialix/tavKnob.h>

using namespace dalto;
using namespace dalto::front;
using namespace dalto::testing;

namespace {

class FrontPanelHb : public FrontPanelFixture {
protected:
    frmHB* panel = nullptr;
    void SetUp() override
    {
        panel = &open<frmHB>(QStringLiteral("HB Series"));
    }
    QString menuDisplay()
    {
        panel->fields().BlinkPhase = false;
        panel->menuEngine().tmrMenu_Timer();
        return panel->txtVolt->text();
    }
};

} // namespace

TEST_F(FrontPanelHb, LoadsWithFourKnobsFromTheRatingsAndTheHbCaptions)
{
    EXPECT_EQ(panel->objectName(), "frmHB");
    // Only the small trip knobs carry the slot line.
    EXPECT_FALSE(panel->knbVolt->slot());
    EXPECT_FALSE(panel->knbCurr->slot());
    EXPECT_TRUE(panel->knbOVP->slot());
    EXPECT_TRUE(panel->knbOCP->slot());
    const auto& r = app->state().Ratings;
    EXPECT_FLOAT_EQ(panel->knbOVP->maximum(), r[2]);
    EXPECT_FLOAT_EQ(panel->knbOCP->maximum(), r[6]);
    EXPECT_FLOAT_EQ(panel->knbOVP->value(), 16.5f);
    EXPECT_FLOAT_EQ(panel->knbOCP->value(), 110.0f);
    EXPECT_EQ(panel->Label10->text(), "V/I SET");
    EXPECT_EQ(panel->lblErrors[8]->text(), "LOCK");
    EXPECT_EQ(panel->panelMenu.mnuModulation, nullptr);
    EXPECT_EQ(panel->FaultLamps.count(), 8);
}

TEST_F(FrontPanelHb, MenuShowsConfigurationInStandbyAndCalibrationWithOutputOn)
{
    answerEverything();
    panel->cmdMenu->click();
    EXPECT_TRUE(commands().contains("<>CHG 9,-1,2"));
    EXPECT_EQ(menuDisplay(), "ConF");
    panel->cmdItem->click();
    EXPECT_EQ(menuDisplay(), "CAL ");
    panel->cmdItem->click();
    EXPECT_EQ(menuDisplay(), "ConF");
    panel->cmdClear->click();
    EXPECT_EQ(panel->fields().MenuState, 4);

    panel->fields().RunState = 4;
    panel->cmdMenu->click();
    EXPECT_TRUE(commands().contains("<>CHG 10,-1,2"));
    EXPECT_EQ(menuDisplay(), "CAL ");
    panel->cmdItem->click();
    EXPECT_EQ(menuDisplay(), "CAL ");
}

TEST_F(FrontPanelHb, TripKnobsSendTheirLevelsTruncated)
{
    answerEverything();
    auto& s = app->state();
    s.VoltFormat = "0.0";
    s.Ratings[2] = 110;
    panel->knbOVP->setMaximum(110);
    panel->knbOVP->SetPositionNoEvent(55.55f);
    emit panel->knbOVP->Scroll();
    EXPECT_EQ(panel->txtVolt->text(), "55.5");
    EXPECT_TRUE(commands().isEmpty());
    emit panel->knbOVP->Change();
    EXPECT_EQ(commands(), (QStringList{"VOLT:PROT 55.5"}));
    EXPECT_FLOAT_EQ(s.DeviceState[2], 55.5f);
    EXPECT_FLOAT_EQ(s.DeviceStateSaved[2], 55.5f);

    panel->knbOCP->SetPositionNoEvent(12.345f);
    emit panel->knbOCP->Change();
    EXPECT_EQ(commands(), (QStringList{"CURR:PROT 12.3"}));

    // A typed trip level moves its knob without an event.
    prompts.values.push_back("15");
    panel->cmdOVT->click();
    EXPECT_EQ(commands(), (QStringList{"VOLT:PROT 15", "<>CHG 4,-1,0"}));
    EXPECT_FLOAT_EQ(panel->knbOVP->value(), 15.0f);
}

TEST_F(FrontPanelHb, FuseBitLightsFuseAndClearActsOnAPlainClick)
{
    device.reply("0,0,48,20\r\n");
    panel->tmrInfo_Timer();
    answerEverything();
    EXPECT_EQ(panel->lblErrors[5]->text(), "FUSE");
    EXPECT_EQ(panel->lblErrors[5]->colour(), menu::LampColour::Red);
    EXPECT_EQ(panel->lblErrors[4]->colour(), menu::LampColour::Off);

    app->state().DeviceState[2] = 7.0f; // an edit not committed
    commands();
    panel->cmdClear->click();
    EXPECT_TRUE(commands().contains("<>CLR 0"));
    EXPECT_FLOAT_EQ(panel->knbOVP->value(), app->state().DeviceState[2]);
}

TEST_F(FrontPanelFixture, MwSeriesOpensTheSamePanelWithGroupCaptions)
{
    auto& mw = open(QStringLiteral("MW Series"));
    EXPECT_EQ(mw.objectName(), "frmMW");
    EXPECT_EQ(current(), &mw);
    EXPECT_TRUE(mw.Label11->isVisibleTo(&mw));
    EXPECT_TRUE(mw.Label9->isVisibleTo(&mw));
    EXPECT_FALSE(mw.Label12->isVisibleTo(&mw));
    EXPECT_NE(mw.panelMenu.mnuModulation, nullptr);
    // Same behaviour: its poll checks its own name, so it stays open.
    device.reply("0,0,48,0\r\n");
    mw.tmrInfo_Timer();
    EXPECT_EQ(app->windows().loaded(QStringLiteral("frmMW")), &mw);
    EXPECT_EQ(mw.fields().RunState, 3);
}

TEST_F(FrontPanelFixture, EveryPanelFitsASmallLaptopScreenWithItsMenuBar)
{
    // 1366 x 768, less a title bar and a task bar.
    const QSize screen(1366, 700);
    for (const char* type : {"KD Series", "MW Series", "HB Series", "HBX Series"}) {
        SCOPED_TRACE(type);
        auto& panel = open<FrontPanelWindow>(QString::fromLatin1(type));
        EXPECT_TRUE(panel.menuBar()->isVisibleTo(&panel));
        EXPECT_FALSE(panel.rtbTranx->isVisibleTo(&panel));
        EXPECT_LE(panel.width(), screen.width());
        EXPECT_LE(panel.height(), screen.height());
        EXPECT_LE(panel.minimumSizeHint().width(), screen.width());
    }
}
