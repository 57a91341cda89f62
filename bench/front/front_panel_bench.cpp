// The KD and HBX panels polling dalto-sim (of their series) over TCP loopback:
// the CPU one poll tick costs (exchange, decode, lamps, read-outs), the same tick
// without a supply (decode and painting alone), and the program's CPU share while
// the panel's own timer polls every 200 ms for 20 s.
#include "ProgramOnSimulator.h"
#include "panels/front/FrontPanelWindow.h"

#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>

namespace {

using namespace dalto;

double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// dalto-sim of one series ("KD", "HBX") beside this program, and the program
// started against it with that series' panel shown.
class PanelOnSimulator : public testing::ProgramOnSimulator {
public:
    explicit PanelOnSimulator(const QString& model)
        : ProgramOnSimulator({QStringLiteral("--model"), model}, model + QStringLiteral(" Series"),
                             QStringLiteral("Virtual Panel"))
    {
    }
    front::FrontPanelWindow* panel() const { return qobject_cast<front::FrontPanelWindow*>(currentPanel()); }
};

void BM_PollTickAgainstSimulator(benchmark::State& state, const char* model)
{
    PanelOnSimulator rig(QString::fromLatin1(model));
    if (!rig.panel()) {
        state.SkipWithError("the panel did not open against dalto-sim");
        return;
    }
    rig.panel()->tmrInfo->stop();
    for (auto _ : state)
        rig.panel()->tmrInfo_Timer();
    if (rig.app().state().BusCode != 2)
        state.SkipWithError("the link left TCP/IP");
}
BENCHMARK_CAPTURE(BM_PollTickAgainstSimulator, KD, "KD")->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_PollTickAgainstSimulator, HBX, "HBX")->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void BM_PollTickWithoutSupply(benchmark::State& state, const char* model)
{
    PanelOnSimulator rig(QString::fromLatin1(model));
    if (!rig.panel()) {
        state.SkipWithError("the panel did not open against dalto-sim");
        return;
    }
    rig.panel()->tmrInfo->stop();
    rig.panel()->findChild<QPushButton*>(QStringLiteral("cmdStart"))->click();
    rig.panel()->tmrInfo->stop();
    rig.app().state().BusCode = 5;
    for (auto _ : state)
        rig.panel()->tmrInfo_Timer();
}
BENCHMARK_CAPTURE(BM_PollTickWithoutSupply, KD, "KD")->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_PollTickWithoutSupply, HBX, "HBX")->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

void BM_PollingForTwentySeconds(benchmark::State& state, const char* model)
{
    PanelOnSimulator rig(QString::fromLatin1(model));
    if (!rig.panel()) {
        state.SkipWithError("the panel did not open against dalto-sim");
        return;
    }
    int ticks = 0;
    QObject::connect(rig.panel()->tmrInfo, &QTimer::timeout, [&] { ++ticks; });
    double cpu = 0;
    for (auto _ : state) {
        const double before = ProcessCpuSeconds();
        QEventLoop loop;
        QTimer::singleShot(20000, &loop, &QEventLoop::quit);
        loop.exec();
        cpu += ProcessCpuSeconds() - before;
    }
    const double percent = 100.0 * cpu / (20.0 * double(state.iterations()));
    state.counters["cpu_percent_of_core"] = percent;
    state.counters["polls"] = double(ticks) / double(state.iterations());
    std::printf("%s panel polling dalto-sim for 20 s: %d polls, %.3f s CPU = %.2f %% of one core\n", model, ticks,
                cpu, percent);
}
BENCHMARK_CAPTURE(BM_PollingForTwentySeconds, KD, "KD")->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK_CAPTURE(BM_PollingForTwentySeconds, HBX, "HBX")->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
