#include "SetPointLimits.h"

#include "core/LegacyNumbers.h"
#include "core/Prompts.h"
#include "core/SharedState.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace dalto {

namespace {

struct KindText {
    const char* name;  // as a refusal begins
    const char* noun;  // as a prompt asks for it
    const char* unit;
    const char* units;
    int upperRating;
    int lowerRating;
};

const std::array<KindText, SetPointKindCount> Kinds = {{
    {"Voltage", "voltage", "V", "Volts", 0, -1},
    {"Current", "current", "A", "Amperes", 4, -1},
    {"OVP level", "OVP level", "V", "Volts", 2, 3},
    {"OCP level", "OCP level", "A", "Amperes", 6, 7},
}};

const KindText& textOf(SetPointKind kind)
{
    return Kinds[std::size_t(kind)];
}

QString number(double value)
{
    return legacy::format(value, QString());
}

// "0 to 12 (bench limit)"; empty without a ceiling.
QString allowedRange(SetPointKind kind, const SharedState& state)
{
    const std::optional<SetPointCeiling> ceiling = HighestSetPoint(kind, state.Limits, state.Ratings);
    if (!ceiling)
        return {};
    const int lowerIndex = textOf(kind).lowerRating;
    const float lower = lowerIndex < 0 ? 0.0f : state.Ratings[std::size_t(lowerIndex)];
    return QStringLiteral("%1 to %2 (%3)")
        .arg(number(std::min(lower, ceiling->value)), number(ceiling->value),
             ceiling->benchLimit ? QStringLiteral("bench limit") : QStringLiteral("rating"));
}

} // namespace

int UpperRatingIndex(SetPointKind kind)
{
    return textOf(kind).upperRating;
}

int LowerRatingIndex(SetPointKind kind)
{
    return textOf(kind).lowerRating;
}

std::optional<SetPointCeiling> HighestSetPoint(SetPointKind kind, const BenchLimits& limits,
                                               const SupplyRatings& ratings)
{
    const BenchLimit& limit = limits[kind];
    if (limit.unreadable())
        return SetPointCeiling{0.0f, true};
    const float rating = ratings[std::size_t(UpperRatingIndex(kind))];
    const bool rated = std::isfinite(rating) && rating > 0;
    if (limit.value && (!rated || float(*limit.value) < rating))
        return SetPointCeiling{float(*limit.value), true};
    if (rated)
        return SetPointCeiling{rating, false};
    return std::nullopt;
}

std::optional<QString> SetPointRefusal(SetPointKind kind, double value, const QString& shown,
                                       const BenchLimits& limits, const SupplyRatings& ratings)
{
    const KindText& text = textOf(kind);
    const BenchLimit& limit = limits[kind];
    if (limit.unreadable()) {
        return QStringLiteral("%1 refused: the bench limit for the %2 is not a number (\"%3\"). "
                              "Set it again under Communication > Limits.")
            .arg(QLatin1String(text.name), QLatin1String(text.noun), limit.text);
    }
    if (std::isnan(value))
        return QStringLiteral("%1 refused: the value is not a number.").arg(QLatin1String(text.name));
    const std::optional<SetPointCeiling> ceiling = HighestSetPoint(kind, limits, ratings);
    // Compared as the panels hold values, in single precision, so that a rating
    // shown as 16.5 admits 16.5.
    if (!ceiling || !(float(value) > ceiling->value))
        return std::nullopt;
    return QStringLiteral("%1 %2 refused: it is above the %3 of %4.")
        .arg(QLatin1String(text.name), shown,
             ceiling->benchLimit ? QStringLiteral("bench limit") : QStringLiteral("supply's rating"),
             SetPointValueText(kind, ceiling->value));
}

std::optional<QString> SetPointRefusal(SetPointKind kind, double value, const BenchLimits& limits,
                                       const SupplyRatings& ratings)
{
    return SetPointRefusal(kind, value, SetPointValueText(kind, value), limits, ratings);
}

QString SetPointValueText(SetPointKind kind, double value)
{
    return number(value) + QLatin1Char(' ') + QLatin1String(textOf(kind).unit);
}

std::optional<QString> SetPointRefusal(SetPointKind kind, double value, const SharedState& state)
{
    return SetPointRefusal(kind, value, state.Limits, state.Ratings);
}

std::optional<QString> TypedSetPointRefusal(SetPointKind kind, const QString& typed, const SharedState& state)
{
    bool ok = false;
    const double value = typed.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        const QString allowed = allowedRange(kind, state);
        return QStringLiteral("\"%1\" is not a number. Type the %2 in %3%4.")
            .arg(typed, QLatin1String(textOf(kind).noun), QString::fromLatin1(textOf(kind).units).toLower(),
                 allowed.isEmpty() ? QString() : QStringLiteral(", ") + allowed);
    }
    return SetPointRefusal(kind, value, state);
}

bool ReportRefusal(Prompts& prompts, const std::optional<QString>& refusal, const QString& title)
{
    if (!refusal)
        return false;
    prompts.message(*refusal, title, PromptButtons::Ok, PromptIcon::Exclamation);
    return true;
}

float SetPointStop(SetPointKind kind, const SharedState& state)
{
    const std::optional<SetPointCeiling> ceiling = HighestSetPoint(kind, state.Limits, state.Ratings);
    return ceiling ? ceiling->value : std::numeric_limits<float>::infinity();
}

QString SetPointRangeText(SetPointKind kind, const SharedState& state)
{
    const QString allowed = allowedRange(kind, state);
    const QString units = QLatin1String(textOf(kind).units);
    return allowed.isEmpty() ? units : units + QStringLiteral(", ") + allowed;
}

} // namespace dalto
