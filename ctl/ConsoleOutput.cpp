#include "ConsoleOutput.h"

#include <cstdio>

namespace dalto::ctl {

void PrintLine(const QString& text)
{
    PrintText(text + QLatin1Char('\n'));
}

void PrintText(const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

void PrintError(const QString& text)
{
    std::fprintf(stderr, "daltoctl: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace dalto::ctl
