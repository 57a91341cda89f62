// query and send: commands from the arguments or standard input.
#include "CommandSource.h"
#include "ConsoleOutput.h"
#include "Session.h"
#include "ExitCodes.h"
#include "Subcommands.h"

namespace dalto::ctl {

int RunQuery(const CtlOptions& options)
{
    Session session(options.connection);
    if (const int code = session.open(); code != exitcode::Success)
        return code;
    // A command without a reply is only sent: waiting for one would end in a
    // time-out. The next reply proves the device has taken it; after the last
    // command "*OPC?" does.
    bool unconfirmed = false;
    ForEachCommand(options.commands, [&](const QString& command) {
        unconfirmed = !ExpectsReply(command);
        if (unconfirmed)
            return session.send(command);
        const std::optional<QString> reply = session.query(command);
        if (reply)
            PrintLine(*reply);
        return reply.has_value();
    });
    if (unconfirmed)
        session.confirm();
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
