// Checks of the device addresses typed into the setup and network dialogs.

#include "Configuration.h"

#include <algorithm>

namespace dalto {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isAsciiLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool allDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(), isAsciiDigit);
}

} // namespace

bool IsValidIpAddress(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    // Plain decimal parts only: a part such as "1e2" or "&HFF" would pass a loose
    // numeric test and then fail as an address.
    return std::all_of(parts.begin(), parts.end(), [](const QString& part) {
        return !part.isEmpty() && part.size() <= 3 && allDigits(part) && part.toInt() <= 255;
    });
}

bool IsValidHostName(const QString& text, bool dotsAndUnderscores)
{
    if (text.isEmpty())
        return false;
    const bool allowed = std::all_of(text.begin(), text.end(), [&](QChar c) {
        return isAsciiDigit(c) || isAsciiLetter(c) || c == QLatin1Char('-')
            || (dotsAndUnderscores && (c == QLatin1Char('.') || c == QLatin1Char('_')));
    });
    if (!allowed)
        return false;
    return dotsAndUnderscores || !allDigits(text);
}

} // namespace dalto
