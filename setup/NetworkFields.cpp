#include "NetworkFields.h"

#include <algorithm>

namespace dalto {

namespace {
constexpr int HighestPort = 65534;
constexpr qsizetype MostDigits = 5;
} // namespace

bool IsValidDevicePort(const QString& text)
{
    if (text.isEmpty() || text.size() > MostDigits
        || !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return false;
    const int value = text.toInt();
    return value >= 1 && value <= HighestPort;
}

} // namespace dalto
