// The trend's widget-free parts: the bounded ring with its marks, the CSV text,
// the span and the points (with their gaps) the plot draws, and the round axes.
#include "panels/front/trend/TrendCsv.h"
#include "panels/front/trend/TrendLog.h"
#include "panels/front/trend/TrendScale.h"
#include "panels/front/trend/TrendSpan.h"

#include <QLocale>
#include <QTimeZone>
#include <clocale>
#include <gtest/gtest.h>

using namespace dalto::front::trend;

namespace {
constexpr int32_t Standby = 0x48;
constexpr int32_t OutputOnCv = 0x188;
constexpr int32_t OverVoltage = 1;
constexpr int32_t Thermal = 16;
constexpr double Poll = 0.2;

bool EarlierPoint(const QPointF& a, const QPointF& b)
{
    return a.x() < b.x();
}
} // namespace

TEST(TrendLog, KeepsTheNewestReadingsInOrderAndDropsTheOldestWithTheirMarks)
{
    TrendLog log(3);
    log.append(10.0, 0, 0, Standby, 0);
    log.append(10.2, 5, 0.5f, OutputOnCv, 0);              // output on
    log.append(10.4, 5, 0.5f, OutputOnCv, OverVoltage);    // trip
    log.append(10.6, 0, 0, Standby, OverVoltage | Thermal); // output off, fault
    log.append(10.8, 0, 0, Standby, OverVoltage | Thermal); // nothing new
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log.dropped(), 2u);
    EXPECT_NEAR(log.at(0).seconds, 0.4, 1e-9);
    EXPECT_NEAR(log.back().seconds, 0.8, 1e-9);
    EXPECT_EQ(log.at(0).fault, OverVoltage);
    EXPECT_THROW((void)log.at(3), std::out_of_range);
    EXPECT_EQ(log.firstAtOrAfter(0.5), 1u);
    EXPECT_EQ(log.nearest(0.65), 1u);
    EXPECT_EQ(log.nearest(99), 2u);

    // The output-on mark went with the reading that carried it.
    std::vector<TrendMark> kept;
    for (const TrendMarkRecord& mark : log.marks())
        kept.push_back(mark.mark);
    EXPECT_EQ(kept, (std::vector{TrendMark::Trip, TrendMark::OutputOff, TrendMark::Fault}));
}

TEST(TrendLog, DefaultBoundHoldsADayAtFiveReadingsASecondInLittleMemory)
{
    EXPECT_EQ(TrendLog::DefaultCapacity, 432000u);
    EXPECT_LT(TrendLog::DefaultCapacity * sizeof(TrendRecord), 16u * 1024 * 1024);
}

TEST(TrendCsv, WritesHeaderStampsValuesWordsAndFlagsWithADotInAnyLocale)
{
    TrendLog log;
    log.begin(QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7), QTimeZone(3600)), 50.0);
    log.append(50.0, 0, 0, Standby, 0);
    log.append(51.25, 12.345f, 100.5f, OutputOnCv, OverVoltage);
    const QByteArray expected = "time,seconds,voltage_V,current_A,status_word,fault_word,flags\n"
                                "2026-03-04T05:06:07.000+01:00,0.000,0.000,0.000,72,0,INT CTL|STANDBY\n"
                                "2026-03-04T05:06:08.250+01:00,1.250,12.345,100.500,392,1,INT CTL|POWER|Voltage CTL|OVT\n";
    EXPECT_EQ(TrendCsv(log), expected);

    const std::string before = std::setlocale(LC_ALL, nullptr);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::setlocale(LC_ALL, "de_DE.UTF-8"); // where installed; Qt's default locale is German anyway
    const QByteArray german = TrendCsv(log);
    QLocale::setDefault(QLocale::c());
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(german, expected);
}

TEST(TrendSpan, FollowsTheNewestReadingWithinTheChosenWindow)
{
    TrendLog log;
    EXPECT_EQ(FollowSpan(log, 300.0).to, 300.0);
    for (int i = 0; i <= 1000; ++i)
        log.append(i * 0.2, float(i % 7), 1, 0, 0);
    const TrendSpan minute = FollowSpan(log, 60.0);
    EXPECT_DOUBLE_EQ(minute.to, 200.0);
    EXPECT_DOUBLE_EQ(minute.from, 140.0);
    // A log shorter than the window fills it from the left.
    const TrendSpan half = FollowSpan(log, 1800.0);
    EXPECT_DOUBLE_EQ(half.from, 0.0);
    EXPECT_DOUBLE_EQ(half.to, 1800.0);
    const TrendSpan all = FollowSpan(log, std::nullopt);
    EXPECT_DOUBLE_EQ(all.from, 0.0);
    EXPECT_DOUBLE_EQ(all.to, 200.0);

    // Polls without a measurement move the span on over the gap they leave.
    log.passTime(230);
    EXPECT_DOUBLE_EQ(FollowSpan(log, 60.0).to, 230.0);
    EXPECT_DOUBLE_EQ(FollowSpan(log, std::nullopt).to, 230.0);
    TrendLog none;
    none.passTime(50);
    EXPECT_EQ(FollowSpan(none, 60.0).to, 60.0);
}

TEST(TrendSpan, DrawsEveryReadingOfAShortStretchAndThinsALongOneKeepingSpikes)
{
    TrendLog log;
    for (int i = 0; i < 18000; ++i)
        log.append(i * 0.2, i == 9001 ? 14.0f : 5.0f, 1, 0, 0);

    const TrendPoints near = PointsIn(log, {100.1, 100.9}, 2000, Poll * GapInPolls);
    ASSERT_EQ(near.volts.size(), 1u);
    ASSERT_EQ(near.volts[0].size(), 6); // 100.2 .. 100.8 and one on either side
    EXPECT_NEAR(near.volts[0].front().x(), 100.0, 1e-9);
    EXPECT_NEAR(near.volts[0].back().x(), 101.0, 1e-9);

    const TrendPoints hour = PointsIn(log, {0, 3600}, 400, Poll * GapInPolls);
    ASSERT_EQ(hour.volts.size(), 1u);
    const QList<QPointF>& volts = hour.volts[0];
    EXPECT_LE(volts.size(), 400);
    EXPECT_GT(volts.size(), 200);
    double peak = 0;
    for (const QPointF& p : volts)
        peak = std::max(peak, p.y());
    EXPECT_EQ(peak, 14.0);
    EXPECT_TRUE(std::is_sorted(volts.begin(), volts.end(), EarlierPoint));
    EXPECT_EQ(ExtentIn(hour.volts, {0, 3600})->high, 14.0);
    EXPECT_EQ(ExtentIn(hour.volts, {0, 3600})->low, 5.0);
    EXPECT_FALSE(ExtentIn(hour.volts, {4000, 4100}));
}

TEST(TrendSpan, BreaksTheCurvesWhereReadingsAreMissingAlsoWhenThinned)
{
    // A stretch that is lost (2000.0 .. 2010.0 s) and one poll missing at
    // 3000.2 s, which is still joined.
    TrendLog log;
    for (int i = 0; i < 18000; ++i) {
        const double t = i * Poll;
        if ((t > 2000.1 && t < 2009.9) || (t > 3000.1 && t < 3000.3))
            continue;
        log.append(t, 5, 1, 0, 0);
    }
    for (const int maxPoints : {400, 100000}) {
        const TrendPoints points = PointsIn(log, {0, 3600}, maxPoints, Poll * GapInPolls);
        ASSERT_EQ(points.volts.size(), 2u) << maxPoints;
        ASSERT_EQ(points.amps.size(), 2u);
        EXPECT_LE(points.volts[0].back().x(), 2000.0 + 1e-9);
        EXPECT_GE(points.volts[1].front().x(), 2010.0 - 1e-9);
        EXPECT_EQ(points.volts[0].size(), points.amps[0].size());
        EXPECT_LE(points.volts[0].size() + points.volts[1].size(), qsizetype(std::min(maxPoints, 18000)));
    }
    // A lone reading between two gaps is a run of its own.
    TrendLog sparse;
    for (const double t : {0.0, 0.2, 5.0, 9.0, 9.2})
        sparse.append(t, 1, 1, 0, 0);
    const TrendPoints lone = PointsIn(sparse, {0, 10}, 1000, Poll * GapInPolls);
    ASSERT_EQ(lone.volts.size(), 3u);
    EXPECT_EQ(lone.volts[1].size(), 1);
}

TEST(TrendScale, StepsAreOneTwoOrFiveTimesAPowerOfTenAndAxesEndOnTicks)
{
    EXPECT_DOUBLE_EQ(RoundStep(15, 5), 5);
    EXPECT_DOUBLE_EQ(RoundStep(1, 5), 0.2);
    EXPECT_DOUBLE_EQ(RoundStep(0.05, 5), 0.01);
    EXPECT_DOUBLE_EQ(RoundStep(60, 9), 10);
    EXPECT_DOUBLE_EQ(RoundStep(0, 5), 1);
    EXPECT_EQ(DecimalsFor(0.01), 2);
    EXPECT_EQ(DecimalsFor(0.2), 1);
    EXPECT_EQ(DecimalsFor(5), 0);

    const AxisScale wandering = FitScale(4.98, 5.03, 5, 0.01);
    EXPECT_DOUBLE_EQ(wandering.step, 0.02);
    EXPECT_DOUBLE_EQ(wandering.from, 4.96);
    EXPECT_DOUBLE_EQ(wandering.to, 5.04);
    EXPECT_EQ(wandering.decimals, 2);

    // A flat reading is opened around its value; a flat zero stays at or above zero.
    const AxisScale flat = FitScale(5, 5, 5, 0.01);
    EXPECT_LT(flat.from, 5);
    EXPECT_GT(flat.to, 5);
    EXPECT_LE(flat.to - flat.from, 0.02);
    EXPECT_EQ(FitScale(0, 0, 5, 0.01).from, 0);
    EXPECT_LT(FitScale(-2, 3, 5, 0.01).from, -2);

    const AxisScale volts = FullScale(15, 6);
    EXPECT_EQ(volts.from, 0);
    EXPECT_EQ(volts.to, 15);
    EXPECT_EQ(FullScale(100, 8).to, 100);
    EXPECT_EQ(FullScale(16, 6).to, 20);
    EXPECT_EQ(FullScale(0, 6).to, 1);
}
