#include "CalibrationRules.h"

#include "core/LegacyNumbers.h"

namespace dalto {

CalibrationAccess AccessForCode(const QString& code)
{
    if (code == FactoryAccessCode)
        return CalibrationAccess::Factory;
    if (code == PotAccessCode)
        return CalibrationAccess::Pots;
    return CalibrationAccess::None;
}

bool OpensPots(CalibrationAccess access)
{
    return access != CalibrationAccess::None;
}

bool OpensFactory(CalibrationAccess access)
{
    return access == CalibrationAccess::Factory;
}

std::optional<QString> HardwareRevisionIn(const QString& reply)
{
    static const QString marker = QStringLiteral("Hardware Rev.");
    const qsizetype at = reply.indexOf(marker);
    if (at < 0)
        return std::nullopt;
    return reply.mid(at + marker.size()).trimmed();
}

QString SteppedPot(const QString& text, bool up)
{
    const std::optional<int32_t> value = legacy::toLong(legacy::leadingNumber(text));
    if (!value)
        return text;
    if (up && *value < PotMaximum)
        return QString::number(*value + 1);
    if (!up && *value > 0)
        return QString::number(*value - 1);
    return text;
}

} // namespace dalto
