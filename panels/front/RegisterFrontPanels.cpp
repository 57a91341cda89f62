#include "RegisterFrontPanels.h"

#include "frmHB.h"
#include "app/Application.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"

namespace dalto::front {

void registerFrontPanels(Application& app)
{
    WindowRegistry& windows = app.windows();
    windows.registerPanel(window::frmKD, [](Application& a) { return new frmKD(a, PanelSeries::KD); });
    windows.registerPanel(window::frmMW, [](Application& a) { return new frmKD(a, PanelSeries::MW); });
    windows.registerPanel(window::frmHB, [](Application& a) { return new frmHB(a); });
}

} // namespace dalto::front
