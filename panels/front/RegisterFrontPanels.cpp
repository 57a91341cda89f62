#include "RegisterFrontPanels.h"

#include "frmHB.h"
#include "frmHBX.h"
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
    windows.registerPanel(window::frmHBX, [](Application& a) { return new frmHBX(a); });
}

} // namespace dalto::front
