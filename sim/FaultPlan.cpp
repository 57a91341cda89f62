#include "sim/FaultPlan.h"

#include <QFile>
#include <QRegularExpression>

#include <array>
#include <utility>

namespace dalto::sim {

namespace {

struct KindName {
    const char* name;
    FaultKind kind;
    bool takesAmount;
};

// "silent" is "drop" under the name that reads naturally with "after".
constexpr std::array<KindName, 9> KindNames = {{
    {"drop", FaultKind::Drop, false},
    {"silent", FaultKind::Drop, false},
    {"delay", FaultKind::Delay, true},
    {"no-lf", FaultKind::NoLf, false},
    {"truncate", FaultKind::Truncate, true},
    {"garbage", FaultKind::Garbage, true},
    {"flood", FaultKind::Flood, false},
    {"close-mid-reply", FaultKind::CloseMidReply, false},
    {"vanish", FaultKind::Vanish, true},
}};

// Large enough for any test, small enough that no plan ties the simulator up for long.
constexpr int MaximumAmount = 600000;

std::optional<int> positive(const QString& word, int maximum)
{
    bool ok = false;
    const int value = word.toInt(&ok);
    if (!ok || value < 1 || value > maximum)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<FaultPlan::Rule> FaultPlan::parseRule(const QStringList& words, QString* error)
{
    const KindName* kind = nullptr;
    for (const KindName& candidate : KindNames) {
        if (words[0] == QLatin1String(candidate.name))
            kind = &candidate;
    }
    if (!kind) {
        *error = QStringLiteral("unknown fault \"%1\"").arg(words[0]);
        return std::nullopt;
    }
    Rule rule;
    rule.step.kind = kind->kind;
    qsizetype next = 1;
    if (kind->takesAmount) {
        const auto amount = next < words.size() ? positive(words[next], MaximumAmount) : std::nullopt;
        if (!amount) {
            *error = QStringLiteral("\"%1\" wants a number from 1 to %2").arg(words[0]).arg(MaximumAmount);
            return std::nullopt;
        }
        rule.step.amount = *amount;
        ++next;
    }
    if (next == words.size())
        return rule;
    static const QStringList triggers = {QStringLiteral("every"), QStringLiteral("after"), QStringLiteral("at")};
    const qsizetype trigger = triggers.indexOf(words[next]);
    const auto count = trigger >= 0 && next + 2 == words.size() ? positive(words[next + 1], 1 << 30) : std::nullopt;
    if (!count) {
        *error = QStringLiteral("\"%1\" ends in \"every N\", \"after N\" or \"at N\" (N from 1)")
                     .arg(words.join(u' '));
        return std::nullopt;
    }
    rule.trigger = Rule::Trigger(trigger);
    rule.count = *count;
    return rule;
}

std::optional<FaultPlan> FaultPlan::parse(const QString& text, QString* error)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    FaultPlan plan;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].section(u'#', 0, 0).trimmed();
        if (line.isEmpty())
            continue;
        const auto rule = parseRule(line.split(blanks), error);
        if (!rule) {
            *error = QStringLiteral("line %1: %2").arg(i + 1).arg(*error);
            return std::nullopt;
        }
        plan.rules_.push_back(*rule);
    }
    return plan;
}

std::optional<FaultPlan> FaultPlan::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    return parse(QString::fromUtf8(file.readAll()), error);
}

std::optional<FaultStep> FaultPlan::nextReply()
{
    ++replies_;
    for (const Rule& rule : rules_) {
        const bool hit = rule.trigger == Rule::Trigger::Every ? replies_ % rule.count == 0
                       : rule.trigger == Rule::Trigger::After ? replies_ > rule.count
                                                              : replies_ == rule.count;
        if (hit)
            return rule.step;
    }
    return std::nullopt;
}

} // namespace dalto::sim
