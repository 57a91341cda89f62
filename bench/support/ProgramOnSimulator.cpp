#include "ProgramOnSimulator.h"

#include "SimulatorSettings.h"
#include "app/PanelCatalog.h"
#include "app/PanelWindow.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace dalto::bench {

PromptAnswer UnattendedPrompts::message(const QString&, const QString&, PromptButtons buttons, PromptIcon)
{
    return buttons == PromptButtons::YesNo || buttons == PromptButtons::YesNoCancel ? PromptAnswer::Yes
                                                                                      : PromptAnswer::Ok;
}

ProgramOnSimulator::ProgramOnSimulator(const QStringList& simulatorOptions, const QString& type,
                                       const QString& startup)
{
    sim_.start(QCoreApplication::applicationDirPath() + QStringLiteral("/dalto-sim"),
               QStringList{QStringLiteral("--tcp"), QStringLiteral("127.0.0.1:0")} + simulatorOptions);
    if (!sim_.waitForReadyRead(10000))
        return;
    const auto match =
        QRegularExpression(QStringLiteral("tcp [^ ,]+:(\\d+)")).match(QString::fromLocal8Bit(sim_.readLine()));
    if (!match.hasMatch())
        return;
    const QString config = testing::WriteSimulatorSettings(dir_.path(), QStringLiteral("127.0.0.1"),
                                                           match.captured(1).toInt(), type, startup);
    if (config.isEmpty())
        return;
    app_ = std::make_unique<Application>(clock_, prompts_, Paths(dir_.path(), config, dir_.path()));
    registerProgramPanels(*app_);
    app_->start();
}

ProgramOnSimulator::~ProgramOnSimulator()
{
    app_.reset();
    sim_.terminate();
    sim_.waitForFinished(3000);
}

QWidget* ProgramOnSimulator::currentPanel() const
{
    return app_ ? app_->currentPanel() : nullptr;
}

} // namespace dalto::bench
