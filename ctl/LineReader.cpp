#include "LineReader.h"

#include <iostream>
#include <unistd.h>

namespace dalto::ctl {

std::optional<QString> ReadStandardInputLine()
{
    std::string line;
    if (!std::getline(std::cin, line))
        return std::nullopt;
    return QString::fromLocal8Bit(line);
}

bool StandardInputIsTerminal()
{
    return isatty(STDIN_FILENO) == 1;
}

} // namespace dalto::ctl
