// Get All Data on the Modulation panel against dalto-sim over TCP loopback: the
// time for the selection read and the 50 row reads, and how long the event loop
// went without a turn meanwhile (a timer asks for one every 5 ms).
#include "ProgramOnSimulator.h"
#include "panels/tools/frmModulation.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using namespace dalto;

// dalto-sim and the program started on the Modulation panel against it.
class ModulationOnSimulator : public testing::ProgramOnSimulator {
public:
    ModulationOnSimulator() : ProgramOnSimulator({}, QStringLiteral("KD Series"), QStringLiteral("Modulation Panel")) {}
    frmModulation* panel() const { return qobject_cast<frmModulation*>(currentPanel()); }
};

void BM_GetAllDataAgainstSimulator(benchmark::State& state)
{
    ModulationOnSimulator rig;
    frmModulation* panel = rig.panel();
    if (!panel) {
        state.SkipWithError("the Modulation panel did not open against dalto-sim");
        return;
    }
    panel->txtData1.at(35)->setText(QStringLiteral("1"));
    panel->txtData2.at(35)->setText(QStringLiteral("0"));
    panel->cmdSetSCPI.at(35)->click();

    QTimer heartbeat;
    heartbeat.setInterval(5);
    QElapsedTimer sinceTurn;
    qint64 longestGapMs = 0;
    QObject::connect(&heartbeat, &QTimer::timeout, [&] {
        longestGapMs = std::max(longestGapMs, sinceTurn.restart());
    });
    for (auto _ : state) {
        sinceTurn.start();
        heartbeat.start();
        panel->cmdPopulate->click();
        longestGapMs = std::max(longestGapMs, sinceTurn.elapsed());
        heartbeat.stop();
    }
    if (panel->lvModTable->topLevelItemCount() != 50)
        state.SkipWithError("the list did not get 50 rows");
    state.counters["exchanges"] = 51;
    state.counters["longest_event_gap_ms"] = double(longestGapMs);
}
BENCHMARK(BM_GetAllDataAgainstSimulator)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

} // namespace
