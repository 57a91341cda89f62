// Appending echoed exchanges to the transcript control: the cost per exchange
// must not grow with the length of the transcript (linear in total).

#include "app/TranscriptBox.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void AppendExchanges(benchmark::State& state)
{
    const int exchanges = static_cast<int>(state.range(0));
    const QString command = QStringLiteral("MEASure:VOLTage:DC?\n");
    const QString reply = QStringLiteral("12.345\r\n");
    for (auto _ : state) {
        state.PauseTiming();
        dalto::TranscriptBox box;
        box.resize(600, 300);
        box.show();
        box.setTranscriptText(QStringLiteral("TCP/IP - Initialized\r\n"));
        state.ResumeTiming();
        for (int i = 0; i < exchanges; ++i) {
            box.appendTranscript(command);
            box.appendTranscript(reply);
        }
        QApplication::processEvents(); // the repaint that follows
        benchmark::DoNotOptimize(box.transcriptText().size());
    }
    state.SetComplexityN(exchanges);
    state.counters["us_per_exchange"] = benchmark::Counter(
        static_cast<double>(exchanges), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(AppendExchanges)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(3)->Complexity(benchmark::oN);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
