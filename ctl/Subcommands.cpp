#include "Subcommands.h"

#include "ConsoleOutput.h"
#include "ExitCodes.h"

#include <array>
#include <utility>

namespace dalto::ctl {

namespace {
const std::array<std::pair<const char*, int (*)(const CtlOptions&)>, 12> Subcommands = {{
    {"query", RunQuery},
    {"send", RunSend},
    {"info", RunInfo},
    {"status", RunStatus},
    {"set", RunSet},
    {"output", RunOutput},
    {"discover", RunDiscover},
    {"gpib-find", RunGpibFind},
    {"modtable", RunModTable},
    {"flash", RunFlash},
    {"bench", RunBench},
    {"shell", RunShell},
}};
} // namespace

int RunSubcommand(const CtlOptions& options)
{
    for (const auto& [name, run] : Subcommands) {
        if (options.subcommand == name)
            return run(options);
    }
    PrintError(QStringLiteral("unknown subcommand ") + QString::fromStdString(options.subcommand));
    return exitcode::UsageError;
}

} // namespace dalto::ctl
