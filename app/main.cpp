// dalto-panel: reads the command line, opens the display, runs the start-up
// sequence and the event loop until a panel ends the program.

#include "Application.h"
#include "CommandLine.h"
#include "PanelCatalog.h"
#include "QtPrompts.h"
#include "PanelWindow.h"
#include "core/Configuration.h"
#include "setup/frmSetup.h"

#include <QApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int NoDisplayExitCode = 2;

// Qt ends the process when it cannot open a display; say so in words a user
// understands, and end with a distinct code instead of an abort.
void reportMissingDisplay(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "dalto-panel: no display could be opened. Start it from a desktop "
                             "session, or set DISPLAY or WAYLAND_DISPLAY.\n");
        std::_Exit(NoDisplayExitCode);
    }
}

bool displayNamed()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const dalto::CommandLine commandLine = dalto::ParseCommandLine(arguments);
    switch (commandLine.action) {
    case dalto::CommandLine::Action::ShowHelp:
    case dalto::CommandLine::Action::ShowVersion:
        std::fputs(qPrintable(commandLine.text), stdout);
        return 0;
    case dalto::CommandLine::Action::Fail:
        std::fprintf(stderr, "dalto-panel: %s\nTry 'dalto-panel --help'.\n", qPrintable(commandLine.text));
        return 1;
    case dalto::CommandLine::Action::Run:
        break;
    }
    // A settings file named on purpose and not there: running on defaults would
    // hide the mistake.
    if (!commandLine.configFile.isEmpty() && !QFileInfo::exists(commandLine.configFile)) {
        std::fprintf(stderr, "dalto-panel: %s\n", qPrintable(dalto::SettingsFileProblem(commandLine.configFile)));
        return 1;
    }
    if (!displayNamed()) {
        std::fprintf(stderr, "dalto-panel: no display is set. Start it from a desktop session, "
                             "or set DISPLAY or WAYLAND_DISPLAY.\n");
        return NoDisplayExitCode;
    }

    const QtMessageHandler previous = qInstallMessageHandler(reportMissingDisplay);
    QApplication qtApp(argc, argv);
    qInstallMessageHandler(previous);
    QApplication::setApplicationName(QStringLiteral("Dalto Panel"));
    QApplication::setApplicationVersion(QStringLiteral(DALTO_VERSION_TEXT));
    // Panels come and go during a switch; only endProgram ends the program.
    QApplication::setQuitOnLastWindowClosed(false);

    dalto::SteadyClock clock;
    const dalto::Paths paths = dalto::Paths::resolve(QApplication::applicationDirPath(),
                                                     commandLine.programDir, commandLine.configFile);
    dalto::QtPrompts prompts(paths);
    dalto::Application app(clock, prompts, paths);
    QObject::connect(&app, &dalto::Application::programEnded, &qtApp, [] { QCoreApplication::exit(0); });
    dalto::registerProgramPanels(app);
    app.setSetupHook([&app](dalto::PanelWindow& caller) { dalto::RunSetupDialog(app.link(), &caller); });
    app.start();
    if (app.ended())
        return 0;
    return QApplication::exec();
}
