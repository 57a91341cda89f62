// The KD panel's load, its poll tick (lamps, read-outs, run state, the stand-in
// values without a supply, errors) and its closing when another panel is current.
#include "FrontPanelFixture.h"

#include "app/WindowNames.h"
#include "app/WindowRegistry.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <dialix/tavKnob.h>

using namespace dalto;
using namespace dalto::front;
using namespace dalto::testing;
using menu::LampColour;

namespace {

class FrontPanelPolling : public FrontPanelFixture {
protected:
    frmKD* panel = nullptr;
    void SetUp() override { panel = &open(); }

    void pollWith(const QByteArray& reply)
    {
        device.reply(reply);
        panel->tmrInfo_Timer();
    }
    // Every lamp that is lit, as "caption=colour".
    QStringList lit() const
    {
        QStringList shown;
        for (const auto* array : {&panel->lblStatus, &panel->lblErrors, &panel->lblDisabled})
            for (const auto& [index, lamp] : *array)
                if (lamp->colour() != LampColour::Off)
                    shown << QStringLiteral("%1(%2)=%3").arg(lamp->text()).arg(index).arg(int(lamp->colour()));
        return shown;
    }
};

QString Lit(const char* caption, int index, LampColour colour)
{
    return QStringLiteral("%1(%2)=%3").arg(caption).arg(index).arg(int(colour));
}

} // namespace

TEST_F(FrontPanelPolling, LoadAnnouncesIdlePlacesKnobsAndSimulatesStandby)
{
    EXPECT_EQ(panel->objectName(), "frmKD");
    EXPECT_EQ(app->state().SimStatus, 72);
    EXPECT_EQ(app->state().SimAlarms, 0);
    EXPECT_FLOAT_EQ(panel->knbVolt->maximum(), 15.0f);
    EXPECT_FLOAT_EQ(panel->knbCurr->maximum(), 100.0f);
    EXPECT_EQ(panel->fields().MenuState, 4);
    EXPECT_EQ(panel->fields().RunState, 3);
    EXPECT_TRUE(device.written().contains("<>CHG 0,-1,0\n"));
    EXPECT_TRUE(panel->tmrInfo->isActive());
    EXPECT_EQ(panel->tmrInfo->interval(), 250);
    EXPECT_TRUE(panel->tmrFlash->isActive());
    EXPECT_FALSE(panel->cmdUp->isVisibleTo(panel));
    EXPECT_TRUE(panel->cmdVISet->isVisibleTo(panel));
    EXPECT_FALSE(panel->cmdCal->isVisibleTo(panel));
    EXPECT_FALSE(panel->rtbTranx->isVisibleTo(panel)); // no debug switch file
    EXPECT_EQ(panel->FaultLamps.count(), 7);
    EXPECT_EQ(panel->ConfigLamps.at(7), panel->lblErrors[8]);

    const QStringList unnamed = UnnamedControls(*panel);
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();
}

TEST_F(FrontPanelPolling, StatusRepliesLightTheirLampsAndSetTheRunState)
{
    pollWith("0,0,48,0\r\n");
    EXPECT_EQ(lit(), (QStringList{Lit("INT CTL", 3, LampColour::Green), Lit("STANDBY", 6, LampColour::Orange)}));
    EXPECT_EQ(panel->fields().RunState, 3);
    EXPECT_EQ(panel->txtVolt->text(), "0.00");
    EXPECT_EQ(panel->txtCurr->text(), "0.0");
    EXPECT_EQ(panel->tmrInfo->interval(), 200);

    pollWith("2710,3E8,180,1\r\n");
    EXPECT_EQ(panel->txtVolt->text(), "10.00");
    EXPECT_EQ(panel->txtCurr->text(), "1.0");
    EXPECT_EQ(lit(), (QStringList{Lit("POWER", 7, LampColour::Green), Lit("CTL", 8, LampColour::Green),
                                  Lit("OVT", 0, LampColour::Red)}));
    EXPECT_EQ(panel->fields().RunState, 4);

    // Fault bit 9 lights REMOTE green; bit 7 has no lamp. Read-outs round.
    pollWith("3039,1,600,280\r\n");
    EXPECT_EQ(panel->txtVolt->text(), "12.35");
    EXPECT_EQ(lit(), (QStringList{Lit("REM SEN", 9, LampColour::Green), Lit("CTL", 10, LampColour::Green),
                                  Lit("REMOTE", 2, LampColour::Green)}));
    EXPECT_EQ(panel->fields().RunState, 4); // neither standby nor output bit
}

// One bit at a time, so that two lamps that usually light together cannot trade bits
// unseen.
TEST_F(FrontPanelPolling, EachStatusAndFaultBitLightsOnlyItsOwnLamp)
{
    const struct {
        int statusBit;
        int faultBit;
        QStringList lamps;
    } cases[] = {
        {3, -1, {Lit("INT CTL", 3, LampColour::Green)}},
        {4, -1, {Lit("EXT CTL", 4, LampColour::Green)}},
        {6, -1, {Lit("STANDBY", 6, LampColour::Orange)}},
        {7, -1, {Lit("POWER", 7, LampColour::Green)}},
        {8, -1, {Lit("CTL", 8, LampColour::Green)}},
        {9, -1, {Lit("REM SEN", 9, LampColour::Green)}},
        {10, -1, {Lit("CTL", 10, LampColour::Green)}},
        {2, -1, {}}, // interlock shows only in the configuration menu
        {-1, 0, {Lit("OVT", 0, LampColour::Red)}},
        {-1, 1, {Lit("OCT", 1, LampColour::Red)}},
        {-1, 2, {Lit("PHL", 2, LampColour::Red)}},
        {-1, 3, {Lit("PGL", 3, LampColour::Red)}},
        {-1, 4, {Lit("THL", 4, LampColour::Red)}},
        {-1, 8, {Lit("LOC", 8, LampColour::Red)}},
        {-1, 9, {Lit("REMOTE", 2, LampColour::Green)}},
        {-1, 7, {}},
    };
    for (const auto& c : cases) {
        const unsigned status = c.statusBit < 0 ? 0u : 1u << c.statusBit;
        const unsigned fault = c.faultBit < 0 ? 0u : 1u << c.faultBit;
        SCOPED_TRACE(::testing::Message() << "status bit " << c.statusBit << ", fault bit " << c.faultBit);
        pollWith(QStringLiteral("0,0,%1,%2\r\n").arg(status, 0, 16).arg(fault, 0, 16).toLatin1());
        EXPECT_EQ(lit(), c.lamps);
    }
}

TEST_F(FrontPanelPolling, WithoutASupplyTheKnobsStandInOnlyWhileOutputIsOn)
{
    app->state().BusCode = 5;
    panel->knbVolt->SetPositionNoEvent(12.5f);
    panel->knbCurr->SetPositionNoEvent(40.0f);
    panel->tmrInfo_Timer();
    EXPECT_EQ(panel->txtVolt->text(), "0.00");
    EXPECT_EQ(panel->txtCurr->text(), "0.0");
    EXPECT_EQ(lit(), (QStringList{Lit("INT CTL", 3, LampColour::Green), Lit("STANDBY", 6, LampColour::Orange)}));

    panel->cmdStart_Click();
    panel->tmrInfo_Timer();
    EXPECT_EQ(panel->txtVolt->text(), "12.50");
    EXPECT_EQ(panel->txtCurr->text(), "40.0");
    EXPECT_EQ(lit(), (QStringList{Lit("INT CTL", 3, LampColour::Green), Lit("POWER", 7, LampColour::Green),
                                  Lit("CTL", 8, LampColour::Green)}));
    panel->cmdStop_Click();
    EXPECT_EQ(app->state().SimStatus, 72);
}

TEST_F(FrontPanelPolling, AFieldThatOverflowsEndsTheTickSilentlyUnlessDebugging)
{
    pollWith("2710,3E8,180,1\r\n");
    pollWith("123456789,0,48,0\r\n");
    EXPECT_EQ(panel->txtVolt->text(), "10.00");
    EXPECT_EQ(panel->fields().RunState, 4);
    EXPECT_TRUE(prompts.messages.empty());

    panel->fields().DebugMode = true;
    pollWith("0,0,48,1FFFFFFFF\r\n");
    ASSERT_EQ(prompts.messages.size(), 1u);
    const AskedMessage& box = prompts.messages.front();
    EXPECT_EQ(box.title, "DaltoPanel Error");
    EXPECT_EQ(box.icon, PromptIcon::Critical);
    EXPECT_EQ(box.buttons, PromptButtons::Ok);
    EXPECT_TRUE(box.text.startsWith("Error retrieving state information:\nCommand: <>STA\nResponse: "
                                    "0,0,48,1FFFFFFFF"))
        << box.text.toStdString();
    EXPECT_TRUE(box.text.endsWith("\nError: Overflow"));
    // Next tick polls again.
    pollWith("0,0,48,0\r\n");
    EXPECT_EQ(panel->fields().RunState, 3);
}

TEST_F(FrontPanelPolling, HoldKeysShowTheCommittedValuesAndAnnounceThemselves)
{
    auto& s = app->state();
    s.DeviceStateSaved = {5.678f, 12.34f, 16.5f, 110.0f, 0, 0};
    answerEverything();
    panel->cmdVISet_MouseDown();
    EXPECT_EQ(panel->txtVolt->text(), "5.67");
    EXPECT_EQ(panel->txtCurr->text(), "12.3");
    EXPECT_FALSE(panel->tmrInfo->isActive());
    const double pressed = clock.now();
    panel->cmdVISet_MouseUp();
    EXPECT_NEAR(clock.now() - pressed, 0.4, 1e-6);
    EXPECT_EQ(commands(), (QStringList{"<>CHG 2,-1,0", "<>CHG 4,-1,0"}));
    EXPECT_EQ(panel->fields().MenuState, 4);
    EXPECT_TRUE(panel->tmrInfo->isActive());
    EXPECT_EQ(panel->tmrInfo->interval(), 1);

    panel->cmdTRIP_MouseDown();
    EXPECT_EQ(panel->txtVolt->text(), "16.50");
    EXPECT_EQ(panel->txtCurr->text(), "110.0");
    panel->cmdTRIP_MouseUp();
}

TEST_F(FrontPanelPolling, AnotherCurrentPanelClosesThisOneAtItsNextTickWithoutEnding)
{
    app->state().CurrentPanel = app->windows().load(window::frmCommand);
    sent();
    pollWith("0,0,48,0\r\n");
    EXPECT_EQ(commands(), (QStringList{"<>CLR 0"}));
    EXPECT_FALSE(app->ended());
    EXPECT_EQ(app->windows().loaded(window::frmKD), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(FrontPanelPolling, ClosingTheWindowSendsClearAndEndsTheProgram)
{
    panel->close();
    EXPECT_TRUE(commands().contains("<>CLR 0"));
    EXPECT_TRUE(app->ended());
}

TEST_F(FrontPanelPolling, SetupWithAnotherTypeReplacesThePanelAndViewItemsSwitch)
{
    app->setSetupHook([this](PanelWindow&) { app->state().SystemType = 9; });
    answerEverything();
    panel->mnuSetup_Click();
    EXPECT_EQ(current()->objectName(), "frmHB");
    EXPECT_FALSE(app->ended());
    EXPECT_EQ(commands().count("<>CLR 0"), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(visiblePanels(), 1);

    auto* hb = qobject_cast<frmKD*>(current());
    ASSERT_NE(hb, nullptr);
    EXPECT_TRUE(hb->tmrInfo->isActive());
    hb->panelMenu.mnuCommand->trigger();
    EXPECT_EQ(current()->objectName(), "frmCommand");
    EXPECT_EQ(app->windows().loaded(window::frmHB), nullptr);
    EXPECT_FALSE(app->ended());
}
