// daltoctl: the supply from the command line and from scripts.

#include "CommandLine.h"
#include "Subcommands.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    const dalto::ctl::ParsedCommandLine parsed = dalto::ctl::ParseCommandLine(argc, argv);
    if (!parsed.options)
        return parsed.exitCode;
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("daltoctl"));
    return dalto::ctl::RunSubcommand(*parsed.options);
}
