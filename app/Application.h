#pragma once
// The application object: owns the shared record and services (AppContext), the
// device link, the hidden start-up window frmComm and the window registry, and
// runs the panel-switch procedure. Every window gets it by reference; a test
// builds one with a fake clock, scripted prompts and a scripted device.
//
//     Application app(clock, prompts, paths, [&](AppContext&) { return device.backends(); });
//     registerProgramPanels(app);   // or only the panels a test needs
//     app.start();                  // frmComm's Form_Load
//
// Hooks for parts built elsewhere:
//   - panels: WindowRegistry::registerPanel (see WindowRegistry.h);
//   - the Setup menu item: setSetupHook — the item is disabled until one is set.

#include "core/AppContext.h"
#include "link/LinkBackends.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace dalto {

class AutoReconnect;
class DeviceLink;
class PanelWindow;
class WindowRegistry;
class frmComm;

using LinkBackendsFactory = std::function<std::unique_ptr<LinkBackends>(AppContext&)>;

class Application final : public QObject {
    Q_OBJECT
public:
    Application(Clock& clock, Prompts& prompts, Paths paths,
                LinkBackendsFactory backends = realLinkBackends);
    ~Application() override;

    AppContext& context() { return context_; }
    SharedState& state() { return context_.state; }
    const SharedState& state() const { return context_.state; }
    DeviceLink& link() { return *link_; }
    WindowRegistry& windows() { return *windows_; }
    const WindowRegistry& windows() const { return *windows_; }
    frmComm& comm() { return *comm_; }
    const AutoReconnect& autoReconnect() const { return *autoReconnect_; }

    // frmComm's Form_Load: the start-up sequence, ending with one panel shown.
    void start();

    // The panel now shown (SharedState::CurrentPanel).
    PanelWindow* currentPanel() const;
    // Shows the panel modeless, loading it first when needed; null when no panel
    // of that name is registered or the program has ended.
    PanelWindow* showPanel(const QString& name);
    // Replaces from (the current panel) by the panel named to: show it, mark from
    // as Switching, unload it, make the new one current. Returns the new panel,
    // or null (and nothing changes) when to is not registered.
    PanelWindow* switchPanel(PanelWindow& from, const QString& to);
    // name when a panel of that name is registered, else the Command panel, which
    // every build has.
    QString available(const QString& name) const;
    // The virtual panel chosen by SystemType, or the Command panel while no
    // virtual panel is registered.
    QString virtualPanelName() const;
    bool hasVirtualPanels() const;

    // The Setup menu item runs this with the panel it was chosen on (the modal
    // setup dialog and whatever it changes); the caller does the refresh after it.
    using SetupHook = std::function<void(PanelWindow& caller)>;
    void setSetupHook(SetupHook hook) { setupHook_ = std::move(hook); }
    bool hasSetupHook() const { return static_cast<bool>(setupHook_); }
    void runSetup(PanelWindow& caller);

    // Opens the configured connection again (Communication > Reconnect, the
    // banner's button, the automatic tries); once the supply answers, its ratings
    // and settings are read afresh. False when it did not answer.
    bool reconnect();

    // The About box, modal, with the caller's title.
    void showAbout(PanelWindow& caller);

    // Ends the program at once: no unload handlers run, no closing command is sent.
    // Emits programEnded, which the program's main turns into the exit.
    void endProgram();
    bool ended() const { return context_.programEnding; }
    // What a panel closed by its window frame does after its own unload handler:
    // unload frmComm, then end the program.
    void unloadCommAndEnd();

signals:
    void programEnded();

private:
    AppContext context_;
    std::unique_ptr<DeviceLink> link_;
    std::unique_ptr<frmComm> comm_;
    std::unique_ptr<WindowRegistry> windows_;
    std::unique_ptr<AutoReconnect> autoReconnect_;
    SetupHook setupHook_;
};

} // namespace dalto
