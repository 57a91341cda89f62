#pragma once
// Asks a child process to stop the way this platform's console programs are
// asked: a signal on Linux, a Ctrl+Break event to its process group on Windows.

#include <QProcess>

namespace dalto::testing {

// Sets up process, before it starts, so that SendStopSignal can reach it.
void PrepareForStopSignal(QProcess& process);

// signal is SIGTERM, SIGINT, ... on Linux; any of them is Ctrl+Break on Windows.
void SendStopSignal(QProcess& process, int signal);

} // namespace dalto::testing
