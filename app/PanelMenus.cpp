#include "PanelMenus.h"

#include "Application.h"
#include "WindowNames.h"
#include "WindowRegistry.h"

#include <QMainWindow>
#include <QMenuBar>

namespace dalto {

namespace {
QAction* namedItem(QMenu& menu, const QString& name, const QString& caption)
{
    QAction* item = menu.addAction(caption);
    item->setObjectName(name);
    return item;
}

QMenu* namedMenu(QMenuBar& bar, const QString& name, const QString& caption)
{
    QMenu* menu = bar.addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}
} // namespace

QAction* PanelMenu::viewItemFor(const QString& windowName) const
{
    if (windowName == window::frmCommand) return mnuCommand;
    if (windowName == window::frmRegisters) return mnuRegisters;
    if (windowName == window::frmCalibration) return mnuCalibration;
    if (windowName == window::frmModulation) return mnuModulation;
    if (windowName == window::FrmLoader) return mnuFirmware;
    return nullptr;
}

PanelMenu buildPanelMenu(QMainWindow& window, const QString& ownWindowName, const Application& app,
                         const PanelMenuStyle& style)
{
    QMenuBar& bar = *window.menuBar();
    PanelMenu menu;
    menu.ownWindowName = ownWindowName;
    // Every menu of the bar opens from the keyboard (Alt and the underlined letter).
    menu.mnuFile = namedMenu(bar, QStringLiteral("mnuFile"), QStringLiteral("&File"));
    menu.mnuExit = namedItem(*menu.mnuFile, QStringLiteral("mnuExit"), style.accelerators ? QStringLiteral("E&xit") : QStringLiteral("Exit"));

    menu.mnuView = namedMenu(bar, QStringLiteral("mnuView"), QStringLiteral("&View"));
    menu.mnuVirtual = namedItem(*menu.mnuView, QStringLiteral("mnuVirtual"), QStringLiteral("Virtual Control Panel"));
    menu.mnuCommand = namedItem(*menu.mnuView, QStringLiteral("mnuCommand"),
                                style.shortCaptions ? QStringLiteral("Command") : QStringLiteral("Command Panel"));
    menu.mnuRegisters = namedItem(*menu.mnuView, QStringLiteral("mnuRegisters"),
                                  style.shortCaptions ? QStringLiteral("Registers") : QStringLiteral("Register Panel"));
    menu.mnuCalibration = namedItem(*menu.mnuView, QStringLiteral("mnuCalibration"), QStringLiteral("Calibration Panel"));
    menu.mnuFirmware = namedItem(*menu.mnuView, QStringLiteral("mnuFirmware"), QStringLiteral("Firmware Panel"));
    if (style.withModulation)
        menu.mnuModulation = namedItem(*menu.mnuView, QStringLiteral("mnuModulation"), QStringLiteral("Modulation Panel"));
    if (style.withTrend) {
        menu.mnuView->addSeparator();
        menu.mnuTrend = namedItem(*menu.mnuView, QStringLiteral("mnuTrend"), QStringLiteral("Trend"));
    }

    menu.mnuComm = namedMenu(bar,
                             style.family == PanelFamily::Tool ? QStringLiteral("mnuComm") : QStringLiteral("mnuCommunication"),
                             QStringLiteral("&Communication"));
    menu.mnuSimulate = namedItem(*menu.mnuComm, QStringLiteral("mnuSimulate"), QStringLiteral("Simulate Inst"));
    // Checked while the link is in Simulated mode.
    menu.mnuSimulate->setCheckable(true);
    menu.mnuSetup = namedItem(*menu.mnuComm, QStringLiteral("mnuSetup"), QStringLiteral("Setup"));
    menu.mnuLimits = namedItem(*menu.mnuComm, QStringLiteral("mnuLimits"), QStringLiteral("Limits"));
    menu.mnuReconnect = namedItem(*menu.mnuComm, QStringLiteral("mnuReconnect"), QStringLiteral("Reconnect"));

    menu.mnuAbout = bar.addAction(QStringLiteral("&About"));
    menu.mnuAbout->setObjectName(QStringLiteral("mnuAbout"));

    for (const QString& name : {window::frmCommand, window::frmRegisters, window::frmCalibration,
                                window::frmModulation, window::FrmLoader}) {
        if (QAction* item = menu.viewItemFor(name))
            item->setEnabled(name != ownWindowName && app.windows().isRegistered(name));
    }
    // The HB series has no modulation.
    if (const int type = app.state().SystemType; menu.mnuModulation && (type == 0 || type == 1))
        menu.mnuModulation->setEnabled(false);
    if (style.family == PanelFamily::Tool)
        applyVirtualRule(menu, app);
    else
        menu.mnuVirtual->setEnabled(false);
    menu.mnuSetup->setEnabled(app.hasSetupHook());
    return menu;
}

void applyVirtualRule(const PanelMenu& menu, const Application& app)
{
    menu.mnuVirtual->setEnabled(app.hasVirtualPanels());
}

void applyModulationRule(const PanelMenu& menu, const Application& app)
{
    if (!menu.mnuModulation || menu.ownWindowName == window::frmModulation)
        return;
    const int type = app.state().SystemType;
    menu.mnuModulation->setEnabled(type >= 2 && type <= 4
                                   && app.windows().isRegistered(window::frmModulation));
}

} // namespace dalto
