// Appending echoed exchanges to the transcript control: the cost per exchange
// must not grow with the length of the transcript (linear in total).

#include "app/TranscriptBox.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// showEach: events run after every exchange, as when each reply is awaited on
// TCP/IP, so the view is updated once per exchange instead of once per burst.
void appendExchanges(benchmark::State& state, bool showEach)
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
            if (showEach)
                QApplication::processEvents();
        }
        QApplication::processEvents(); // the repaint that follows
        benchmark::DoNotOptimize(box.transcriptText().size());
    }
    state.SetComplexityN(exchanges);
    state.counters["us_per_exchange"] = benchmark::Counter(
        static_cast<double>(exchanges), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
void AppendExchanges(benchmark::State& state) { appendExchanges(state, false); }
void AppendExchangesShowingEach(benchmark::State& state) { appendExchanges(state, true); }
BENCHMARK(AppendExchanges)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(3)->Complexity(benchmark::oN);
BENCHMARK(AppendExchangesShowingEach)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(3)->Complexity(benchmark::oN);

} // namespace
