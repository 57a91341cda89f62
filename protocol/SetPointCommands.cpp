#include "SetPointCommands.h"

#include "CommandUnits.h"
#include "core/SharedState.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <limits>

namespace dalto {

namespace {

enum class Node { Source, Voltage, Current, Level, Immediate, Amplitude, Triggered, Protection, Other };

struct Mnemonic {
    Node node;
    const char* longForm; // the short form is its capitals
};

const Mnemonic Mnemonics[] = {
    {Node::Source, "SOURce"},       {Node::Voltage, "VOLTage"},     {Node::Current, "CURRent"},
    {Node::Level, "LEVel"},         {Node::Immediate, "IMMediate"}, {Node::Amplitude, "AMPLitude"},
    {Node::Triggered, "TRIGgered"}, {Node::Protection, "PROTection"},
};

Node nodeOf(QString word)
{
    // A numeric suffix (SOURce1) selects a channel; the supply has one.
    while (!word.isEmpty() && word.back().isDigit())
        word.chop(1);
    const QString upper = word.toUpper();
    for (const Mnemonic& m : Mnemonics) {
        const QString longForm = QString::fromLatin1(m.longForm);
        QString shortForm;
        for (const QChar c : longForm)
            if (c.isUpper())
                shortForm += c;
        if (upper == shortForm || upper == longForm.toUpper())
            return m.node;
    }
    return Node::Other;
}

// The headers that set a value once the optional nodes are gone.
std::optional<SetPointKind> kindOf(std::vector<Node> nodes)
{
    if (!nodes.empty() && nodes.front() == Node::Source)
        nodes.erase(nodes.begin());
    std::erase_if(nodes, [](Node n) { return n == Node::Level || n == Node::Immediate || n == Node::Amplitude; });
    using V = std::vector<Node>;
    if (nodes == V{Node::Voltage} || nodes == V{Node::Voltage, Node::Triggered})
        return SetPointKind::Voltage;
    if (nodes == V{Node::Current} || nodes == V{Node::Current, Node::Triggered})
        return SetPointKind::Current;
    if (nodes == V{Node::Voltage, Node::Protection})
        return SetPointKind::OverVoltage;
    if (nodes == V{Node::Current, Node::Protection})
        return SetPointKind::OverCurrent;
    return std::nullopt;
}

// A number with an optional unit and multiplier; MAX as the rating.
std::optional<double> valueOf(const QString& argument, float rating)
{
    const QString upper = argument.toUpper();
    if (upper == QLatin1String("MAX") || upper == QLatin1String("MAXIMUM"))
        return rating > 0 ? double(rating) : std::numeric_limits<double>::infinity();
    static const QRegularExpression numberWithUnit(
        QStringLiteral("^([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:E[+-]?\\d+)?)\\s*([A-Z]*)$"));
    const QRegularExpressionMatch match = numberWithUnit.match(upper);
    if (!match.hasMatch())
        return std::nullopt;
    const double value = match.captured(1).toDouble();
    const QString unit = match.captured(2);
    // SCPI reads "M" before a unit as milli; any other letters leave the number
    // as it is, the larger reading.
    if (unit.size() == 2 && (unit.endsWith(QLatin1Char('V')) || unit.endsWith(QLatin1Char('A')))) {
        if (unit.front() == QLatin1Char('M'))
            return value / 1e3;
        if (unit.front() == QLatin1Char('U'))
            return value / 1e6;
        if (unit.front() == QLatin1Char('K'))
            return value * 1e3;
    }
    return value;
}

} // namespace

std::vector<SetPointSetting> SetPointsInCommand(const QString& line, const SupplyRatings& ratings)
{
    std::vector<SetPointSetting> settings;
    std::vector<Node> prefix; // the path a relative command continues
    for (const QString& unit : CommandUnits(line)) {
        const QString text = unit.trimmed();
        if (text.isEmpty() || text.startsWith(QLatin1Char('*')))
            continue;
        const qsizetype blank = text.indexOf(QRegularExpression(QStringLiteral("\\s")));
        QString header = blank < 0 ? text : text.left(blank);
        const QString arguments = blank < 0 ? QString() : text.mid(blank + 1).trimmed();
        std::vector<Node> nodes;
        if (header.startsWith(QLatin1Char(':')))
            header.remove(0, 1);
        else
            nodes = prefix;
        const bool query = header.contains(QLatin1Char('?'));
        for (const QString& word : header.remove(QLatin1Char('?')).split(QLatin1Char(':')))
            nodes.push_back(nodeOf(word));
        prefix.assign(nodes.begin(), nodes.end() - 1);
        const std::optional<SetPointKind> kind = kindOf(nodes);
        if (query || !kind)
            continue;
        const QString argument = arguments.section(QLatin1Char(','), 0, 0).trimmed();
        const float rating = ratings[std::size_t(UpperRatingIndex(*kind))];
        if (const std::optional<double> value = valueOf(argument, rating))
            settings.push_back({*kind, *value, argument});
    }
    return settings;
}

std::optional<QString> CommandRefusal(const QString& line, const SharedState& state)
{
    for (const SetPointSetting& setting : SetPointsInCommand(line, state.Ratings)) {
        const QString shown = setting.argument.front().isLetter() ? setting.argument
                                                                  : SetPointValueText(setting.kind, setting.value);
        if (auto refusal = SetPointRefusal(setting.kind, setting.value, shown, state.Limits, state.Ratings))
            return refusal;
    }
    return std::nullopt;
}

} // namespace dalto
