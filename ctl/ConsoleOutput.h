#pragma once
// Lines to standard output, each flushed at once so that a pipe or a log file
// sees every reading as it is taken.

#include <QString>

namespace dalto::ctl {

void PrintLine(const QString& text);
// text as it is (it brings its own line ends).
void PrintText(const QString& text);
// "daltoctl: " + text on standard error.
void PrintError(const QString& text);

} // namespace dalto::ctl
