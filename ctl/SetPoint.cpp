#include "SetPoint.h"

#include "panels/front/ReadoutValue.h"

#include <algorithm>
#include <array>

namespace dalto::ctl {

namespace {

struct Quantity {
    const char* name;
    const char* command;
    const char* unit;
    bool voltage;   // which display format and ratings apply
    int upperRating; // Ratings index of the highest value
    int lowerRating; // Ratings index of the lowest value; -1 for 0
};

// Set points range from 0 to full scale, trip levels between 10 % and 110 % of it.
const std::array<Quantity, 4> Quantities = {{
    {"voltage", "VOLT ", "V", true, 0, -1},
    {"current", "CURR ", "A", false, 4, -1},
    {"ovp", "VOLT:PROT ", "V", true, 2, 3},
    {"ocp", "CURR:PROT ", "A", false, 6, 7},
}};

} // namespace

SetPointCommand MakeSetPointCommand(const QString& quantity, const QString& valueText, const SharedState& state)
{
    const auto found = std::find_if(Quantities.begin(), Quantities.end(),
                                    [&](const Quantity& q) { return quantity == QLatin1String(q.name); });
    if (found == Quantities.end())
        return {{}, QStringLiteral("cannot set ") + quantity};
    bool ok = false;
    const double value = valueText.trimmed().toDouble(&ok);
    if (!ok)
        return {{}, QStringLiteral("%1 wants a number, got: %2").arg(quantity, valueText)};
    const QString& format = found->voltage ? state.VoltFormat : state.CurrFormat;
    const float upper = state.Ratings[std::size_t(found->upperRating)];
    const float lower = found->lowerRating < 0 ? 0.0f : state.Ratings[std::size_t(found->lowerRating)];
    if (value < lower || value > upper) {
        return {{}, QStringLiteral("%1 %2 is outside %3 to %4 %5")
                        .arg(quantity, valueText, front::ShowValueText(lower, format),
                             front::ShowValueText(upper, format), QLatin1String(found->unit))};
    }
    return {QLatin1String(found->command) + front::ShowValueText(float(value), format), {}};
}

QStringList OutputCommands(bool on)
{
    if (on)
        return {QStringLiteral("OUTP:START")};
    // STOP also ends any hold the panel started, as the front panel's key does.
    return {QStringLiteral("OUTP:STOP"), QStringLiteral("<>IGN 0")};
}

} // namespace dalto::ctl
