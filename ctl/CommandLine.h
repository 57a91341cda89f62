#pragma once
// The command line of daltoctl: global connection options and one subcommand.

#include "CtlOptions.h"

#include <optional>

namespace dalto::ctl {

struct ParsedCommandLine {
    // Empty when nothing is to run: help was printed (exit code 0) or the command
    // line was wrong (its message printed, exit code 2).
    std::optional<CtlOptions> options;
    int exitCode = 0;
};

ParsedCommandLine ParseCommandLine(int argc, const char* const* argv);

} // namespace dalto::ctl
