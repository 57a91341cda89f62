#pragma once
// One function per subcommand, each returning the exit code of the run.

#include "CtlOptions.h"

namespace dalto::ctl {

int RunQuery(const CtlOptions& options);
int RunSend(const CtlOptions& options);
int RunInfo(const CtlOptions& options);
int RunStatus(const CtlOptions& options);
int RunSet(const CtlOptions& options);
int RunOutput(const CtlOptions& options);
int RunDiscover(const CtlOptions& options);
int RunGpibFind(const CtlOptions& options);
int RunModTable(const CtlOptions& options);
int RunFlash(const CtlOptions& options);
int RunBench(const CtlOptions& options);
int RunShell(const CtlOptions& options);

// Runs options.subcommand.
int RunSubcommand(const CtlOptions& options);

} // namespace dalto::ctl
