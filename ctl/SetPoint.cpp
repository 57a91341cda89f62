#include "SetPoint.h"

#include "panels/front/ReadoutValue.h"
#include "protocol/SetPointLimits.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace dalto::ctl {

namespace {

struct Quantity {
    const char* name;
    const char* command;
    const char* unit;
    SetPointKind kind;
};

const std::array<Quantity, 4> Quantities = {{
    {"voltage", "VOLT ", "V", SetPointKind::Voltage},
    {"current", "CURR ", "A", SetPointKind::Current},
    {"ovp", "VOLT:PROT ", "V", SetPointKind::OverVoltage},
    {"ocp", "CURR:PROT ", "A", SetPointKind::OverCurrent},
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
    if (!ok || !std::isfinite(value))
        return {{}, QStringLiteral("%1 wants a number, got: %2").arg(quantity, valueText)};
    // Set points start at 0, trip levels at 10 % of full scale; the highest value
    // is the bench's ceiling.
    const bool volts = found->kind == SetPointKind::Voltage || found->kind == SetPointKind::OverVoltage;
    const QString& format = volts ? state.VoltFormat : state.CurrFormat;
    const int lowerIndex = LowerRatingIndex(found->kind);
    const float lower = lowerIndex < 0 ? 0.0f : state.Ratings[std::size_t(lowerIndex)];
    const float upper = state.Ratings[std::size_t(UpperRatingIndex(found->kind))];
    if (value < lower) {
        return {{}, QStringLiteral("%1 %2 is outside %3 to %4 %5")
                        .arg(quantity, valueText, front::ShowValueText(lower, format),
                             front::ShowValueText(upper, format), QLatin1String(found->unit))};
    }
    if (const auto refusal = SetPointRefusal(found->kind, value, state))
        return {{}, *refusal};
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
