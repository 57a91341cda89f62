#pragma once
// The lines of an interactive session. Where libedit is there (not on Windows)
// a terminal gets line editing and a history kept across sessions; otherwise,
// and always for a script or a pipe, plain lines from standard input.

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

// Shown before each line read from a terminal.
inline constexpr const char* LinePrompt = "daltoctl> ";

// One line of standard input without its end; nothing at the end of input.
std::optional<QString> ReadStandardInputLine();

// Whether standard input is a terminal.
bool StandardInputIsTerminal();

} // namespace dalto::ctl
