#include "ToolPanels.h"

#include "app/Application.h"
#include "app/WindowNames.h"
#include "app/WindowRegistry.h"
#include "FrmLoader.h"
#include "frmCalibration.h"
#include "frmCommand.h"
#include "frmModulation.h"
#include "frmRegisters.h"

namespace dalto {

void registerToolPanels(Application& app)
{
    app.windows().registerPanel(window::frmCommand, [](Application& a) { return new frmCommand(a); });
    app.windows().registerPanel(window::frmRegisters, [](Application& a) { return new frmRegisters(a); });
    app.windows().registerPanel(window::frmCalibration, [](Application& a) { return new frmCalibration(a); });
    app.windows().registerPanel(window::frmModulation, [](Application& a) { return new frmModulation(a); });
    app.windows().registerPanel(window::FrmLoader, [](Application& a) { return new FrmLoader(a); });
}

} // namespace dalto
