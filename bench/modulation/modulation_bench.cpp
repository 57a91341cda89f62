// Get All Data on the Modulation panel against dalto-sim over TCP loopback: the
// time for the selection read and the 50 row reads, and how long the event loop
// went without a turn meanwhile (a timer asks for one every 5 ms).
#include "app/Application.h"
#include "app/PanelCatalog.h"
#include "core/Clock.h"
#include "panels/tools/frmModulation.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>

namespace {

using namespace dalto;

// Nobody is there to answer: every question gets its first button.
class UnattendedPrompts final : public Prompts {
public:
    PromptAnswer message(const QString&, const QString&, PromptButtons, PromptIcon) override
    {
        return PromptAnswer::Ok;
    }
    QString pickFile(const FilePickRequest&) override { return {}; }
    QString inputValue(const QString&, const QString&) override { return {}; }
};

// dalto-sim and the program started on the Modulation panel against it.
class ModulationOnSimulator {
public:
    ModulationOnSimulator()
    {
        sim_.start(QCoreApplication::applicationDirPath() + QStringLiteral("/dalto-sim"),
                   {QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:0")});
        if (!sim_.waitForReadyRead(10000))
            return;
        const auto port = QRegularExpression(QStringLiteral("tcp [^ ,]+:(\\d+)"))
                              .match(QString::fromLocal8Bit(sim_.readLine()))
                              .captured(1);
        QFile shipped(QStringLiteral(DALTO_SOURCE_DIR "/resources/Dalto_Panel.ini"));
        QFile config(dir_.filePath(QStringLiteral("Dalto_Panel.ini")));
        if (port.isEmpty() || !shipped.open(QIODevice::ReadOnly) || !config.open(QIODevice::WriteOnly))
            return;
        config.write(QString::fromUtf8(shipped.readAll())
                         .replace(QStringLiteral("Start-Up=Virtual Panel"), QStringLiteral("Start-Up=Modulation Panel"))
                         .replace(QStringLiteral("Comm=Simulated\nAddress=\nPort="),
                                  QStringLiteral("Comm=TCP/IP\nAddress=127.0.0.1\nPort=") + port)
                         .toUtf8());
        config.close();
        app_ = std::make_unique<Application>(clock_, prompts_, Paths(dir_.path(), config.fileName(), dir_.path()));
        registerProgramPanels(*app_);
        app_->start();
        panel_ = qobject_cast<frmModulation*>(app_->currentPanel());
    }
    ~ModulationOnSimulator()
    {
        app_.reset();
        sim_.terminate();
        sim_.waitForFinished(3000);
    }
    frmModulation* panel() const { return panel_; }

private:
    QTemporaryDir dir_;
    QProcess sim_;
    SteadyClock clock_;
    UnattendedPrompts prompts_;
    std::unique_ptr<Application> app_;
    frmModulation* panel_ = nullptr;
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
