#pragma once
// The menu bar every panel carries: File (Exit), View (the panels), Communication
// (Simulate Inst, Setup, Limits, Reconnect) and About. The builder only makes the
// items; each panel family connects its own handlers (ToolPanel for the tool panels).
//
// Items are disabled when they cannot work in this build: the panel's own item,
// items of panels that are not registered, Setup while no setup hook is set.

#include <QString>

class QAction;
class QMainWindow;
class QMenu;

namespace dalto {

class Application;

enum class PanelFamily {
    Tool,    // the Communication menu is named mnuComm
    Virtual, // the Communication menu is named mnuCommunication
};

struct PanelMenuStyle {
    PanelFamily family = PanelFamily::Tool;
    bool accelerators = false;   // "E&xit" (every menu of the bar has its mnemonic)
    bool shortCaptions = false;  // "Command" and "Registers"
    bool withModulation = true;  // frmHB has no Modulation item
    bool withTrend = false;      // the front panels' plot of their readings
};

struct PanelMenu {
    QString ownWindowName; // the panel that carries this menu
    QMenu* mnuFile = nullptr;
    QMenu* mnuView = nullptr;
    QMenu* mnuComm = nullptr; // mnuComm or mnuCommunication by family
    QAction* mnuExit = nullptr;
    QAction* mnuVirtual = nullptr;
    QAction* mnuCommand = nullptr;
    QAction* mnuRegisters = nullptr;
    QAction* mnuCalibration = nullptr;
    QAction* mnuFirmware = nullptr;
    QAction* mnuModulation = nullptr; // null without a Modulation item
    QAction* mnuTrend = nullptr;      // null without a Trend item
    QAction* mnuSimulate = nullptr;
    QAction* mnuSetup = nullptr;
    QAction* mnuLimits = nullptr; // the bench's ceilings on set points
    QAction* mnuReconnect = nullptr; // connected by the panel's link health view
    QAction* mnuAbout = nullptr;

    // The View item that shows the panel of that window name (null for others).
    QAction* viewItemFor(const QString& windowName) const;
};

// Builds the menu bar of window (a panel registered as ownWindowName).
PanelMenu buildPanelMenu(QMainWindow& window, const QString& ownWindowName, const Application& app,
                         const PanelMenuStyle& style = {});

// A tool panel's mnuVirtual follows the supply type: usable while the virtual panel
// that SystemType selects is part of this build.
void applyVirtualRule(const PanelMenu& menu, const Application& app);

// mnuModulation follows the supply type after Setup: usable only for types 2, 3
// and 4 (at start-up only types 0 and 1 switch it off). The Modulation panel's own
// item stays off.
void applyModulationRule(const PanelMenu& menu, const Application& app);

} // namespace dalto
