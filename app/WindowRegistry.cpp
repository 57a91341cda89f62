#include "WindowRegistry.h"

#include "Application.h"
#include "LinkHealthView.h"
#include "PanelWindow.h"

namespace dalto {

WindowRegistry::~WindowRegistry()
{
    for (const QPointer<PanelWindow>& window : std::as_const(loaded_))
        delete window.data();
    for (const QPointer<PanelWindow>& window : std::as_const(going_))
        delete window.data();
}

void WindowRegistry::registerPanel(const QString& name, PanelFactory factory)
{
    factories_.insert(name, std::move(factory));
}

PanelWindow* WindowRegistry::load(const QString& name)
{
    if (PanelWindow* window = loaded(name))
        return window;
    const auto factory = factories_.constFind(name);
    if (factory == factories_.cend())
        return nullptr;
    PanelWindow* window = (*factory)(app_);
    loaded_.insert(name, window);
    // A panel takes the place of the one it replaces.
    if (const PanelWindow* previous = app_.currentPanel(); previous && previous->isVisible())
        window->openInPlaceOf(*previous);
    window->Form_Load();
    new LinkHealthView(app_, *window);
    return window;
}

PanelWindow* WindowRegistry::loaded(const QString& name) const
{
    return loaded_.value(name).data();
}

void WindowRegistry::unload(const QString& name)
{
    QPointer<PanelWindow> window = loaded_.take(name);
    if (!window)
        return;
    window->unload();
    if (window) {
        // Deleted once control is back in the event loop: the unload may have
        // been started by the window's own menu or close box.
        window->hide();
        window->deleteLater();
        going_.removeAll(nullptr);
        going_.append(window);
    }
}

int WindowRegistry::loadedCount() const
{
    int count = 0;
    for (const QPointer<PanelWindow>& window : loaded_)
        count += window ? 1 : 0;
    return count;
}

} // namespace dalto
