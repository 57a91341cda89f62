#include "LoaderBus.h"

#include "core/BusCode.h"

namespace dalto::firmware {

std::optional<QString> busRefusal(int16_t busCode)
{
    if (busCode == bus::Rs232)
        return std::nullopt;
    if (busCode == bus::Simulated)
        return QStringLiteral("Cannot program firmware in simulated mode.");
    return QStringLiteral("Can only program firmware via RS-232.");
}

} // namespace dalto::firmware
