#include "LineReader.h"

#include <cstdio>

namespace dalto::ctl {

LineReader::LineReader()
    : interactive_(StandardInputIsTerminal())
{
}

LineReader::~LineReader() = default;

std::optional<QString> LineReader::next()
{
    if (interactive_) {
        std::fputs(LinePrompt, stdout);
        std::fflush(stdout);
    }
    return ReadStandardInputLine();
}

} // namespace dalto::ctl
