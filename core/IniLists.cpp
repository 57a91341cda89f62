// The name lists of the settings file and the lookups of names in them.

#include "Configuration.h"

#include "LegacyNumbers.h"
#include "ProfileFile.h"
#include "Prompts.h"

namespace dalto {

namespace {

void reportListFailure(Prompts& prompts, const QString& section, const QString& iniPath,
                       const QString& reason)
{
    const QString crlf = QStringLiteral("\r\n");
    prompts.message(QStringLiteral("Error retrieving list from .ini file.") + crlf
                        + QStringLiteral("Section: ") + section + crlf
                        + QStringLiteral("INI file: ") + iniPath + crlf
                        + QStringLiteral("Error: ") + reason,
                    ApplicationTitle, PromptButtons::Ok, PromptIcon::Critical);
}

// A missing key reads as "0" and ends the list, as does any other value shorter than
// two characters, except a lone digit 1..9: that entry names its own position.
bool isListEntry(const QString& value)
{
    if (value.size() == 1)
        return value[0] >= QLatin1Char('1') && value[0] <= QLatin1Char('9');
    return value.size() >= 2;
}

} // namespace

void ReadIniList(const QString& section, QStringList& list, const QString& iniPath, Prompts& prompts)
{
    list.clear();
    const ProfileFile file(iniPath);
    QString reason;
    if (!file.checkReadable(&reason)) {
        reportListFailure(prompts, section, iniPath, reason);
        return;
    }
    for (int k = 0;; ++k) {
        const QString value = file.readString(section, QStringLiteral("Item%1").arg(k, 2, 10, QLatin1Char('0')),
                                              QStringLiteral("0"));
        if (!isListEntry(value))
            return;
        const auto position = legacy::toInteger(legacy::leadingNumber(value));
        if (!position) {
            reportListFailure(prompts, section, iniPath, QStringLiteral("Overflow"));
            return;
        }
        if (*position < 0)
            continue;
        // Each entry ends the list at its own position: later entries may shorten it.
        while (list.size() > *position + 1)
            list.removeLast();
        while (list.size() < *position + 1)
            list.append(QString());
        const qsizetype comma = value.indexOf(QLatin1Char(','));
        list[*position] = comma < 0 ? value : value.mid(comma + 1);
    }
}

int16_t FindInList(const QStringList& list, const QString& name)
{
    // A missing setting reads as an empty name; it must not match a position the
    // file never named.
    if (name.isEmpty())
        return NotFound;
    const QString wanted = name.toLower();
    for (qsizetype i = 0; i < list.size(); ++i)
        if (list[i].toLower() == wanted)
            return int16_t(i);
    return NotFound;
}

} // namespace dalto
