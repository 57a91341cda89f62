// The KD and HBX panels polling dalto-sim (of their series) over TCP loopback:
// the CPU one poll tick costs (exchange, decode, lamps, read-outs), the same tick
// without a supply (decode and painting alone), and the program's CPU share while
// the panel's own timer polls every 200 ms for 20 s.
#include "app/Application.h"
#include "app/PanelCatalog.h"
#include "panels/front/FrontPanelWindow.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <memory>

namespace {

using namespace dalto;

// Nobody is there to answer: every question gets its first button.
class UnattendedPrompts final : public Prompts {
public:
    PromptAnswer message(const QString&, const QString&, PromptButtons buttons, PromptIcon) override
    {
        return buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoCancel ? PromptAnswer::Yes
                                                                                          : PromptAnswer::Ok;
    }
    QString pickFile(const FilePickRequest&) override { return {}; }
    QString inputValue(const QString&, const QString&) override { return {}; }
};

double ProcessCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// dalto-sim of one series ("KD", "HBX") beside this program, and the program
// started against it with that series' panel shown.
class PanelOnSimulator {
public:
    explicit PanelOnSimulator(const QString& model)
    {
        sim_.start(QCoreApplication::applicationDirPath() + QStringLiteral("/dalto-sim"),
                   {QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--model"), model});
        if (!sim_.waitForReadyRead(10000))
            return;
        const auto match = QRegularExpression(QStringLiteral("tcp [^ ,]+:(\\d+)"))
                               .match(QString::fromLocal8Bit(sim_.readLine()));
        if (!match.hasMatch())
            return;
        QFile shipped(QStringLiteral(DALTO_SOURCE_DIR "/resources/Dalto_Panel.ini"));
        QFile config(dir_.filePath(QStringLiteral("Dalto_Panel.ini")));
        if (!shipped.open(QIODevice::ReadOnly) || !config.open(QIODevice::WriteOnly))
            return;
        config.write(QString::fromUtf8(shipped.readAll())
                         .replace(QStringLiteral("Comm=Simulated\nAddress=\nPort="),
                                  QStringLiteral("Comm=TCP/IP\nAddress=127.0.0.1\nPort=") + match.captured(1))
                         .replace(QStringLiteral("Type=KD Series"), QStringLiteral("Type=%1 Series").arg(model))
                         .toUtf8());
        config.close();
        app_ = std::make_unique<Application>(clock_, prompts_, Paths(dir_.path(), config.fileName(), dir_.path()));
        registerProgramPanels(*app_);
        app_->start();
        panel_ = qobject_cast<front::FrontPanelWindow*>(app_->currentPanel());
    }
    ~PanelOnSimulator()
    {
        app_.reset();
        sim_.terminate();
        sim_.waitForFinished(3000);
    }

    front::FrontPanelWindow* panel() const { return panel_; }
    Application& app() { return *app_; }

private:
    QTemporaryDir dir_;
    QProcess sim_;
    SteadyClock clock_;
    UnattendedPrompts prompts_;
    std::unique_ptr<Application> app_;
    front::FrontPanelWindow* panel_ = nullptr;
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
