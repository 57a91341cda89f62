#pragma once
// One connection to the supply for one run of daltoctl: the settings file, the
// connection the command line overrides, the link over it, and whether the device
// has failed since. The link drops into Simulated mode when the device stops
// answering; for a script that is a device error, not a way to carry on.

#include "ConsolePrompts.h"
#include "CtlOptions.h"
#include "core/AppContext.h"
#include "link/DeviceLink.h"

#include <QString>
#include <memory>
#include <optional>

namespace dalto::ctl {

class Session {
public:
    explicit Session(const ConnectionOptions& options);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Reads the settings and applies the command line's connection; an exit code
    // other than Success (after its message) when they name no usable connection.
    int configure();
    // configure(), then connect(); Simulated mode only when --bus sim asks for it.
    // An exit code other than Success when that failed.
    int open();
    // Opens the configured bus. An exit code other than Success when that failed.
    int connect();
    // open(), then read over the link what the command needs from the supply first
    // (ReadScale: the ratings, which bound set points and choose the formats of
    // values). An exit code other than Success when either failed.
    int openAndRead(void (*read)(DeviceLink&));

    // Sends command and reads its reply without the line end; nothing once the
    // device has failed.
    std::optional<QString> query(const QString& command);
    // Sends command without reading; false once the device has failed, or when
    // command would set a value above the bench's ceiling (see refuses).
    bool send(const QString& command);
    // True, after saying why, when command would set a voltage, current or trip
    // level above the bench's ceiling; nothing is sent then, and the run ends
    // with UsageError. The ratings are read first when they are not known yet.
    bool refuses(const QString& command);
    // Asks "*OPC?": true when the device answered, so it has taken everything sent.
    bool confirm();

    bool failed() const;
    // UsageError after a refusal, DeviceError after a device failure, else Success.
    int exitCode() const;

    AppContext& context() { return context_; }
    SharedState& state() { return context_.state; }
    DeviceLink& link() { return *link_; }
    ConsolePrompts& prompts() { return prompts_; }
    int16_t timeout() const { return timeout_; }

private:
    // UsageError (after its message) when the settings select Simulated mode and
    // the command line did not ask for it; a warning when it did.
    int checkSimulatedChoice() const;

    ConnectionOptions options_;
    SteadyClock clock_;
    ConsolePrompts prompts_;
    AppContext context_;
    std::unique_ptr<DeviceLink> link_;
    int16_t timeout_;
    int16_t chosenBus_ = -1;
    bool refused_ = false;
    bool lossReported_ = false;
};

// The bus code of a --bus name; nothing for a name that is not a bus.
std::optional<int16_t> BusCodeOfName(const std::string& name);
// The --bus names, in the order the help lists them.
const std::vector<std::string>& BusNames();

} // namespace dalto::ctl
