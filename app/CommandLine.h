#pragma once
// The program's command line: --config FILE, --program-dir DIR, --help, --version.

#include <QString>
#include <QStringList>

namespace dalto {

struct CommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, Fail };
    Action action = Action::Run;
    QString configFile;
    QString programDir;
    QString text; // help text, version line or error message
};

// arguments includes the program name first, as in argv.
CommandLine ParseCommandLine(const QStringList& arguments);

} // namespace dalto
