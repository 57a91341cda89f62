#pragma once
// dalto-sim started beside a benchmark program on a free loopback port, and the
// program started against it over TCP/IP with the wanted supply type and start-up
// panel. Nobody answers its boxes: every question gets its first button.

#include "app/Application.h"
#include "core/Clock.h"
#include "core/Prompts.h"
#include "support/SimProcess.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace dalto::bench {

class UnattendedPrompts final : public Prompts {
public:
    PromptAnswer message(const QString&, const QString&, PromptButtons buttons, PromptIcon) override;
    QString pickFile(const FilePickRequest&) override { return {}; }
    QString inputValue(const QString&, const QString&) override { return {}; }
};

class ProgramOnSimulator {
public:
    ProgramOnSimulator(const QStringList& simulatorOptions, const QString& type, const QString& startup);
    ~ProgramOnSimulator();
    ProgramOnSimulator(const ProgramOnSimulator&) = delete;
    ProgramOnSimulator& operator=(const ProgramOnSimulator&) = delete;

    // The panel shown after start-up; null when the simulator or the program did
    // not start.
    QWidget* currentPanel() const;
    Application& app() { return *app_; }

private:
    testing::SimProcess sim_;
    QTemporaryDir dir_;
    SteadyClock clock_;
    UnattendedPrompts prompts_;
    std::unique_ptr<Application> app_;
};

} // namespace dalto::bench
