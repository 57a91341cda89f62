#include "CommandLine.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace dalto {

CommandLine ParseCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Dalto Panel operates a programmable DC power supply."));
    const QCommandLineOption config(QStringLiteral("config"),
                                    QStringLiteral("Use FILE as the settings file instead of Dalto_Panel.ini."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption programDir(QStringLiteral("program-dir"),
                                        QStringLiteral("Take the program's files (settings, pictures) from DIR."),
                                        QStringLiteral("DIR"));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Show the version and exit."));
    parser.addOptions({config, programDir, help, version});

    CommandLine result;
    if (!parser.parse(arguments)) {
        result.action = CommandLine::Action::Fail;
        result.text = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        result.action = CommandLine::Action::Fail;
        result.text = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    } else if (parser.isSet(help)) {
        result.action = CommandLine::Action::ShowHelp;
        // The help is made before the application object exists, so name the program here.
        result.text = parser.helpText().replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                                                QStringLiteral("Usage: dalto-panel"));
    } else if (parser.isSet(version)) {
        result.action = CommandLine::Action::ShowVersion;
        result.text = QStringLiteral("dalto-panel %1\n").arg(QStringLiteral(DALTO_VERSION_TEXT));
    }
    result.configFile = parser.value(config);
    result.programDir = parser.value(programDir);
    return result;
}

} // namespace dalto
