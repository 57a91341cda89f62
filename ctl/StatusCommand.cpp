// status: one decoded "<>STA" reading, or a series of them for a log file.
#include "ConsoleOutput.h"
#include "ExitCodes.h"
#include "Session.h"
#include "StatusReport.h"
#include "Subcommands.h"
#include "panels/front/StatusQuery.h"
#include "protocol/StatusProtocol.h"

#include <QDateTime>

namespace dalto::ctl {

namespace {

constexpr double DefaultWatchSeconds = 1.0;

std::optional<StatusReport> takeReading(Session& session)
{
    const QString reply = front::QueryStatus(session.link(), false);
    if (session.failed())
        return std::nullopt;
    const std::optional<front::StatusReading> reading = front::ReadStatusReply(reply, front::SimulatedSupply{});
    if (!reading) {
        PrintError(QStringLiteral("the status reply cannot be decoded: ") + reply.trimmed());
        return std::nullopt;
    }
    const SharedState& s = session.state();
    return MakeStatusReport(*reading, s.VoltFormat, s.CurrFormat,
                            QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
}

// Readings at a steady pace: each one is due a period after the one before it
// was due, so a slow reply does not make the series drift.
int watch(Session& session, double period, std::optional<int> count, bool json)
{
    if (!json)
        PrintText(CsvHeader());
    Clock& clock = session.context().clock;
    double due = clock.now();
    for (int taken = 0; !count || taken < *count; ++taken) {
        while (clock.now() < due)
            clock.pump(int((due - clock.now()) * 1000) + 1);
        const std::optional<StatusReport> report = takeReading(session);
        if (!report)
            return exitcode::DeviceError;
        PrintText(json ? JsonLine(*report) : CsvLine(*report));
        due += period;
    }
    return session.exitCode();
}

} // namespace

int RunStatus(const CtlOptions& options)
{
    Session session(options.connection);
    // The ratings choose the display formats of the read-outs.
    if (const int code = session.openAndRead(ReadScale); code != exitcode::Success)
        return code;
    if (options.watchSeconds || options.count)
        return watch(session, options.watchSeconds.value_or(DefaultWatchSeconds), options.count, options.json);
    const std::optional<StatusReport> report = takeReading(session);
    if (!report)
        return exitcode::DeviceError;
    PrintText(options.json ? JsonLine(*report) : StatusText(*report));
    return session.exitCode();
}

} // namespace dalto::ctl
