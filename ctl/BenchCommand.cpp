// bench: query round trips per second on the configured connection, to compare
// it with other tools on the same supply.
#include "ConsoleOutput.h"
#include "ExitCodes.h"
#include "Session.h"
#include "Subcommands.h"

namespace dalto::ctl {

namespace {
constexpr int DefaultRoundTrips = 1000;
// The query other instrument tools time, so that the figures compare.
const QString BenchQuery = QStringLiteral("*IDN?");
} // namespace

int RunBench(const CtlOptions& options)
{
    Session session(options.connection);
    if (const int code = session.open(); code != exitcode::Success)
        return code;
    const int count = options.count.value_or(DefaultRoundTrips);
    // One exchange before the clock starts: the connection's own set-up is not timed.
    if (!session.query(BenchQuery))
        return session.exitCode();
    Clock& clock = session.context().clock;
    const double start = clock.now();
    for (int i = 0; i < count; ++i) {
        if (!session.query(BenchQuery))
            return session.exitCode();
    }
    const double seconds = clock.now() - start;
    PrintLine(QStringLiteral("%1 queries in %2 s: %3 queries per second")
                  .arg(count)
                  .arg(seconds, 0, 'f', 3)
                  .arg(seconds > 0 ? count / seconds : 0.0, 0, 'f', 1));
    return session.exitCode();
}

} // namespace dalto::ctl
