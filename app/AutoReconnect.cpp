#include "AutoReconnect.h"

#include "Application.h"
#include "core/Configuration.h"
#include "link/DeviceLink.h"

namespace dalto {

AutoReconnect::AutoReconnect(Application& app) : app_(app)
{
    timer_.setInterval(IntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { app_.reconnect(); });
    connect(&app.link(), &DeviceLink::healthChanged, this, &AutoReconnect::follow);
}

void AutoReconnect::follow(const LinkHealth& health)
{
    const bool lost = health.simulated && !health.chosen && app_.link().endpoint();
    if (!lost || app_.ended() || !AutoReconnectEnabled(app_.context().paths.configFile())) {
        timer_.stop();
        return;
    }
    // A new reason during the tries (refused, then no answer) keeps the pace.
    if (!timer_.isActive())
        timer_.start();
}

} // namespace dalto
