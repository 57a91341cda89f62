#pragma once
// The bench's own ceilings on what may be set: the highest voltage, current,
// over-voltage and over-current trip levels, kept in the [Limits] section of the
// settings file. A ceiling left empty leaves the supply's rating as the ceiling.

#include <QString>
#include <array>
#include <cstddef>
#include <optional>

namespace dalto {

// What a set point sets. The values are the DeviceState positions of the four.
enum class SetPointKind { Voltage = 0, Current = 1, OverVoltage = 2, OverCurrent = 3 };
inline constexpr std::size_t SetPointKindCount = 4;

// One ceiling as the settings file holds it.
struct BenchLimit {
    QString text;                // as stored; empty when no ceiling is set
    std::optional<double> value; // the ceiling, when text is a usable one

    bool isSet() const { return !text.isEmpty(); }
    // Set, but not a number of 0 or more: every value of its kind is refused
    // until it is mended, rather than the bench running unguarded.
    bool unreadable() const { return isSet() && !value; }
};

struct BenchLimits {
    std::array<BenchLimit, SetPointKindCount> byKind;

    const BenchLimit& operator[](SetPointKind kind) const { return byKind[std::size_t(kind)]; }
    BenchLimit& operator[](SetPointKind kind) { return byKind[std::size_t(kind)]; }
};

// A ceiling from its text: blanks around it are dropped; an empty text sets none.
BenchLimit ParseBenchLimit(const QString& text);

// The [Limits] keys Voltage, Current, OVP and OCP; missing keys set no ceiling.
BenchLimits ReadBenchLimits(const QString& iniPath);
// Writes all four keys in one replacement of the file (an empty text for no
// ceiling). False, with the reason in *error, when the file could not be written.
bool SaveBenchLimits(const QString& iniPath, const BenchLimits& limits, QString* error = nullptr);

} // namespace dalto
