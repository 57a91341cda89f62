// The KD panel polling the real simulator with the trend window open: the
// window fills from the polls, and its newest point is what the read-outs show.
#include "ProgramOnSimulator.h"
#include "panels/front/frmKD.h"
#include "panels/front/trend/TrendCurve.h"
#include "panels/front/trend/TrendWindow.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QScatterSeries>
#include <QTimer>
#include <dialix/tavKnob.h>
#include <cmath>
#include <gtest/gtest.h>

using namespace dalto;
using namespace dalto::front;
using namespace dalto::testing;

TEST(TrendAgainstSimulator, LastPointOfARampingLoadMatchesTheReadouts)
{
    // 6 V into a load ramping between 10 and 4 ohms: the current moves.
    ProgramOnSimulator program({"--load-ohms", "10", "--load-profile", "4,2,10,2"});
    ASSERT_TRUE(program.isStarted()) << program.errorText().toStdString();
    auto* panel = qobject_cast<frmKD*>(program.currentPanel());
    ASSERT_NE(panel, nullptr);
    panel->panelMenu.mnuTrend->trigger();
    auto* trend = panel->trendWindow();
    ASSERT_NE(trend, nullptr);

    const auto pollUntil = [&](std::size_t readings) {
        for (int i = 0; i < 3000 && trend->log().size() < readings; ++i)
            program.clock().pump(20);
        return trend->log().size() >= readings;
    };
    ASSERT_TRUE(pollUntil(2)); // in standby
    panel->knbCurr->SetPositionNoEvent(10.0f);
    emit panel->knbCurr->Change();
    panel->knbVolt->SetPositionNoEvent(6.0f);
    emit panel->knbVolt->Change();
    panel->cmdStart->click();

    // The panel's own timer polls for a few seconds.
    ASSERT_TRUE(pollUntil(20));
    panel->tmrInfo->stop();
    panel->tmrInfo_Timer();

    ASSERT_FALSE(trend->voltageCurve->runs().empty());
    ASSERT_FALSE(trend->currentCurve->runs().empty());
    const QPointF volts = trend->voltageCurve->runs().back().last();
    const QPointF amps = trend->currentCurve->runs().back().last();
    EXPECT_DOUBLE_EQ(volts.x(), trend->log().back().seconds);
    // The read-out rounds to its format's last digit; the plot keeps the reading.
    const auto halfDigit = [](const QString& format) {
        const qsizetype point = format.indexOf(QLatin1Char('.'));
        return 0.5 * std::pow(10.0, point < 0 ? 0 : -(format.size() - point - 1)) + 1e-6;
    };
    EXPECT_NEAR(volts.y(), panel->txtVolt->text().toDouble(), halfDigit(program.app().state().VoltFormat));
    EXPECT_NEAR(amps.y(), panel->txtCurr->text().toDouble(), halfDigit(program.app().state().CurrFormat));
    EXPECT_NEAR(volts.y(), 6.0, 0.011);

    double lowest = 1e9;
    double highest = 0;
    for (const QList<QPointF>& run : trend->currentCurve->runs()) {
        for (const QPointF& p : run) {
            lowest = std::min(lowest, p.y());
            highest = std::max(highest, p.y());
        }
    }
    EXPECT_GT(highest - lowest, 0.1) << "the ramping load moves the current";
    EXPECT_EQ(trend->markSeries.at(trend::TrendMark::OutputOn)->count(), 1);
    EXPECT_TRUE(program.prompts().messages.empty()) << program.prompts().messageTexts().join("|").toStdString();
    program.app().endProgram();
}
