// query and send: commands from the arguments or standard input.
#include "CommandSource.h"
#include "ConsoleOutput.h"
#include "Session.h"
#include "Subcommands.h"
#include "ExitCodes.h"

namespace dalto::ctl {

int RunQuery(const CtlOptions& options)
{
    Session session(options.connection);
    if (const int code = session.open(); code != exitcode::Success)
        return code;
    ForEachCommand(options.commands, [&](const QString& command) {
        const std::optional<QString> reply = session.query(command);
        if (reply)
            PrintLine(*reply);
        return reply.has_value();
    });
    return session.exitCode();
}

int RunSend(const CtlOptions& options)
{
    Session session(options.connection);
    if (const int code = session.open(); code != exitcode::Success)
        return code;
    // Commands given as arguments are all checked first: one refused sends none.
    if (!ReadsStandardInput(options.commands)) {
        for (const std::string& command : options.commands)
            if (session.refuses(QString::fromLocal8Bit(command)))
                return session.exitCode();
    }
    // Writes to a lost connection go nowhere without an error; one reply proves
    // the device is there and has taken every command before it.
    if (ForEachCommand(options.commands, [&](const QString& command) { return session.send(command); }))
        session.confirm();
    return session.exitCode();
}

} // namespace dalto::ctl
