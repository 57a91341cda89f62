#include "BenchLimits.h"

#include "ProfileFile.h"

#include <cmath>

namespace dalto {

namespace {

const QString LimitsSection = QStringLiteral("Limits");

const std::array<QString, SetPointKindCount> LimitKeys = {
    QStringLiteral("Voltage"), QStringLiteral("Current"), QStringLiteral("OVP"), QStringLiteral("OCP"),
};

} // namespace

BenchLimit ParseBenchLimit(const QString& text)
{
    BenchLimit limit{text.trimmed(), std::nullopt};
    bool ok = false;
    const double value = limit.text.toDouble(&ok);
    if (ok && std::isfinite(value) && value >= 0)
        limit.value = value;
    return limit;
}

BenchLimits ReadBenchLimits(const QString& iniPath)
{
    const ProfileSnapshot file(iniPath);
    BenchLimits limits;
    for (std::size_t kind = 0; kind < SetPointKindCount; ++kind)
        limits.byKind[kind] = ParseBenchLimit(file.readString(LimitsSection, LimitKeys[kind]));
    return limits;
}

bool SaveBenchLimits(const QString& iniPath, const BenchLimits& limits, QString* error)
{
    QList<ProfileEntry> entries;
    for (std::size_t kind = 0; kind < SetPointKindCount; ++kind)
        entries.append({LimitsSection, LimitKeys[kind], limits.byKind[kind].text});
    return ProfileFile(iniPath).writeStrings(entries, error);
}

} // namespace dalto
