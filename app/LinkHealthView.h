#pragma once
// What a panel shows of the link's health: the Simulated-mode banner across the
// window, the check mark of Communication > Simulate Inst, the Reconnect item and
// button, and the panel's measured read-outs dimmed and tagged "SIM" while no
// supply is connected. The window registry gives every panel one when it loads.

#include "link/LinkHealth.h"

#include <QObject>
#include <QPointer>
#include <vector>

class QAction;
class QLabel;
class QToolBar;
class QWidget;

namespace dalto {

class Application;
class PanelWindow;
class SimulatedBanner;

class LinkHealthView final : public QObject {
    Q_OBJECT
public:
    LinkHealthView(Application& app, PanelWindow& panel);

    SimulatedBanner* banner() const { return banner_; }

private:
    void show(const LinkHealth& health);
    void markReadOuts(bool simulated);
    // Shows or hides the bar; a window the bar made taller gets its height back.
    void showBar(bool shown);

    Application& app_;
    PanelWindow& panel_;
    QToolBar* bar_;
    SimulatedBanner* banner_;
    QPointer<QAction> simulate_;
    QPointer<QAction> reconnect_;
    bool barShown_ = false;
    // The window's height before the bar was shown.
    int heightWithoutBar_ = 0;
    // The "SIM" tag inside each measured read-out, made on first use.
    std::vector<QPointer<QLabel>> tags_;
};

} // namespace dalto
