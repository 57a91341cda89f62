// The HBX panel window: chosen by type at start-up and after Setup, its poll
// (ARM and STANDBY colours, the memory number, the rejected "b" reply), DISPLAY
// held, the keyboard into the entry display, simulated mode, and the upward
// group captions drawn beside their lines.
#include "FrontPanelFixture.h"

#include "app/Twips.h"
#include "app/WindowRegistry.h"
#include "panels/front/GroupCaptionFrame.h"
#include "panels/front/frmHBX.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <dialix/tavKnob.h>

using namespace dalto;
using namespace dalto::front;
using namespace dalto::testing;
using menu::LampColour;

namespace {

class HbxPanel : public FrontPanelFixture {
protected:
    frmHBX* panel = nullptr;
    void SetUp() override { panel = &open<frmHBX>(QStringLiteral("HBX Series")); }

    void pollWith(const QByteArray& reply)
    {
        device.reply(reply);
        panel->tmrInfo_Timer();
    }
    // Every lamp that is lit, as "caption=colour".
    QStringList lit() const
    {
        QStringList shown;
        for (const auto* array : {&panel->lblArm, &panel->lblStatus, &panel->lblErrors, &panel->lblDisabled})
            for (const auto& [index, lamp] : *array)
                if (lamp->colour() != LampColour::Off)
                    shown << QStringLiteral("%1=%2").arg(lamp->text()).arg(int(lamp->colour()));
        return shown;
    }
};

QString Lit(const char* caption, LampColour colour)
{
    return QStringLiteral("%1=%2").arg(caption).arg(int(colour));
}

// Rows and columns of the bright (caption) pixels inside strip of image.
QRect BrightPixels(const QImage& image, const QRect& strip)
{
    QRect found;
    for (int y = strip.top(); y <= strip.bottom(); ++y)
        for (int x = strip.left(); x <= strip.right(); ++x)
            if (qGray(image.pixel(x, y)) > 110)
                found |= QRect(x, y, 1, 1);
    return found;
}

} // namespace

TEST_F(HbxPanel, LoadsWithItsCollectionsKnobsAndNamedControls)
{
    EXPECT_EQ(panel->objectName(), "frmHBX");
    EXPECT_EQ(panel->windowTitle(), "Virtual Control Panel");
    EXPECT_EQ(panel->fields().MenuState, 3);
    EXPECT_EQ(panel->fields().SetPointItem, 5);
    EXPECT_TRUE(device.written().contains("<>CHG 0,-1,0\n"));
    EXPECT_EQ(app->state().SimStatus, 72);
    EXPECT_EQ(panel->tmrInfo->interval(), 250);
    EXPECT_TRUE(panel->tmrInfo->isActive());
    EXPECT_TRUE(panel->tmrFlash->isActive());
    EXPECT_FLOAT_EQ(panel->knbVolt->maximum(), 15.0f);
    EXPECT_FLOAT_EQ(panel->knbCurr->maximum(), 100.0f);
    EXPECT_EQ(panel->ConfigLamps.count(), 8);
    EXPECT_EQ(panel->ConfigLamps.find("4"), panel->lblDisabled[3]);
    EXPECT_EQ(panel->ConfigLamps.find("7"), panel->lblErrors[8]);
    EXPECT_EQ(panel->FaultLamps.find("5")->text(), "FSE");
    EXPECT_EQ(panel->FaultLamps.last(), panel->lblDisabled[2]);
    EXPECT_EQ(panel->ModeLamps.find("0"), panel->lblArm[0]);
    EXPECT_EQ(panel->ModeLamps.count(), 8);

    const QStringList unnamed = UnnamedControls(*panel);
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();

    panel->close();
    EXPECT_TRUE(sent().contains("<>CLR 0"));
    EXPECT_TRUE(app->ended());
}

TEST_F(FrontPanelFixture, StartupAndSetupChooseTheHbxPanelByType)
{
    EXPECT_EQ(open<PanelWindow>(QStringLiteral("no such type")).objectName(), "frmHBX");

    // Setup from the KD panel: type 2 is the HBX panel.
    auto& kd = open(QStringLiteral("KD Series"));
    app->setSetupHook([this](PanelWindow&) { app->state().SystemType = 2; });
    answerEverything();
    kd.mnuSetup_Click();
    auto* hbx = qobject_cast<frmHBX*>(current());
    ASSERT_NE(hbx, nullptr);
    EXPECT_TRUE(hbx->tmrInfo->isActive());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // From the HBX panel an unknown type gives the HB panel.
    app->setSetupHook([this](PanelWindow&) { app->state().SystemType = 9; });
    hbx->mnuSetup_Click();
    EXPECT_EQ(current()->objectName(), "frmHB");
    EXPECT_FALSE(app->ended());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(HbxPanel, PollShowsArmYellowStandbyOrangeAndTheMemoryNumber)
{
    pollWith("0,0,41,0,3\r\n");
    EXPECT_EQ(lit(), (QStringList{Lit("ARM", LampColour::Yellow), Lit("STANDBY", LampColour::Orange)}));
    EXPECT_EQ(panel->txtMEM->text(), "3");
    EXPECT_EQ(panel->tmrInfo->interval(), 200);

    pollWith("2710,3E8,181,220,A\r\n");
    EXPECT_EQ(panel->txtMEM->text(), "E");
    EXPECT_EQ(panel->txtVolt->text(), "10.00");
    EXPECT_EQ(lit(), (QStringList{Lit("ARM", LampColour::Yellow), Lit("POWER", LampColour::Green),
                                  Lit("CTL", LampColour::Green), Lit("FSE", LampColour::Red),
                                  Lit("REMOTE", LampColour::Green)}));
    EXPECT_EQ(panel->fields().RunState, 5);
}

TEST_F(HbxPanel, ALowerCaseBOrJReplyChangesNothingAndIsShownOnlyWhenDebugging)
{
    pollWith("0,0,41,0,3\r\n");
    const QStringList before = lit();
    pollWith("0,0,b0,0,7\r\n");
    EXPECT_EQ(lit(), before);
    EXPECT_EQ(panel->txtMEM->text(), "3");
    EXPECT_TRUE(prompts.messages.empty());

    panel->fields().DebugMode = true;
    pollWith("0,0,48,j,7\r\n");
    EXPECT_EQ(panel->txtMEM->text(), "3");
    ASSERT_EQ(prompts.messages.size(), 1u);
    const AskedMessage& box = prompts.messages.front();
    EXPECT_EQ(box.title, "DaltoPanel Error");
    EXPECT_EQ(box.icon, PromptIcon::Critical);
    EXPECT_TRUE(box.text.startsWith("Error retrieving scale information:\nCommand: <>STA\nResponse: 0,0,48,j,7"));
    EXPECT_TRUE(box.text.endsWith("\nError: Result contains 'j'")) << box.text.toStdString();
}

TEST_F(HbxPanel, DisplayHeldShowsTheCommittedSetPoints)
{
    app->state().DeviceStateSaved = {5.678f, 12.34f, 16.5f, 110.0f, 0, 4};
    answerEverything("3E8,7D0,48,0,2\r\n");
    QTest::mousePress(panel->cmdDsply, Qt::LeftButton);
    EXPECT_EQ(panel->txtVolt->text(), "5.67");
    EXPECT_EQ(panel->txtCurr->text(), "12.3");
    EXPECT_EQ(panel->txtMEM->text(), "4");
    QTest::mouseRelease(panel->cmdDsply, Qt::LeftButton);
    EXPECT_EQ(panel->fields().MenuState, 3);
    panel->tmrInfo_Timer();
    EXPECT_EQ(panel->txtVolt->text(), "1.00");
    EXPECT_EQ(panel->txtMEM->text(), "2");
}

TEST_F(HbxPanel, KeysTypedOnThePanelGoIntoTheEntryDisplayAndEnterConfirms)
{
    answerEverything();
    QTest::keyClicks(panel, "7.2");
    QTest::keyClicks(panel->txtInput, "x5");
    EXPECT_EQ(panel->txtInput->text(), "7.25");
    EXPECT_EQ(panel->fields().MenuMode, 7);
    QTest::keyClick(panel->txtInput, Qt::Key_Return);
    EXPECT_TRUE(commands().contains("VOLT 7.25"));
    EXPECT_EQ(panel->fields().MenuState, 3);
    EXPECT_TRUE(panel->txtInput->text().isEmpty());
}

TEST_F(HbxPanel, EveryChangeOfTheEntryDisplayRunsTheKeypadRulesOnce)
{
    answerEverything();
    panel->txtInput->setText("12a5");
    EXPECT_EQ(panel->txtInput->text(), "125");
    EXPECT_EQ(panel->fields().MenuMode, 7);
    EXPECT_EQ(commands(), QStringList({"<>CHG 5,-1,7", "<>TYP 1"}));

    panel->txtInput->clear();
    QGuiApplication::clipboard()->setText("7.2x5.");
    panel->txtInput->paste();
    EXPECT_EQ(panel->txtInput->text(), "7.25");
    EXPECT_EQ(panel->txtInput->cursorPosition(), 4);
    panel->cmdEnter->click();
    EXPECT_TRUE(commands().contains("VOLT 7.25"));

    // The arrow keys write the stepped value themselves; that is no typing.
    sent();
    clock.onAdvance([this, at = clock.now() + 0.1, done = false](double now) mutable {
        if (!done && now >= at) {
            done = true;
            panel->menuEngine().cmdArrow_MouseUp();
        }
    });
    panel->menuEngine().cmdUp_MouseDown();
    EXPECT_EQ(panel->txtInput->text(), "7.26");
    EXPECT_FALSE(commands().contains("<>TYP 1"));
}

TEST_F(HbxPanel, SetPointMenusShowTheWholeValueAndKeepStandbyAndPower)
{
    answerEverything("0,0,180,0,0\r\n"); // output on, voltage in control
    panel->tmrInfo_Timer();
    app->state().DeviceState[4] = 25;
    panel->cmdMenu->click();
    panel->menuEngine().tmrMenu_Timer();
    EXPECT_EQ(lit(), (QStringList{Lit("POWER", LampColour::Green), Lit("CTL", LampColour::Green)}));
    for (int i = 0; i < 4; ++i)
        panel->cmdItem->click();
    EXPECT_EQ(panel->txtVolt->text(), "25");
    QTest::keyClicks(panel->txtInput, "123");
    EXPECT_EQ(panel->txtVolt->text(), "123");
    EXPECT_EQ(lit(), QStringList{Lit("POWER", LampColour::Green)});
    panel->cmdItem->click(); // no configuration while the output is on
    ASSERT_EQ(panel->txtVolt->text(), "CAL ");
    EXPECT_EQ(lit(), QStringList{Lit("POWER", LampColour::Green)});
}

TEST_F(HbxPanel, WithoutASupplyTheSimulatedWordsStandIn)
{
    app->state().BusCode = 5;
    app->state().SimExtra = 6;
    panel->tmrInfo_Timer();
    EXPECT_EQ(lit(), (QStringList{Lit("INT CTL", LampColour::Green), Lit("STANDBY", LampColour::Orange)}));
    EXPECT_EQ(panel->txtMEM->text(), "6");

    panel->cmdArm->click();
    panel->cmdStart->click();
    panel->tmrInfo_Timer();
    EXPECT_EQ(lit(), (QStringList{Lit("ARM", LampColour::Yellow), Lit("INT CTL", LampColour::Green),
                                  Lit("POWER", LampColour::Green), Lit("CTL", LampColour::Green)}));
    EXPECT_EQ(panel->fields().RunState, 5);
    panel->cmdStop->click();
    EXPECT_EQ(app->state().SimStatus, 72);
}

TEST_F(HbxPanel, TheModeCaptionIsDrawnUpwardsCentredOnItsLine)
{
    panel->resize(1300, 650);
    QCoreApplication::processEvents();
    QFrame* line = panel->linPower;
    const QRect strip(line->x() - TwipsToPixelsX(300, *panel), 0, TwipsToPixelsX(300, *panel),
                      panel->fraButtons->height());
    const QRect caption = BrightPixels(panel->fraButtons->grab().toImage(), strip);
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_GT(caption.height(), 2 * caption.width()); // upright, not across
    EXPECT_NEAR(caption.center().y(), line->geometry().center().y(), 2);

    const int down = TwipsToPixelsY(300, *panel);
    line->move(line->x(), line->y() + down);
    const QRect moved = BrightPixels(panel->fraButtons->grab().toImage(), strip);
    EXPECT_EQ(moved.translated(0, -down), caption);
}
