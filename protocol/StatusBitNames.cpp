#include "StatusBitNames.h"

#include <array>

namespace dalto::statusbits {

namespace {

enum class Word { Status, Fault };

struct NamedBit {
    Word word;
    int bit;
    // The caption of the lamp that shows the bit; empty for a bit without a lamp.
    const char* caption;
    // The bit's name in reports: the caption, unless two lamps share it (the two
    // CTL lamps) or the lamp shows another bit while polling (LOC).
    const char* name;
    // A fault of the supply; false for a bit that tells what state it is in, as
    // REMOTE of the fault word does (who is in control; its lamp is lit green).
    bool fault;
};

constexpr std::array<NamedBit, 18> Bits = {{
    {Word::Status, 0, "ARM", "ARM", false},
    // Shown only by the configuration menu, on the LOC lamp.
    {Word::Status, 2, "LOC", "INTERLOCK", false},
    {Word::Status, 3, "INT CTL", "INT CTL", false},
    {Word::Status, 4, "EXT CTL", "EXT CTL", false},
    {Word::Status, 6, "STANDBY", "STANDBY", false},
    {Word::Status, 7, "POWER", "POWER", false},
    {Word::Status, 8, "CTL", "Voltage CTL", false},
    {Word::Status, 9, "REM SEN", "REM SEN", false},
    {Word::Status, 10, "CTL", "Current CTL", false},
    {Word::Fault, 0, "OVT", "OVT", true},
    {Word::Fault, 1, "OCT", "OCT", true},
    {Word::Fault, 2, "PHL", "PHL", true},
    {Word::Fault, 3, "PGL", "PGL", true},
    {Word::Fault, 4, "THL", "THL", true},
    {Word::Fault, 5, "FSE", "FSE", true},
    // The latched alarm that CLEAR resets; no lamp of its own.
    {Word::Fault, 7, "", "ALM", true},
    {Word::Fault, 8, "LOC", "LOC", true},
    {Word::Fault, 9, "REMOTE", "REMOTE", false},
}};

const NamedBit* find(Word word, int bit)
{
    for (const NamedBit& named : Bits) {
        if (named.word == word && named.bit == bit)
            return &named;
    }
    return nullptr;
}

bool isSet(const NamedBit& named, int32_t statusWord, int32_t faultWord)
{
    const int32_t word = named.word == Word::Status ? statusWord : faultWord;
    return (uint32_t(word) >> named.bit) & 1u;
}

QStringList setNames(int32_t statusWord, int32_t faultWord, bool faults)
{
    QStringList names;
    for (const NamedBit& named : Bits) {
        if (named.fault == faults && isSet(named, statusWord, faultWord))
            names << QLatin1String(named.name);
    }
    return names;
}

QString captionOf(Word word, int bit)
{
    const NamedBit* named = find(word, bit);
    return named ? QLatin1String(named->caption) : QString();
}

} // namespace

QString StatusLampCaption(int bit)
{
    return captionOf(Word::Status, bit);
}

QString FaultLampCaption(int bit)
{
    return captionOf(Word::Fault, bit);
}

QString StatusBitName(int bit)
{
    const NamedBit* named = find(Word::Status, bit);
    return named ? QLatin1String(named->name) : QString();
}

QStringList StateNames(int32_t statusWord, int32_t faultWord)
{
    return setNames(statusWord, faultWord, false);
}

QStringList FaultNames(int32_t faultWord)
{
    return setNames(0, faultWord, true);
}

} // namespace dalto::statusbits
