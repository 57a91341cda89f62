// set and output: what the front panel's knobs and START/STOP keys send.
#include "ConsoleOutput.h"
#include "ExitCodes.h"
#include "Session.h"
#include "SetPoint.h"
#include "Subcommands.h"
#include "protocol/StatusProtocol.h"

namespace dalto::ctl {

int RunSet(const CtlOptions& options)
{
    Session session(options.connection);
    // The ratings bound the value and choose the format it is written in.
    if (const int code = session.openAndRead(ReadScale); code != exitcode::Success)
        return code;
    const SetPointCommand set = MakeSetPointCommand(QString::fromStdString(options.what),
                                                    QString::fromStdString(options.value), session.state());
    if (set.command.isEmpty()) {
        PrintError(set.error);
        return exitcode::UsageError;
    }
    session.send(set.command);
    session.confirm();
    return session.exitCode();
}

int RunOutput(const CtlOptions& options)
{
    Session session(options.connection);
    if (const int code = session.open(); code != exitcode::Success)
        return code;
    for (const QString& command : OutputCommands(options.what == "on"))
        session.send(command);
    session.confirm();
    return session.exitCode();
}

} // namespace dalto::ctl
