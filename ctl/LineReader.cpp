#include "LineReader.h"

#include <QDir>
#include <cstdlib>
#include <iostream>
#include <unistd.h>

#include <editline/readline.h>

namespace dalto::ctl {

namespace {
const char* const Prompt = "daltoctl> ";
}

LineReader::LineReader()
    : interactive_(isatty(STDIN_FILENO) == 1)
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
    if (!interactive_) {
        std::string line;
        if (!std::getline(std::cin, line))
            return std::nullopt;
        return QString::fromLocal8Bit(line);
    }
    char* line = readline(Prompt);
    if (!line)
        return std::nullopt;
    const QString text = QString::fromLocal8Bit(line);
    if (!text.trimmed().isEmpty())
        add_history(line);
    std::free(line);
    return text;
}

} // namespace dalto::ctl
