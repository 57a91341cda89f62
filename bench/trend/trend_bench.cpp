// The trend window's steady cost: after an hour of readings (18,000 at five a
// second), one more reading plus one repaint of the open window, following the
// newest reading in the 1-minute window and in "All". The counter
// cpu_percent_at_5Hz is that cost as a share of one core at five readings a
// second. memory_per_reading is the growth of the heap in use while an hour of
// readings goes into a fresh window, per reading.
#include "app/QtPrompts.h"
#include "core/AppContext.h"
#include "panels/front/StatusReply.h"
#include "panels/front/trend/TrendChartView.h"
#include "panels/front/trend/TrendCurve.h"
#include "panels/front/trend/TrendWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <benchmark/benchmark.h>
#include <malloc.h>

using namespace dalto;
using namespace dalto::front;
using namespace dalto::front::trend;

namespace {

constexpr int HourOfReadings = 3600 * 5;
constexpr double ReadingsPerSecond = 5;

struct Bench {
    SteadyClock clock;
    Paths paths{QDir::tempPath(), QDir::tempPath() + QStringLiteral("/none.ini"), QDir::tempPath()};
    QtPrompts prompts{paths};
    AppContext context{clock, prompts, paths};
};

// A supply in constant voltage whose load wanders: values change every reading.
StatusReading ReadingAt(int index)
{
    StatusReading r;
    r.voltage = 5.0 + 0.001 * (index % 500);
    r.current = 0.5 + 0.01 * ((index * 7) % 300);
    r.statusWord = 0x188;
    return r;
}

void Feed(TrendWindow& window, int first, int count)
{
    for (int i = first; i < first + count; ++i)
        window.addReading(i / ReadingsPerSecond, ReadingAt(i));
}

double HeapBytes()
{
    return double(mallinfo2().uordblks);
}

void BM_OneMoreReadingAndRepaint(benchmark::State& state)
{
    Bench bench;
    TrendWindow window(bench.context, {15, 100}, 1 / ReadingsPerSecond);
    window.cboWindow->setCurrentIndex(int(state.range(0)));
    window.show();
    // An hour fed quickly: held still meanwhile, then following again.
    window.chkPause->setChecked(true);
    Feed(window, 0, HourOfReadings);
    window.chkPause->setChecked(false);
    QApplication::processEvents();

    int next = HourOfReadings;
    for (auto _ : state) {
        Feed(window, next++, 1);
        QApplication::processEvents();
        window.chartView->viewport()->repaint();
    }
    // Seconds per reading x readings per second = share of one core.
    state.counters["cpu_percent_at_5Hz"] =
        benchmark::Counter(1.0 / (ReadingsPerSecond * 100), benchmark::Counter::kIsIterationInvariantRate
                                                                | benchmark::Counter::kInvert);
    state.counters["points_drawn"] = double(window.voltageCurve->pointCount());
}
BENCHMARK(BM_OneMoreReadingAndRepaint)->ArgName("window")->Arg(0)->Arg(3)->Unit(benchmark::kMicrosecond);

void BM_MemoryPerReading(benchmark::State& state)
{
    for (auto _ : state) {
        Bench bench;
        TrendWindow window(bench.context, {15, 100}, 1 / ReadingsPerSecond);
        window.show();
        QApplication::processEvents();
        const double before = HeapBytes();
        window.chkPause->setChecked(true);
        Feed(window, 0, HourOfReadings);
        window.chkPause->setChecked(false);
        QApplication::processEvents();
        state.counters["memory_per_reading"] = (HeapBytes() - before) / HourOfReadings;
        state.counters["record_bytes"] = double(sizeof(TrendRecord));
    }
}
BENCHMARK(BM_MemoryPerReading)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
