#pragma once
// The whole program against a dalto-sim that follows a fault plan, over TCP
// loopback or a pseudo-terminal pair (RS-232): the simulator with its traffic
// log, the settings file pointing at it, the application with every panel,
// recorded prompts and "debug.txt" in the test's own folder.

#include "PtyPair.h"
#include "ScriptedPrompts.h"
#include "SimProcess.h"
#include "app/Application.h"
#include "core/Clock.h"

#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace dalto::testing {

enum class Bus { Tcp, Serial };

class FaultySupply {
public:
    FaultySupply(Bus bus, const QString& plan, const QString& startup, const QString& type = "KD Series");

    // Empty when the simulator and, on the serial bus, the line are up.
    QString setupError() const { return error_; }
    Application& app() { return *app_; }
    ScriptedPrompts& prompts() { return prompts_; }
    QByteArray simLog() const;
    QByteArray debugLog() const;
    // Stops socat: the serial line is gone under both ends.
    void cutLine() { pty_.reset(); }
    // Replaces the pseudo-terminal pair and the simulator by new ones (socat
    // restarted), points the settings at the new line and opens it again, as
    // Setup does; false when the new line did not come up.
    bool replaceLine();

private:
    void startSimulator();

    Bus bus_;
    QTemporaryDir dir_;
    QString config_;
    std::optional<PtyPair> pty_;
    std::optional<SimProcess> sim_;
    SteadyClock clock_;
    ScriptedPrompts prompts_;
    std::unique_ptr<Application> app_;
    QString error_;
};

// Resident memory of this process in KiB.
long residentKiB();

} // namespace dalto::testing
