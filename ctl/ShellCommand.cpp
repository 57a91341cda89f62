// shell: an interactive session. Each line is sent; the reply of a query is
// printed, a query without an answer reported. "quit" or "exit" (or the end of
// input) ends it.
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

// A query the device leaves unanswered costs its reply, not the session: the
// read gives up without dropping the link, and what arrives late is discarded
// before the next query so that it is not taken for that one's reply.
std::optional<QString> askOnce(Session& session, const QString& command)
{
    session.link().FlushInput();
    if (!session.send(command))
        return std::nullopt;
    QString reply;
    if (session.link().ReadDeviceQuiet(reply, session.timeout(), false) <= 0 || session.failed()) {
        PrintError(QStringLiteral("no answer to %1 within %2 s").arg(command).arg(session.timeout()));
        return std::nullopt;
    }
    while (reply.endsWith(QLatin1Char('\n')) || reply.endsWith(QLatin1Char('\r')))
        reply.chop(1);
    return reply;
}

} // namespace

int RunShell(const CtlOptions& options)
{
    Session session(options.connection);
    if (const int code = session.open(); code != exitcode::Success)
        return code;
    LineReader reader;
    bool unanswered = false;
    while (const std::optional<QString> line = reader.next()) {
        const QString command = line->trimmed();
        if (endsSession(command))
            break;
        if (command.isEmpty())
            continue;
        if (!ExpectsReply(command)) {
            session.send(command);
        } else if (const std::optional<QString> reply = askOnce(session, command)) {
            PrintLine(*reply);
        } else {
            unanswered = true;
        }
        // A lost device ends the session: every further line would fail the same way.
        if (session.failed())
            break;
    }
    // A script that drove the session learns that a reply was missing.
    return unanswered ? exitcode::DeviceError : session.exitCode();
}

} // namespace dalto::ctl
