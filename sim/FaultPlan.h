#pragma once
// A plan of reply faults read from a small text file, one rule a line:
//
//   drop every 5            the reply to every 5th command is not sent
//   delay 3000 every 7      every 7th reply leaves 3000 ms late
//   no-lf every 3           every 3rd reply ends in CR without the LF
//   truncate 4 every 2      every 2nd reply is cut after 4 bytes
//   garbage 64 every 9      every 9th reply is 64 random bytes (no LF) and CR LF
//   flood after 10          after the 10th reply, bytes without LF stream until the client leaves
//   close-mid-reply every 10  half of every 10th reply, then the connection is closed
//   silent after 20         no reply after the 20th
//   vanish 2000 at 10       instead of the 10th reply the line closes for 2000 ms
//
// "every N" picks replies N, 2N, 3N...; "after N" every reply past the Nth;
// "at N" the Nth alone; without any of them the rule hits every reply. Replies are counted per
// endpoint; the first matching rule wins. Blank lines and "#" comments are
// skipped.

#include <QString>

#include <optional>
#include <vector>

namespace dalto::sim {

enum class FaultKind { Drop, Delay, NoLf, Truncate, Garbage, Flood, CloseMidReply, Vanish };

struct FaultStep {
    FaultKind kind = FaultKind::Drop;
    int amount = 0; // milliseconds (delay, vanish) or bytes (truncate, garbage)
};

class FaultPlan {
public:
    static std::optional<FaultPlan> parse(const QString& text, QString* error);
    static std::optional<FaultPlan> load(const QString& path, QString* error);

    bool isEmpty() const { return rules_.empty(); }
    // The fault for the next reply, counting it; none: send it as it is.
    std::optional<FaultStep> nextReply();

private:
    struct Rule {
        FaultStep step;
        enum class Trigger { Every, After, At } trigger = Trigger::Every;
        int count = 1;
    };
    static std::optional<Rule> parseRule(const QStringList& words, QString* error);

    std::vector<Rule> rules_;
    long long replies_ = 0;
};

} // namespace dalto::sim
