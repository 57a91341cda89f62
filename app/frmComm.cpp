#include "frmComm.h"

#include "Application.h"
#include "PanelWindow.h"
#include "TranscriptBox.h"
#include "WindowNames.h"
#include "core/Configuration.h"
#include "link/DeviceLink.h"
#include "protocol/CommandVocabulary.h"
#include "protocol/StatusProtocol.h"

#include <QFile>
#include <cstdio>

namespace dalto {

namespace {
constexpr int KeepAliveIntervalMs = 2000;
}

frmComm::frmComm(Application& app)
    : rtbTranx(new TranscriptBox(this))
    , tcpTimer(new QTimer(this))
    , app_(app)
{
    setObjectName(QStringLiteral("frmComm"));
    tcpTimer->setObjectName(QStringLiteral("tcpTimer"));
    tcpTimer->setInterval(KeepAliveIntervalMs);
    connect(tcpTimer, &QTimer::timeout, this, [this] { app_.link().KeepAlive(); });
}

void frmComm::Form_Load()
{
    SharedState& state = app_.state();
    const QString config = app_.context().paths.configFile();
    if (const QString problem = SettingsFileProblem(config); !problem.isEmpty())
        std::fprintf(stderr, "dalto-panel: %s\n", qPrintable(problem));
    // Emptied before the link opens, so that the record keeps why this start-up
    // could not reach the supply.
    emptyDebugLog();
    LoadSettings(state, app_.context().prompts, config);
    state.GpibEosText = QStringLiteral("10");
    BuildCommandLists(state);
    state.LinkControl = LinkControlKind::Serial;
    state.Transcript = rtbTranx;
    tcpTimer->start();
    app_.link().InitComm();
    hide();
    QueryDeviceInfo(app_.link());
    // "No" on a GPIB time-out prompt has ended the program: nothing further runs.
    if (app_.ended())
        return;
    if (PanelWindow* panel = app_.showPanel(app_.available(
            window::startupPanelFor(state.StartupPanel, state.SystemType))))
        state.CurrentPanel = panel;
    app_.context().clock.pump();
}

void frmComm::Form_Unload()
{
    tcpTimer->stop();
}

void frmComm::emptyDebugLog()
{
    QFile log(app_.context().paths.debugLogFile());
    if (log.open(QIODevice::WriteOnly | QIODevice::Truncate))
        log.close();
}

} // namespace dalto
