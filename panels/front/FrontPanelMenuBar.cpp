// The menu bar of a front panel: the View items switch to another panel with this
// panel's polling stopped first, Setup may replace this panel by the one the new
// supply type needs, Simulate only changes the bus code.
#include "FrontPanelWindow.h"

#include "app/Application.h"
#include "app/WindowNames.h"
#include "app/frmLimits.h"
#include "core/BusCode.h"
#include "link/DeviceLink.h"
#include "protocol/StatusProtocol.h"
#include "trend/TrendWindow.h"

#include <QAction>
#include <QTimer>
#include <dialix/tavKnob.h>

namespace dalto::front {

void FrontPanelWindow::connectPanelMenu()
{
    PanelMenuStyle style;
    style.family = PanelFamily::Virtual;
    style.accelerators = true;
    style.withModulation = windowName() != window::frmHB;
    style.withTrend = true;
    panelMenu = buildPanelMenu(*this, windowName(), app(), style);

    for (const QString& name : {window::frmCommand, window::frmRegisters, window::frmCalibration,
                                window::frmModulation, window::FrmLoader}) {
        if (QAction* item = panelMenu.viewItemFor(name))
            connect(item, &QAction::triggered, this, [this, name] { switchTo(name); });
    }
    connect(panelMenu.mnuSetup, &QAction::triggered, this, &FrontPanelWindow::mnuSetup_Click);
    connect(panelMenu.mnuSimulate, &QAction::triggered, this, &FrontPanelWindow::mnuSimulate_Click);
    connect(panelMenu.mnuLimits, &QAction::triggered, this, [this] {
        if (RunLimitsDialog(app().context(), this))
            fitKnobs();
    });
    connect(panelMenu.mnuTrend, &QAction::triggered, this, &FrontPanelWindow::mnuTrend_Click);
    connect(panelMenu.mnuAbout, &QAction::triggered, this, [this] { app().showAbout(*this); });
    connect(panelMenu.mnuExit, &QAction::triggered, this, [this] { app().endProgram(); });
}

void FrontPanelWindow::switchTo(const QString& name)
{
    tmrInfo->stop();
    // Form_Unload stops tmrFlash before the unload completes.
    app().switchPanel(*this, name);
}

void FrontPanelWindow::mnuSetup_Click()
{
    tmrInfo->stop();
    clock().pump();
    tmrInfo->stop();
    app().runSetup(*this);
    clock().pump();

    const QString chosen = app().available(window::virtualPanelAfterSetup(state().SystemType));
    if (chosen == windowName()) {
        QueryDeviceInfo(link());
        fitKnobs();
        tmrInfo->start();
        return;
    }
    auto* next = qobject_cast<FrontPanelWindow*>(app().showPanel(chosen));
    if (next)
        next->tmrInfo->stop();
    clock().pump();
    app().switchPanel(*this, chosen);
    if (next)
        next->tmrInfo->start();
}

void FrontPanelWindow::mnuTrend_Click()
{
    if (!trend_) {
        const SharedState& s = state();
        trend_ = new trend::TrendWindow(app().context(), {s.Ratings[0], s.Ratings[4]}, PollInterval / 1000.0, this);
        connect(this, &FrontPanelWindow::statusRead, trend_, [this](double seconds, const StatusReading& reading) {
            // What Simulated mode shows was never measured: the trend leaves a gap.
            if (state().BusCode == bus::Simulated)
                trend_->passTime(seconds);
            else
                trend_->addReading(seconds, reading);
        });
    }
    trend_->show();
    trend_->raise();
    trend_->activateWindow();
}

trend::TrendWindow* FrontPanelWindow::trendWindow() const
{
    return trend_.data();
}

void FrontPanelWindow::mnuSimulate_Click()
{
    // The port stays open; the link simply stops using it.
    link().useSimulated(SimulatedByMenu);
}

} // namespace dalto::front
