#pragma once
// The lines of an interactive session: with line editing and a history kept
// across sessions (libedit) when standard input is a terminal, plain lines from
// standard input otherwise (a script or a pipe).

#include <QString>
#include <optional>
#include <string>

namespace dalto::ctl {

class LineReader {
public:
    LineReader();
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line without its end; nothing at the end of input.
    std::optional<QString> next();
    bool interactive() const { return interactive_; }

private:
    bool interactive_;
    std::string historyFile_;
};

} // namespace dalto::ctl
