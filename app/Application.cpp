#include "Application.h"

#include "AutoReconnect.h"
#include "PanelWindow.h"
#include "WindowNames.h"
#include "WindowRegistry.h"
#include "frmAbout.h"
#include "frmComm.h"
#include "link/DeviceLink.h"
#include "protocol/StatusProtocol.h"

namespace dalto {

Application::Application(Clock& clock, Prompts& prompts, Paths paths, LinkBackendsFactory backends)
    : context_(clock, prompts, std::move(paths))
{
    context_.onEndProgram = [this] {
        comm_->tcpTimer->stop();
        emit programEnded();
    };
    link_ = std::make_unique<DeviceLink>(context_, backends(context_));
    comm_ = std::make_unique<frmComm>(*this);
    windows_ = std::make_unique<WindowRegistry>(*this);
    autoReconnect_ = std::make_unique<AutoReconnect>(*this);
}

Application::~Application()
{
    autoReconnect_.reset();
    // Windows go before the link and the transcript they may point at.
    windows_.reset();
    context_.state.Transcript = nullptr;
    comm_.reset();
}

void Application::start()
{
    comm_->Form_Load();
}

PanelWindow* Application::currentPanel() const
{
    return qobject_cast<PanelWindow*>(context_.state.CurrentPanel.data());
}

PanelWindow* Application::showPanel(const QString& name)
{
    if (ended())
        return nullptr;
    PanelWindow* panel = windows_->load(name);
    if (panel)
        panel->show();
    return panel;
}

PanelWindow* Application::switchPanel(PanelWindow& from, const QString& to)
{
    PanelWindow* next = showPanel(to);
    if (!next || next == &from)
        return next;
    from.Switching = true;
    if (PanelWindow* current = currentPanel())
        windows_->unload(current->windowName());
    context_.state.CurrentPanel = next;
    from.Switching = false;
    return next;
}

QString Application::available(const QString& name) const
{
    return windows_->isRegistered(name) ? name : window::frmCommand;
}

QString Application::virtualPanelName() const
{
    return available(window::virtualPanelFor(context_.state.SystemType));
}

bool Application::hasVirtualPanels() const
{
    return windows_->isRegistered(window::virtualPanelFor(context_.state.SystemType));
}

void Application::runSetup(PanelWindow& caller)
{
    if (setupHook_)
        setupHook_(caller);
}

bool Application::reconnect()
{
    if (!link_->reconnect(status::Live))
        return false;
    QueryDeviceInfo(*link_);
    return true;
}

void Application::showAbout(PanelWindow& caller)
{
    frmAbout about(context_, &caller);
    about.sTitle_Frm = caller.aboutTitle();
    about.sTitle = QStringLiteral("Dalto");
    about.Form_Load();
    about.exec();
}

void Application::endProgram()
{
    context_.endProgram();
}

void Application::unloadCommAndEnd()
{
    comm_->Form_Unload();
    endProgram();
}

} // namespace dalto
