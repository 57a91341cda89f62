#include "ProgramOnSimulator.h"

#include "SimulatorSettings.h"
#include "app/PanelCatalog.h"
#include "app/PanelWindow.h"

namespace dalto::bench {

PromptAnswer UnattendedPrompts::message(const QString&, const QString&, PromptButtons buttons, PromptIcon)
{
    return buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoCancel ? PromptAnswer::Yes
                                                                                      : PromptAnswer::Ok;
}

ProgramOnSimulator::ProgramOnSimulator(const QStringList& simulatorOptions, const QString& type,
                                       const QString& startup)
    : sim_(simulatorOptions)
{
    if (!sim_.isReady())
        return;
    const QString config = testing::WriteSimulatorSettings(dir_.path(), sim_.host(), sim_.port(), type, startup);
    if (config.isEmpty())
        return;
    app_ = std::make_unique<Application>(clock_, prompts_, Paths(dir_.path(), config, dir_.path()));
    registerProgramPanels(*app_);
    app_->start();
}

// The program goes before the simulator it talks to.
ProgramOnSimulator::~ProgramOnSimulator() = default;

QWidget* ProgramOnSimulator::currentPanel() const
{
    return app_ ? app_->currentPanel() : nullptr;
}

} // namespace dalto::bench
