#include "support/StopSignal.h"

#include <windows.h>

namespace dalto::testing {

// A console control event goes to a whole process group; the child gets one of
// its own so that the test program is not stopped with it.
void PrepareForStopSignal(QProcess& process)
{
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* arguments) {
        arguments->flags |= CREATE_NEW_PROCESS_GROUP;
    });
}

void SendStopSignal(QProcess& process, int)
{
    GenerateConsoleCtrlEvent(CTRL_BREAK_EVENT, static_cast<DWORD>(process.processId()));
}

} // namespace dalto::testing
