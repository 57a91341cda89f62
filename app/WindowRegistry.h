#pragma once
// One default instance per panel window class, keyed by window name (see
// WindowNames.h). A panel is created by its registered factory on first use, its
// Form_Load runs once, and after it was unloaded the next use creates a fresh one.
//
// Registering a panel from outside app/ (done once, before Application::start):
//
//     app.windows().registerPanel(window::frmKD,
//         [](Application& app) { return new frmKD(app); });
//
// The program's own set of panels is registered by registerProgramPanels()
// (PanelCatalog.h).

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <functional>

namespace dalto {

class Application;
class PanelWindow;

using PanelFactory = std::function<PanelWindow*(Application&)>;

class WindowRegistry {
public:
    explicit WindowRegistry(Application& app) : app_(app) {}
    // Windows still loaded go without their unload handlers, as when the program
    // is ended at once.
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    void registerPanel(const QString& name, PanelFactory factory);
    bool isRegistered(const QString& name) const { return factories_.contains(name); }

    // The default instance: created (and its Form_Load run) when not loaded.
    // Null when no factory is registered under name.
    PanelWindow* load(const QString& name);
    // The loaded instance or null; never creates one.
    PanelWindow* loaded(const QString& name) const;
    // Runs the panel's unload handler and the closing rule (PanelWindow::unload),
    // then forgets and deletes the instance. Nothing when it is not loaded.
    void unload(const QString& name);
    int loadedCount() const;

private:
    Application& app_;
    QHash<QString, PanelFactory> factories_;
    QHash<QString, QPointer<PanelWindow>> loaded_;
    // Unloaded windows whose deletion is still pending.
    QList<QPointer<PanelWindow>> going_;
};

} // namespace dalto
