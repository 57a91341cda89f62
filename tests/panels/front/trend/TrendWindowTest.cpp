// The trend window offscreen: fed a scripted run of poll results it draws the
// points, the marks and the chosen time window, breaks the curves where readings
// are missing, scales its axes to the readings in view or to the full scale,
// holds still for zoom and pause, and exports its data and plot; on a KD panel
// it opens from the View menu as a tool window of the panel, is fed by the
// panel's polls (not by Simulated mode) and goes with the panel.
#include "FrontPanelFixture.h"
#include "app/WindowRegistry.h"
#include "ScriptedPrompts.h"
#include "panels/front/StatusReply.h"
#include "panels/front/frmHBX.h"
#include "panels/front/trend/TrendChartView.h"
#include "panels/front/trend/TrendCurve.h"
#include "panels/front/trend/TrendWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QScatterSeries>
#include <QTemporaryDir>
#include <QValueAxis>
#include <cmath>

using namespace dalto;
using namespace dalto::front;
using namespace dalto::front::trend;
using namespace dalto::testing;

namespace {

StatusReading Reading(double volts, double amps, int32_t status, int32_t fault = 0)
{
    StatusReading r;
    r.voltage = volts;
    r.current = amps;
    r.statusWord = status;
    r.faultWord = fault;
    return r;
}

class TrendWindowTest : public ::testing::Test {
protected:
    // Shown and laid out: the plot's width sets how many points a curve gets.
    void SetUp() override
    {
        window.show();
        QCoreApplication::processEvents();
    }
    // Two minutes at five readings a second: standby, output on at 10 s, a
    // voltage trip at 100 s.
    void feedRun()
    {
        for (int i = 0; i <= 600; ++i) {
            const double t = i * 0.2;
            if (t < 10)
                window.addReading(t, Reading(0, 0, 0x48));
            else if (t < 100)
                window.addReading(t, Reading(5 + t / 100, 0.5, 0x188));
            else
                window.addReading(t, Reading(0, 0, 0x48, 1));
        }
    }
    std::vector<double> marksOf(TrendMark mark) const
    {
        std::vector<double> times;
        for (const QPointF& p : window.markSeries.at(mark)->points())
            times.push_back(p.x());
        return times;
    }

    QTemporaryDir dir;
    FakeClock clock;
    ScriptedPrompts prompts;
    AppContext context{clock, prompts, Paths(dir.path(), dir.filePath("x.ini"), dir.path())};
    TrendWindow window{context, {15, 100}, 0.2};
};

} // namespace

TEST_F(TrendWindowTest, DrawsTheLastMinuteWithMarksAndEverythingOnRequest)
{
    feedRun();
    EXPECT_DOUBLE_EQ(window.timeAxis->max(), 120.0);
    EXPECT_DOUBLE_EQ(window.timeAxis->min(), 60.0);
    ASSERT_EQ(window.voltageCurve->runs().size(), 1u);
    const QList<QPointF> volts = window.voltageCurve->runs().front();
    ASSERT_EQ(volts.size(), 302); // 60..120 s and one before
    EXPECT_DOUBLE_EQ(volts.last().x(), 120.0);
    EXPECT_GT(volts.first().x(), 59.7);
    EXPECT_TRUE(marksOf(TrendMark::OutputOn).empty()); // at 10 s, outside the minute
    EXPECT_EQ(marksOf(TrendMark::Trip), std::vector{100.0});
    EXPECT_EQ(marksOf(TrendMark::OutputOff), std::vector{100.0});

    window.cboWindow->setCurrentIndex(3); // All
    EXPECT_DOUBLE_EQ(window.timeAxis->min(), 0.0);
    EXPECT_EQ(window.voltageCurve->pointCount(), 601);
    EXPECT_EQ(marksOf(TrendMark::OutputOn), std::vector{10.0});
}

TEST_F(TrendWindowTest, ZoomLeavesFollowAndPauseHoldsThePlot)
{
    feedRun();
    window.chartView->zoomTime(0.5, 90);
    EXPECT_FALSE(window.chkFollow->isChecked());
    EXPECT_DOUBLE_EQ(window.timeAxis->min(), 75.0);
    EXPECT_DOUBLE_EQ(window.timeAxis->max(), 105.0);
    window.addReading(120.2, Reading(3, 0.3, 0x188));
    EXPECT_DOUBLE_EQ(window.timeAxis->max(), 105.0);

    window.chkFollow->setChecked(true);
    EXPECT_DOUBLE_EQ(window.timeAxis->max(), 120.2);
    window.chkPause->setChecked(true);
    window.addReading(120.4, Reading(4, 0.4, 0x188));
    EXPECT_DOUBLE_EQ(window.voltageCurve->runs().back().last().x(), 120.2);
    EXPECT_EQ(window.log().size(), 603u);
    context.state.VoltFormat = QStringLiteral("0.00");
    context.state.CurrFormat = QStringLiteral("0.000");
    window.showCursor(120.35);
    EXPECT_EQ(window.lblCursor->text(), "120.4 s   4.00 V   0.400 A   INT CTL|POWER|Voltage CTL");
}

TEST_F(TrendWindowTest, ACurveBreaksWhereReadingsAreMissingAndTheCursorSaysSo)
{
    for (int i = 0; i <= 50; ++i)
        window.addReading(i * 0.2, Reading(5, 0.5, 0x188));
    // One poll missing is still joined; readings four poll periods apart are not.
    for (int i = 0; i <= 10; ++i)
        window.addReading(10.4 + i * 0.2, Reading(5, 0.5, 0x188));
    for (int i = 0; i <= 10; ++i)
        window.addReading(13.2 + i * 0.2, Reading(5, 0.5, 0x188));
    const TrendRuns& runs = window.voltageCurve->runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_NEAR(runs[0].last().x(), 12.4, 1e-9);
    EXPECT_NEAR(runs[1].first().x(), 13.2, 1e-9);
    EXPECT_EQ(window.currentCurve->runs().size(), 2u);

    context.state.VoltFormat = QStringLiteral("0.00");
    context.state.CurrFormat = QStringLiteral("0.000");
    window.showCursor(12.8);
    EXPECT_EQ(window.lblCursor->text(), "12.8 s   no reading");
    window.showCursor(10.25);
    EXPECT_EQ(window.lblCursor->text(), "10.4 s   5.00 V   0.500 A   INT CTL|POWER|Voltage CTL");
}

TEST_F(TrendWindowTest, ValueAxesFollowTheReadingsInViewOnRoundTicksOrShowTheFullScale)
{
    for (int i = 0; i <= 300; ++i)
        window.addReading(i * 0.2, Reading(4.98 + 0.05 * (i % 2), 0.5, 0x188));
    const auto onTicks = [](const QValueAxis& axis) {
        const double step = axis.tickInterval();
        const double share = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
        EXPECT_TRUE(std::abs(share - 1) < 1e-6 || std::abs(share - 2) < 1e-6 || std::abs(share - 5) < 1e-6)
            << axis.titleText().toStdString() << " step " << step;
        for (const double end : {axis.min(), axis.max()})
            EXPECT_NEAR(end / step, std::round(end / step), 1e-6) << axis.titleText().toStdString();
    };
    EXPECT_LE(window.voltAxis->min(), 4.98);
    EXPECT_GE(window.voltAxis->min(), 4.9);
    EXPECT_GE(window.voltAxis->max(), 5.03);
    EXPECT_LE(window.voltAxis->max(), 5.1);
    EXPECT_LT(window.ampAxis->max() - window.ampAxis->min(), 0.1); // a flat 0.5 A
    onTicks(*window.voltAxis);
    onTicks(*window.ampAxis);
    onTicks(*window.timeAxis);

    window.cmdFullScale->click();
    EXPECT_EQ(window.voltAxis->min(), 0.0);
    EXPECT_EQ(window.voltAxis->max(), 15.0);
    EXPECT_EQ(window.ampAxis->max(), 100.0);
    onTicks(*window.voltAxis);
    window.cmdFullScale->click();
    EXPECT_GT(window.voltAxis->min(), 4.0);
}

TEST_F(TrendWindowTest, ExportsDataAndPicturesAndReportsAFailedWrite)
{
    feedRun();
    prompts.files = {dir.filePath("run.csv"), dir.filePath("plot.png"), dir.filePath("plot.svg"),
                     dir.filePath("missing/run.csv")};
    window.exportCsv();
    window.exportPlot();
    window.exportPlot();
    window.exportCsv();

    QFile csv(dir.filePath("run.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_TRUE(csv.readLine().startsWith("time,seconds,voltage_V,current_A,status_word,fault_word,flags"));
    EXPECT_EQ(csv.readAll().count('\n'), 601);
    QFile png(dir.filePath("plot.png"));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    EXPECT_TRUE(png.read(8).startsWith("\x89PNG"));
    QFile svg(dir.filePath("plot.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));

    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_TRUE(prompts.messages[0].text.startsWith("The trend data could not be saved to "));
    EXPECT_EQ(prompts.messages[0].icon, PromptIcon::Critical);
}

TEST_F(TrendWindowTest, AnExistingExportFileIsReplacedOnlyWhenTheUserSaysSo)
{
    feedRun();
    const QString path = dir.filePath("run.csv");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("kept");
    old.close();
    prompts.files = {path, path};
    prompts.answers = {PromptAnswer::Cancel, PromptAnswer::Ok};

    window.exportCsv();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "kept");
    old.close();
    window.exportCsv();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_TRUE(old.readLine().startsWith("time,"));
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].text, "File exists, are you sure you wish to overwrite it?");
}

namespace {
class PanelTrend : public FrontPanelFixture {};
} // namespace

TEST_F(PanelTrend, ViewMenuOpensItThePollsFeedItAndItGoesWithThePanel)
{
    auto& panel = open();
    ASSERT_NE(panel.panelMenu.mnuTrend, nullptr);
    EXPECT_EQ(panel.panelMenu.mnuTrend->text(), "Trend");
    panel.panelMenu.mnuTrend->trigger();
    QPointer<TrendWindow> trend = panel.trendWindow();
    ASSERT_TRUE(trend);
    EXPECT_TRUE(trend->isVisible());
    // A tool window of the panel: kept in front of it by the window system.
    EXPECT_EQ(trend->windowType(), Qt::Tool);
    EXPECT_EQ(trend->parentWidget(), &panel);

    device.reply("2710,3E8,188,1\r\n");
    panel.tmrInfo_Timer();
    ASSERT_EQ(trend->log().size(), 1u);
    EXPECT_EQ(trend->log().back().volts, 10.0f);
    EXPECT_EQ(trend->log().back().amps, 1.0f);
    EXPECT_EQ(trend->log().back().status, 0x188);
    EXPECT_EQ(trend->log().back().fault, 1);
    EXPECT_EQ(sent(), QStringList{"<>STA"}); // the poll's own exchange only

    app->state().BusCode = 5; // Simulated: stand-in values are no measurement
    clock.advance(120);
    panel.tmrInfo_Timer();
    EXPECT_EQ(trend->log().size(), 1u);
    EXPECT_GE(trend->timeAxis->max(), 120.0) << "the plot moves on over the gap";

    panel.panelMenu.mnuTrend->trigger(); // the same window again
    EXPECT_EQ(panel.trendWindow(), trend.data());
    app->windows().unload(panel.objectName());
    EXPECT_FALSE(trend && trend->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(trend);
}

TEST_F(PanelTrend, TheKeypadPanelFeedsItToo)
{
    auto& panel = open<frmHBX>(QStringLiteral("HBX Series"));
    ASSERT_NE(panel.panelMenu.mnuTrend, nullptr);
    EXPECT_TRUE(panel.panelMenu.mnuTrend->isEnabled());
    panel.panelMenu.mnuTrend->trigger();
    device.reply("1388,1F4,189,0,3\r\n");
    panel.tmrInfo_Timer();
    ASSERT_NE(panel.trendWindow(), nullptr);
    ASSERT_EQ(panel.trendWindow()->log().size(), 1u);
    EXPECT_EQ(panel.trendWindow()->log().back().volts, 5.0f);
    EXPECT_EQ(panel.trendWindow()->log().back().status, 0x189);
}
