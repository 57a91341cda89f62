#include "Session.h"

#include "ConsoleOutput.h"
#include "ExitCodes.h"
#include "core/BusCode.h"
#include "core/Configuration.h"
#include "link/LinkBackends.h"
#include "protocol/CommandVocabulary.h"
#include "protocol/SetPointCommands.h"
#include "protocol/StatusProtocol.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace dalto::ctl {

namespace {

// Link faults are recorded in debug.txt of the working folder; a command-line
// tool keeps that record out of the folder the user happens to be in.
QString faultRecordFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/daltoctl");
    QDir().mkpath(folder);
    return folder;
}

Paths sessionPaths(const ConnectionOptions& options)
{
    const Paths resolved = Paths::resolve(QCoreApplication::applicationDirPath(), QString(),
                                          QString::fromStdString(options.config));
    return Paths(resolved.programFolder(), resolved.configFile(), faultRecordFolder());
}

int usageError(const QString& text)
{
    PrintError(text);
    return exitcode::UsageError;
}

std::optional<int32_t> portNumber(const std::string& text)
{
    bool ok = false;
    const int value = QString::fromStdString(text).toInt(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

} // namespace

Session::Session(const ConnectionOptions& options)
    : options_(options)
    , context_(clock_, prompts_, sessionPaths(options))
    , timeout_(int16_t(std::clamp(options.timeoutSeconds, 1, 3600)))
{
    // Ending the program means: transfer nothing more; main turns it into exit code 1.
    context_.onEndProgram = [] {};
    link_ = std::make_unique<DeviceLink>(context_, realLinkBackends(context_));
    // Whatever the command was doing, the cause of a lost supply is said once.
    QObject::connect(link_.get(), &DeviceLink::healthChanged, [this](const LinkHealth& health) {
        if (health.simulated && !health.chosen && !lossReported_) {
            lossReported_ = true;
            PrintError(QStringLiteral("the supply is not connected: ") + health.reason);
        }
    });
}

Session::~Session() = default;

int Session::configure()
{
    SharedState& state = context_.state;
    const QString config = context_.paths.configFile();
    const QString problem = QFileInfo::exists(config) ? SettingsFileProblem(config) : QString();
    if (QFileInfo::exists(config) && problem.isEmpty()) {
        LoadSettings(state, prompts_, config);
    } else if (!options_.config.empty() && !QFileInfo::exists(config)) {
        return usageError(SettingsFileProblem(config));
    } else if (!problem.isEmpty()) {
        // Nothing in it can be used: the command line must name the connection.
        if (!options_.bus)
            return usageError(problem + QStringLiteral(" Give --bus."));
        PrintError(problem);
    } else if (!options_.bus) {
        return usageError(QStringLiteral("no settings file at %1: name one with --config or give --bus").arg(config));
    }
    state.GpibEosText = QStringLiteral("10");
    BuildCommandLists(state);

    if (options_.bus)
        state.BusCode = BusCodeOfName(*options_.bus).value_or(bus::None);
    if (options_.address)
        state.DeviceAddress = QString::fromStdString(*options_.address);
    if (options_.port) {
        const auto port = portNumber(*options_.port);
        if (!port)
            return usageError(QStringLiteral("--port wants a number, got: ") + QString::fromStdString(*options_.port));
        state.DevicePort = *port;
    }
    if (state.BusCode < bus::Gpib || state.BusCode > bus::Simulated)
        return usageError(QStringLiteral("the settings file %1 names no bus: give --bus").arg(config));
    chosenBus_ = state.BusCode;
    return exitcode::Success;
}

int Session::open()
{
    if (const int code = configure(); code != exitcode::Success)
        return code;
    if (const int code = checkSimulatedChoice(); code != exitcode::Success)
        return code;
    return connect();
}

int Session::connect()
{
    if (!link_->InitComm() || failed()) {
        PrintError(QStringLiteral("cannot open the connection to the device (the reason is recorded in %1)")
                       .arg(context_.paths.debugLogFile()));
        return exitcode::DeviceError;
    }
    return exitcode::Success;
}

// Simulated mode answers every query with made-up values. A script gets them
// only when its command line asks for them: the shipped settings select
// Simulated mode, and a run on them must not pass for a measurement.
int Session::checkSimulatedChoice() const
{
    if (chosenBus_ != bus::Simulated)
        return exitcode::Success;
    if (!options_.bus) {
        return usageError(QStringLiteral("the settings file %1 names Simulated mode, where no supply answers: "
                                         "give --bus sim to use the simulation on purpose, or another --bus")
                              .arg(context_.paths.configFile()));
    }
    PrintError(QStringLiteral("warning: Simulated mode: no supply is connected; the replies are made up"));
    return exitcode::Success;
}

int Session::openAndRead(void (*read)(DeviceLink&))
{
    if (const int code = open(); code != exitcode::Success)
        return code;
    read(*link_);
    return exitCode();
}

std::optional<QString> Session::query(const QString& command)
{
    if (!send(command))
        return std::nullopt;
    QString reply;
    link_->ReadDevice(reply, timeout_, false);
    if (failed()) {
        // The link's own words speak of the program's Simulated mode; say what it means here.
        PrintError(QStringLiteral("no reply to ") + command);
        return std::nullopt;
    }
    while (reply.endsWith(QLatin1Char('\n')) || reply.endsWith(QLatin1Char('\r')))
        reply.chop(1);
    return reply;
}

bool Session::send(const QString& command)
{
    if (failed() || refuses(command))
        return false;
    link_->WriteDevice(command, false);
    return !failed();
}

bool Session::refuses(const QString& command)
{
    if (SetPointsInCommand(command, context_.state.Ratings).empty())
        return false;
    // Without the ratings read the supply's own ceiling would be unknown.
    if (const auto& ratings = context_.state.Ratings; !(ratings[0] > 0) && !(ratings[4] > 0))
        ReadScale(*link_);
    const std::optional<QString> refusal = CommandRefusal(command, context_.state);
    if (!refusal)
        return false;
    PrintError(*refusal);
    refused_ = true;
    return true;
}

bool Session::confirm()
{
    return query(QStringLiteral("*OPC?")).has_value();
}

bool Session::failed() const
{
    const bool droppedToSimulated = chosenBus_ != bus::Simulated && context_.state.BusCode == bus::Simulated;
    return droppedToSimulated || prompts_.faultReported() || context_.programEnding;
}

int Session::exitCode() const
{
    if (refused_)
        return exitcode::UsageError;
    return failed() ? exitcode::DeviceError : exitcode::Success;
}

} // namespace dalto::ctl
