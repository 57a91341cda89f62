// info: what the program reads from the supply when it connects.
#include "ConsoleOutput.h"
#include "ExitCodes.h"
#include "Session.h"
#include "Subcommands.h"
#include "panels/front/ReadoutValue.h"
#include "protocol/StatusProtocol.h"

namespace dalto::ctl {

int RunInfo(const CtlOptions& options)
{
    Session session(options.connection);
    if (const int code = session.openAndRead(QueryDeviceInfo); code != exitcode::Success)
        return code;
    const SharedState& s = session.state();
    const auto volts = [&](float value) { return front::ShowValueText(value, s.VoltFormat) + QStringLiteral(" V"); };
    const auto amperes = [&](float value) { return front::ShowValueText(value, s.CurrFormat) + QStringLiteral(" A"); };
    PrintText(QStringLiteral("firmware version: %1\n"
                             "interface version: %2\n"
                             "rated voltage: %3\n"
                             "rated current: %4\n"
                             "voltage format: %5\n"
                             "current format: %6\n"
                             "voltage set point: %7\n"
                             "current set point: %8\n"
                             "over-voltage level: %9\n")
                  .arg(s.FirmwareVersion, s.InterfaceVersion, volts(s.Ratings[0]), amperes(s.Ratings[4]),
                       s.VoltFormat, s.CurrFormat, volts(s.DeviceState[0]), amperes(s.DeviceState[1]),
                       volts(s.DeviceState[2])));
    PrintText(QStringLiteral("over-current level: %1\nperiod: %2\nmemory: %3\nlast error: %4\n")
                  .arg(amperes(s.DeviceState[3]))
                  .arg(s.DeviceState[4])
                  .arg(s.DeviceState[5])
                  .arg(s.LastError.trimmed()));
    return session.exitCode();
}

} // namespace dalto::ctl
