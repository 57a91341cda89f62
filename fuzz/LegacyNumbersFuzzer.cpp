// The legacy number conversions: leading-number reading, "&H" hexadecimal, the
// half-to-even roundings and the format patterns. Input: a number text, a format
// pattern, then four bytes of a 32-bit value.

#include "FuzzInput.h"
#include "core/LegacyNumbers.h"

#include <QRegularExpression>
#include <cmath>

using namespace dalto;
using namespace dalto::fuzz;

namespace {

int32_t wholeNumber(FuzzInput& input)
{
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = value << 8 | input.byte();
    return int32_t(value);
}

void checkRounding(double value, const QString& source)
{
    if (const auto rounded = legacy::toLong(value))
        FUZZ_CHECK(std::fabs(*rounded - value) <= 0.5, source);
    else
        FUZZ_CHECK(!std::isfinite(value) || std::fabs(value) > 2147483647.0, source);
    if (const auto rounded = legacy::toInteger(value))
        FUZZ_CHECK(std::fabs(*rounded - value) <= 0.5, source);
}

// A fixed pattern shows the value to its decimals, in digits, a point and a sign.
void checkFixedFormat(double value, const QString& source)
{
    static const QRegularExpression shape(QStringLiteral("^-?\\d+\\.\\d{3}\\z"));
    const QString shown = legacy::format(value, QStringLiteral("0.000"));
    FUZZ_CHECK(shape.match(shown).hasMatch(), source + QStringLiteral(" -> ") + shown);
    // Fifteen digits of the largest doubles read back beyond the range.
    if (std::fabs(value) > 1e300)
        return;
    const double back = legacy::leadingNumber(shown);
    FUZZ_CHECK(std::fabs(back - value) <= 0.000501 + std::fabs(value) * 1e-14, source + QStringLiteral(" -> ") + shown);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const QString number = text(input.next());
    const QString pattern = text(input.next());
    const int32_t whole = wholeNumber(input);

    const double value = legacy::leadingNumber(number);
    FUZZ_CHECK(!std::isnan(value), number);
    checkRounding(value, number);
    if (std::isfinite(value))
        checkFixedFormat(value, number);
    legacy::format(value, pattern);
    legacy::hexLong(number);

    // The protocol's own hexadecimal reads back as the value it came from.
    const QString hex = legacy::hex(whole);
    FUZZ_CHECK(legacy::hexLong(hex) == whole, hex);
    FUZZ_CHECK(legacy::leadingNumber(QStringLiteral("&H") + hex) == whole, hex);
    FUZZ_CHECK(legacy::toLong(whole) == whole, hex);
    return 0;
}
