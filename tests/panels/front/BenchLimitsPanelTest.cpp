// Every way a front panel sets a value keeps to the bench's ceilings: the typed
// set points (unit and range shown, non-numbers refused, valid text sent as
// typed), the knobs (stop, refusal, wheel), the trip-level menu (ENTER refused,
// arrows stop) and the HBX keypad. A refusal names the ceiling and sends nothing.
#include "FrontPanelFixture.h"
#include "QStringPrinter.h"

#include "app/frmLimits.h"
#include "panels/front/frmHBX.h"

#include <QAction>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <dialix/tavKnob.h>

using namespace dalto;
using namespace dalto::front;
using namespace dalto::testing;

namespace {

class BenchLimitsPanel : public FrontPanelFixture {
protected:
    // Enters the limits (voltage, current, OVP, OCP; empty for none) in the
    // Limits dialog of the panel's Communication menu.
    void setLimits(FrontPanelWindow& panel, const QStringList& limits)
    {
        QTimer::singleShot(0, [limits] {
            auto* dialog = qobject_cast<frmLimits*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            const QList<QLineEdit*> boxes = {dialog->txtVoltage, dialog->txtCurrent, dialog->txtOVP, dialog->txtOCP};
            for (int i = 0; i < boxes.size(); ++i)
                boxes[i]->setText(limits.value(i));
            dialog->cmdOK->click();
        });
        panel.panelMenu.mnuLimits->trigger();
        mark = device.written().size();
    }
    QStringList refusals() const
    {
        QStringList texts;
        for (const auto& message : prompts.messages)
            texts << message.title + ": " + message.text;
        return texts;
    }
};

TEST_F(BenchLimitsPanel, TypedSetPointsShowTheirRangeAndRefuseNonNumbersAndValuesAboveIt)
{
    auto& panel = open();
    answerEverything();
    setLimits(panel, {"12"});

    prompts.values = {"12.5", "abc", "20", "12.0"};
    panel.cmdVolt->click();
    panel.cmdVolt->click();
    panel.cmdOVT->click();
    EXPECT_EQ(prompts.setPointRanges.back(), "Volts, 1.5 to 16.5 (rating)");
    EXPECT_EQ(refusals(), (QStringList{
                              "Voltage Set: Voltage 12.5 V refused: it is above the bench limit of 12 V.",
                              "Voltage Set: \"abc\" is not a number. Type the voltage in volts, 0 to 12 (bench limit).",
                              "OVT Set: OVP level 20 V refused: it is above the supply's rating of 16.5 V.",
                          }));
    EXPECT_TRUE(commands().isEmpty());

    // A number within the range still goes exactly as it was typed.
    panel.cmdVolt->click();
    EXPECT_EQ(commands(), (QStringList{"VOLT 12.0", "<>CHG 4,-1,0"}));
}

TEST_F(BenchLimitsPanel, KnobsStopAtTheCeilingAndNeverSendAboveIt)
{
    auto& panel = open();
    answerEverything();
    EXPECT_EQ(panel.knbVolt->stop(), 15.0f); // the rating, before any limit
    setLimits(panel, {"12"});
    EXPECT_EQ(panel.knbVolt->maximum(), 15.0f);
    EXPECT_EQ(panel.knbVolt->stop(), 12.0f);

    // Placed above the ceiling by a reading and let go there: refused, put back.
    panel.knbVolt->SetPositionNoEvent(13.0f);
    emit panel.knbVolt->Change();
    EXPECT_TRUE(commands().isEmpty());
    EXPECT_EQ(refusals(), (QStringList{"Bench Limit: Voltage 13 V refused: it is above the bench limit of 12 V."}));
    EXPECT_FLOAT_EQ(panel.knbVolt->value(), app->state().DeviceState[0]);

    // The wheel turns up to the stop and sends once it rests (on the knob's own
    // timer, which the fixture's silencer must let run).
    for (QTimer* timer : panel.knbVolt->findChildren<QTimer*>())
        timer->removeEventFilter(&silencer);
    panel.knbVolt->SetPositionNoEvent(11.9f);
    auto* face = panel.knbVolt->findChild<QWidget*>("pctKnob");
    ASSERT_NE(face, nullptr);
    const QPointF at(face->width() / 2.0, face->height() / 2.0);
    QWheelEvent wheel(at, face->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ShiftModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(face, &wheel);
    QSignalSpy changed(panel.knbVolt, &tavKnob::Change);
    ASSERT_TRUE(changed.wait(10000));
    EXPECT_EQ(commands(), (QStringList{"VOLT 12.00"}));
}

TEST_F(BenchLimitsPanel, TheTripMenuRefusesEnterAboveTheCeilingAndItsArrowsStopThere)
{
    auto& panel = open();
    answerEverything();
    setLimits(panel, {"", "", "10"});
    auto& s = app->state();

    panel.cmdMenu->click(); // OVT menu, showing the 16.5 V the supply reported
    ASSERT_EQ(panel.fields().MenuState, 7);
    panel.cmdEnter->click();
    EXPECT_EQ(refusals(), (QStringList{"Bench Limit: OVP level 16.5 V refused: it is above the bench limit of 10 V."}));
    EXPECT_TRUE(commands().filter("VOLT:PROT").isEmpty());

    s.DeviceState[2] = 9.5f;
    panel.cmdMenu->click();
    const double pressed = clock.now();
    clock.onAdvance([&](double now) {
        if (now - pressed >= 8.0)
            s.ButtonHeld = false;
    });
    panel.cmdUp_MouseDown();
    clock.onAdvance(nullptr);
    const QStringList lines = commands().filter("VOLT:PROT ");
    ASSERT_FALSE(lines.isEmpty());
    for (const QString& line : lines)
        EXPECT_LE(line.mid(10).toDouble(), 10.0) << line.toStdString();
    EXPECT_EQ(lines.back(), "VOLT:PROT 10");

    // An unreadable limit refuses every step: the held arrow stops at the first box.
    s.Limits[SetPointKind::OverVoltage] = ParseBenchLimit("ten");
    prompts.messages.clear();
    panel.cmdMenu->click();
    panel.cmdUp_MouseDown();
    EXPECT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(commands().filter("VOLT:PROT ").isEmpty());
}

TEST_F(BenchLimitsPanel, TheHbxKeypadRefusesAnEntryAboveTheCeiling)
{
    auto& panel = open<frmHBX>(QStringLiteral("HBX Series"));
    answerEverything();
    setLimits(panel, {"12"});

    QTest::keyClicks(panel.txtInput, "13");
    QTest::keyClick(panel.txtInput, Qt::Key_Return);
    EXPECT_EQ(refusals(), (QStringList{"Bench Limit: Voltage 13 V refused: it is above the bench limit of 12 V."}));
    EXPECT_TRUE(commands().filter("VOLT").isEmpty()) << commands().join(" | ").toStdString();

    QTest::keyClicks(panel.txtInput, "12");
    QTest::keyClick(panel.txtInput, Qt::Key_Return);
    EXPECT_TRUE(commands().contains("VOLT 12"));
}

} // namespace
