// shell: an interactive session. Each line is sent; the reply of a query is
// printed. "quit" or "exit" (or the end of input) ends it.
#include "CommandSource.h"
#include "ConsoleOutput.h"
#include "ExitCodes.h"
#include "LineReader.h"
#include "Session.h"
#include "Subcommands.h"

namespace dalto::ctl {

namespace {
bool endsSession(const QString& line)
{
    return line.compare(QLatin1String("quit"), Qt::CaseInsensitive) == 0
        || line.compare(QLatin1String("exit"), Qt::CaseInsensitive) == 0;
}
} // namespace

int RunShell(const CtlOptions& options)
{
    Session session(options.connection);
    if (const int code = session.open(); code != exitcode::Success)
        return code;
    LineReader reader;
    while (const std::optional<QString> line = reader.next()) {
        const QString command = line->trimmed();
        if (endsSession(command))
            break;
        if (command.isEmpty())
            continue;
        if (!ExpectsReply(command)) {
            session.send(command);
        } else if (const std::optional<QString> reply = session.query(command)) {
            PrintLine(*reply);
        }
        // A lost device ends the session: every further line would fail the same way.
        if (session.failed())
            break;
    }
    return session.exitCode();
}

} // namespace dalto::ctl
