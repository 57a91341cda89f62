// The KD panel's keys and knobs through its widgets: START/STOP, typed set
// points, the arrow keys' repeat, CLEAR's press tracking, the held keys' mouse
// down and up, a knob drag, and the menu keys reaching the menu.
#include "FrontPanelFixture.h"

#include "panels/front/ReadoutValue.h"

#include <QApplication>
#include <QKeyEvent>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <cmath>
#include <dialix/tavKnob.h>

using namespace dalto;
using namespace dalto::front;
using namespace dalto::testing;

namespace {

class FrontPanelKeys : public FrontPanelFixture {
protected:
    frmKD* panel = nullptr;
    void SetUp() override
    {
        panel = &open();
        answerEverything();
    }
    void mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, target->mapToGlobal(at),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    int count(const QStringList& lines, const QString& prefix)
    {
        return int(std::count_if(lines.begin(), lines.end(), [&](const QString& l) { return l.startsWith(prefix); }));
    }
};

} // namespace

TEST_F(FrontPanelKeys, StartAndStopSendTheirCommandsAndKeepTheSimulatedWord)
{
    panel->cmdStart->click();
    EXPECT_EQ(commands(), (QStringList{"OUTP:START"}));
    EXPECT_EQ(panel->fields().RunState, 4);
    EXPECT_EQ(app->state().SimStatus, 8 | 0x80 | 0x100);
    EXPECT_TRUE(panel->tmrInfo->isActive());
    panel->cmdStop->click();
    EXPECT_EQ(commands(), (QStringList{"OUTP:STOP", "<>IGN 0"}));
    EXPECT_EQ(panel->fields().RunState, 3);
    EXPECT_EQ(app->state().SimStatus, 72);

    // On a calibration item beyond the pots START does nothing at all; inside a
    // menu it sends nothing but the simulated word still follows.
    panel->fields().MenuState = 10;
    panel->fields().MenuItem = 5;
    panel->cmdStart_Click();
    EXPECT_EQ(app->state().SimStatus, 72);
    panel->fields().MenuState = 9;
    panel->fields().MenuItem = -1;
    panel->cmdStart_Click();
    EXPECT_TRUE(commands().isEmpty());
    EXPECT_EQ(app->state().SimStatus, 8 | 0x80 | 0x100);
}

TEST_F(FrontPanelKeys, TypedTripLevelIsSentAsTypedAndStoredWithinTheRatings)
{
    auto& s = app->state();
    prompts.values.push_back("1");
    std::vector<int> statesDuringWait;
    clock.onAdvance([&](double) { statesDuringWait.push_back(panel->fields().MenuState); });
    const double start = clock.now();
    panel->cmdOVT->click();
    clock.onAdvance(nullptr);
    ASSERT_EQ(prompts.valueInputs.size(), 1u);
    EXPECT_EQ(prompts.valueInputs[0], (std::pair<QString, QString>{"OVT Set", "16.5"}));
    EXPECT_EQ(commands(), (QStringList{"VOLT:PROT 1", "<>CHG 4,-1,0"}));
    EXPECT_FLOAT_EQ(s.DeviceState[2], s.Ratings[3]);
    EXPECT_FLOAT_EQ(s.DeviceStateSaved[2], s.Ratings[3]);
    EXPECT_NEAR(clock.now() - start, 1.0, 0.05);
    ASSERT_FALSE(statesDuringWait.empty());
    EXPECT_EQ(statesDuringWait.front(), 7);
    EXPECT_EQ(panel->fields().MenuState, 4);

    prompts.values.push_back("");
    panel->cmdVolt->click();
    EXPECT_TRUE(commands().isEmpty());

    prompts.values.push_back("12.5");
    panel->cmdVolt->click();
    EXPECT_EQ(commands(), (QStringList{"VOLT 12.5", "<>CHG 4,-1,0"})); // the knob moved silently
    EXPECT_FLOAT_EQ(panel->knbVolt->value(), 12.5f);
}

TEST_F(FrontPanelKeys, EachSetKeyStoresItsValueWithinItsOwnBounds)
{
    auto& s = app->state();
    const struct {
        QPushButton* key;
        int index;
        int upper;
        int lower; // -1: zero
    } keys[] = {
        {panel->cmdVolt, 0, 0, -1}, {panel->cmdCurr, 1, 4, -1}, {panel->cmdOVT, 2, 2, 3}, {panel->cmdOCT, 3, 6, 7}};
    for (const auto& k : keys) {
        const float upper = s.Ratings[size_t(k.upper)];
        const float lower = k.lower < 0 ? 0.0f : s.Ratings[size_t(k.lower)];
        // Typed at its own rating (above it the bench's ceiling refuses the value).
        prompts.values.push_back(QString::number(upper));
        k.key->click();
        EXPECT_FLOAT_EQ(s.DeviceState[size_t(k.index)], upper) << k.key->objectName().toStdString();
        prompts.values.push_back(QString::number(lower - 0.5));
        k.key->click();
        EXPECT_FLOAT_EQ(s.DeviceStateSaved[size_t(k.index)], lower) << k.key->objectName().toStdString();
    }
}

TEST_F(FrontPanelKeys, HeldUpArrowStepsOneThenThreeThenThirteenDigits)
{
    app->state().DeviceState[2] = 1.0f;
    panel->cmdMenu->click();
    ASSERT_EQ(panel->fields().MenuState, 7);
    ASSERT_TRUE(panel->cmdUp->isVisibleTo(panel));
    sent();
    const double pressed = clock.now();
    clock.onAdvance([&](double now) {
        if (now - pressed >= 8.0)
            app->state().ButtonHeld = false;
    });
    panel->cmdUp_MouseDown();
    clock.onAdvance(nullptr);

    const QStringList lines = commands();
    ASSERT_GE(lines.size(), 36) << lines.join(" | ").toStdString();
    EXPECT_EQ(lines.front(), "<>IGN 1");
    EXPECT_EQ(lines.back(), "<>IGN 0");
    std::vector<int> digits;
    double previous = 1.0;
    for (const QString& line : lines)
        if (line.startsWith("VOLT:PROT ")) {
            const double value = line.mid(10).toDouble();
            digits.push_back(int(std::lround((value - previous) * 100)));
            previous = value;
        }
    ASSERT_GE(digits.size(), 33u);
    for (size_t i = 0; i < 33; ++i)
        EXPECT_EQ(digits[i], i < 11 ? 1 : i < 31 ? 3 : 13) << "step " << i + 1;
    EXPECT_EQ(lines[1], "VOLT:PROT 1.01");
    EXPECT_FALSE(panel->tmrInfo->isActive()); // still in the OVT menu
}

TEST_F(FrontPanelKeys, HeldUpArrowOnAPotStopsAt255AndKeepsSendingIt)
{
    auto& f = panel->fields();
    f.MenuState = 10;
    f.MenuItem = 2;
    f.EditFormat = "0";
    f.EditValue = 252;
    const double pressed = clock.now();
    clock.onAdvance([&](double now) {
        if (now - pressed >= 2.0)
            app->state().ButtonHeld = false;
    });
    panel->cmdUp_MouseDown();
    clock.onAdvance(nullptr);
    QStringList pots = commands().filter("CAL:POT");
    ASSERT_GE(pots.size(), 6);
    EXPECT_EQ(pots.mid(0, 3), (QStringList{"CAL:POT 3,253", "CAL:POT 3,254", "CAL:POT 3,255"}));
    pots.erase(pots.begin(), pots.begin() + 3);
    EXPECT_EQ(pots.count("CAL:POT 3,255"), pots.size());
    EXPECT_EQ(app->state().PotValues[2], 255);
    EXPECT_TRUE(panel->tmrInfo->isActive()); // polling goes on in the calibration menu
}

TEST_F(FrontPanelKeys, ClearActsOnReleaseOverTheKeyOrByTheSpaceBar)
{
    const QPoint inside(5, 5);
    const QPoint outside(-10, 5);
    mouse(panel->cmdClear, QEvent::MouseButtonPress, inside, Qt::LeftButton);
    EXPECT_TRUE(panel->cmdClear->isDown());
    mouse(panel->cmdClear, QEvent::MouseMove, outside, Qt::LeftButton);
    EXPECT_FALSE(panel->cmdClear->isDown());
    mouse(panel->cmdClear, QEvent::MouseButtonRelease, outside, Qt::NoButton);
    EXPECT_EQ(count(commands(), "<>CLR 0"), 0);

    mouse(panel->cmdClear, QEvent::MouseButtonPress, inside, Qt::LeftButton);
    mouse(panel->cmdClear, QEvent::MouseButtonRelease, inside, Qt::NoButton);
    EXPECT_EQ(count(commands(), "<>CLR 0"), 1);

    QTest::keyPress(panel->cmdClear, Qt::Key_Space);
    // A held bar repeats as release and press pairs marked as auto-repeat.
    for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress, QEvent::KeyRelease, QEvent::KeyPress}) {
        QKeyEvent repeat(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
        QApplication::sendEvent(panel->cmdClear, &repeat);
    }
    EXPECT_EQ(count(commands(), "<>CLR 0"), 0);
    QTest::keyRelease(panel->cmdClear, Qt::Key_Space);
    EXPECT_EQ(count(commands(), "<>CLR 0"), 1);
}

TEST_F(FrontPanelKeys, HeldKeysActOnMouseDownAndUpOnlyWhateverThePointerDoesBetween)
{
    const QPoint inside(5, 5);
    const QPoint outside(-10, 5);
    mouse(panel->cmdVISet, QEvent::MouseButtonPress, inside, Qt::LeftButton);
    mouse(panel->cmdVISet, QEvent::MouseMove, outside, Qt::LeftButton);
    mouse(panel->cmdVISet, QEvent::MouseMove, inside, Qt::LeftButton);
    EXPECT_EQ(panel->fields().MenuState, 2);
    EXPECT_TRUE(panel->cmdVISet->isDown());
    mouse(panel->cmdVISet, QEvent::MouseButtonRelease, outside, Qt::NoButton);
    EXPECT_EQ(commands(), (QStringList{"<>CHG 2,-1,0", "<>CHG 4,-1,0"}));
    EXPECT_FALSE(panel->cmdVISet->isDown());

    // The arrow repeats on through a slide off and back, as one loop.
    panel->cmdMenu->click();
    commands();
    const double pressed = clock.now();
    int stage = 0;
    clock.onAdvance([&](double now) {
        const double held = now - pressed;
        if (stage == 0 && held >= 1.0) {
            stage = 1;
            mouse(panel->cmdUp, QEvent::MouseMove, outside, Qt::LeftButton);
        } else if (stage == 1 && held >= 1.5) {
            stage = 2;
            mouse(panel->cmdUp, QEvent::MouseMove, inside, Qt::LeftButton);
        } else if (stage == 2 && held >= 3.0) {
            stage = 3;
            mouse(panel->cmdUp, QEvent::MouseButtonRelease, inside, Qt::NoButton);
        }
    });
    mouse(panel->cmdUp, QEvent::MouseButtonPress, inside, Qt::LeftButton);
    clock.onAdvance(nullptr);
    EXPECT_GE(clock.now() - pressed, 3.0);
    const QStringList lines = commands();
    EXPECT_EQ(lines.count("<>IGN 1"), 1);
    EXPECT_EQ(lines.count("<>IGN 0"), 1);
    EXPECT_EQ(lines.back(), "<>IGN 0");
}

TEST_F(FrontPanelKeys, KnobDragShowsWhileTurningAndSendsOneTruncatedCommand)
{
    tavKnob* knob = panel->knbVolt;
    auto* face = knob->findChild<QWidget*>("pctKnob");
    ASSERT_NE(face, nullptr);
    const QPointF centre(face->width() / 2.0, face->height() / 2.0);
    const auto at = [&](double angle) {
        return QPointF(centre.x() - centre.x() * 0.8 * std::cos(angle), centre.y() - centre.y() * 0.8 * std::sin(angle))
            .toPoint();
    };
    QTest::mousePress(face, Qt::LeftButton, {}, at(M_PI / 2));
    for (int step = 1; step <= 40; ++step)
        mouse(face, QEvent::MouseMove, at(M_PI / 2 + step * M_PI / 12), Qt::LeftButton);
    EXPECT_TRUE(commands().isEmpty());
    EXPECT_FALSE(panel->tmrInfo->isActive());
    const float turned = knob->value();
    ASSERT_GT(turned, 0.0f);
    EXPECT_EQ(panel->txtVolt->text(), ShowValueText(turned, "0.00"));
    QTest::mouseRelease(face, Qt::LeftButton, {}, at(M_PI / 2 + 40 * M_PI / 12));

    const QString shown = ShowValueText(knob->value(), "0.00");
    EXPECT_EQ(commands(), (QStringList{"VOLT " + shown}));
    EXPECT_FLOAT_EQ(app->state().DeviceState[0], shown.toFloat());
    EXPECT_FLOAT_EQ(app->state().DeviceStateSaved[0], shown.toFloat());
    EXPECT_TRUE(panel->tmrInfo->isActive());

    // Moves made by the panel itself send nothing.
    knob->SetPositionNoEvent(3.0f);
    EXPECT_TRUE(commands().isEmpty());
}

TEST_F(FrontPanelKeys, KnobSendsTheWholeReadOutInTheGeneralNumberForm)
{
    app->state().VoltFormat = ""; // full scale above 8000
    app->state().Ratings[0] = 20000;
    panel->knbVolt->setMaximum(20000);
    panel->knbVolt->SetPositionNoEvent(12345.678f);
    emit panel->knbVolt->Change();
    EXPECT_EQ(panel->txtVolt->text(), "12345.678");
    EXPECT_EQ(commands(), (QStringList{"VOLT 12345.678"}));
}

TEST_F(FrontPanelKeys, MenuKeysWalkTheMenuAndSwapTheKeysShown)
{
    panel->cmdMenu->click();
    EXPECT_TRUE(commands().contains("<>CHG 7,-1,2"));
    EXPECT_FALSE(panel->tmrInfo->isActive());
    EXPECT_TRUE(panel->tmrMenu->isActive());
    EXPECT_FALSE(panel->cmdVolt->isEnabled());
    EXPECT_FALSE(panel->knbVolt->knobEnabled());
    panel->menuEngine().tmrMenu_Timer();
    EXPECT_EQ(panel->txtVolt->text(), "16.50");
    EXPECT_EQ(panel->txtCurr->text(), "");

    panel->cmdItem->click();
    panel->cmdItem->click();
    EXPECT_EQ(panel->fields().MenuState, 9);
    EXPECT_FALSE(panel->cmdUp->isVisibleTo(panel));
    panel->fields().BlinkPhase = false;
    panel->menuEngine().tmrMenu_Timer();
    EXPECT_EQ(panel->txtVolt->text(), "ConF");

    mouse(panel->cmdClear, QEvent::MouseButtonPress, {3, 3}, Qt::LeftButton);
    mouse(panel->cmdClear, QEvent::MouseButtonRelease, {3, 3}, Qt::NoButton);
    EXPECT_EQ(panel->fields().MenuState, 4);
    EXPECT_TRUE(commands().contains("<>CHG 0,-1,0"));
    EXPECT_TRUE(panel->tmrInfo->isActive());
    EXPECT_TRUE(panel->knbVolt->knobEnabled());
}

TEST_F(FrontPanelKeys, TranscriptIsSavedWholeOrTheFailureIsReported)
{
    panel->rtbTranx->setTranscriptText("VOLT 1\r\n");
    const QString path = dir.filePath("tranx.txt");
    prompts.files.push_back(path);
    panel->cmdSave->click();
    QFile saved(path);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), "VOLT 1\r\n\n");
    EXPECT_TRUE(prompts.messages.empty());

    prompts.files.push_back(dir.filePath("missing/folder/tranx.txt"));
    panel->cmdSave->click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.startsWith("The transcript could not be saved to "));

    panel->cmdClearText->click();
    EXPECT_EQ(panel->rtbTranx->transcriptText(), "");
}
