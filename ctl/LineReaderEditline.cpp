#include "LineReader.h"

#include <QDir>
#include <cstdlib>

#include <editline/readline.h>

namespace dalto::ctl {

LineReader::LineReader()
    : interactive_(StandardInputIsTerminal())
    , historyFile_((QDir::homePath() + QStringLiteral("/.daltoctl_history")).toStdString())
{
    if (!interactive_)
        return;
    using_history();
    read_history(historyFile_.c_str());
}

LineReader::~LineReader()
{
    if (interactive_)
        write_history(historyFile_.c_str());
}

std::optional<QString> LineReader::next()
{
    if (!interactive_)
        return ReadStandardInputLine();
    char* line = readline(LinePrompt);
    if (!line)
        return std::nullopt;
    const QString text = QString::fromLocal8Bit(line);
    if (!text.trimmed().isEmpty())
        add_history(line);
    std::free(line);
    return text;
}

} // namespace dalto::ctl
