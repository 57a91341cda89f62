#pragma once
// dalto-sim started on a free loopback port and the program started against it
// over TCP/IP with the wanted supply type and start-up panel, on the real clock.
// Its boxes go to ScriptedPrompts: with nothing scripted, a question gets its
// first button. Shared by the end-to-end tests and the benchmarks, so no gtest.
//
//   ProgramOnSimulator program({"--load-ohms", "10"});
//   ASSERT_TRUE(program.isStarted()) << program.errorText().toStdString();
//   auto* panel = qobject_cast<frmKD*>(program.currentPanel());

#include "ScriptedPrompts.h"
#include "SimProcess.h"
#include "app/Application.h"
#include "core/Clock.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace dalto::testing {

class ProgramOnSimulator {
public:
    explicit ProgramOnSimulator(const QStringList& simulatorOptions = {},
                                const QString& type = QStringLiteral("KD Series"),
                                const QString& startup = QStringLiteral("Virtual Panel"));
    ~ProgramOnSimulator();
    ProgramOnSimulator(const ProgramOnSimulator&) = delete;
    ProgramOnSimulator& operator=(const ProgramOnSimulator&) = delete;

    // Whether the simulator ran and the program was started; if not, errorText says why.
    bool isStarted() const { return app_ != nullptr; }
    QString errorText() const { return error_; }
    // The panel shown after start-up; null when the program was not started.
    PanelWindow* currentPanel() const;

    Application& app() { return *app_; }
    SteadyClock& clock() { return clock_; }
    ScriptedPrompts& prompts() { return prompts_; }
    // The simulator the program talks to; a test may stop it under the program.
    SimProcess& sim() { return sim_; }

private:
    SimProcess sim_;
    QTemporaryDir dir_;
    SteadyClock clock_;
    ScriptedPrompts prompts_;
    QString error_;
    std::unique_ptr<Application> app_;
};

} // namespace dalto::testing
