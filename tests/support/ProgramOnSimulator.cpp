#include "ProgramOnSimulator.h"

#include "SimulatorSettings.h"
#include "app/PanelCatalog.h"
#include "app/PanelWindow.h"

namespace dalto::testing {

ProgramOnSimulator::ProgramOnSimulator(const QStringList& simulatorOptions, const QString& type,
                                       const QString& startup)
    : sim_(simulatorOptions)
{
    if (!sim_.isReady()) {
        error_ = sim_.errorText();
        return;
    }
    const QString config = WriteSimulatorSettings(dir_.path(), sim_.host(), sim_.port(), type, startup);
    if (config.isEmpty()) {
        error_ = QStringLiteral("cannot write the settings file in ") + dir_.path();
        return;
    }
    app_ = std::make_unique<Application>(clock_, prompts_, Paths(dir_.path(), config, dir_.path()));
    registerProgramPanels(*app_);
    app_->start();
}

// The program goes before the simulator it talks to.
ProgramOnSimulator::~ProgramOnSimulator() = default;

PanelWindow* ProgramOnSimulator::currentPanel() const
{
    return app_ ? app_->currentPanel() : nullptr;
}

} // namespace dalto::testing
