#include "support/StopSignal.h"

#include <csignal>
#include <sys/types.h>

namespace dalto::testing {

void PrepareForStopSignal(QProcess&)
{
}

void SendStopSignal(QProcess& process, int signal)
{
    ::kill(static_cast<pid_t>(process.processId()), signal);
}

} // namespace dalto::testing
