// The register panels' binary and hexadecimal forms. Input: a typed binary entry,
// then four bytes of a register value and one byte choosing the width.

#include "FuzzInput.h"
#include "protocol/RegisterFormats.h"

using namespace dalto;
using namespace dalto::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const QString typed = text(input.next());
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits = bits << 8 | input.byte();
    const int32_t value = int32_t(bits);
    const int16_t wide = input.byte() & 1;

    FUZZ_CHECK(ParseBinary(typed) >= 0, typed);

    // What the panel shows reads back as the bits it shows.
    const QString shown = FormatBinary(value, wide);
    FUZZ_CHECK(shown.size() == (wide ? 19 : 9), shown);
    FUZZ_CHECK(ParseBinary(shown) == (value & (wide ? 0xFFFF : 0xFF)), shown);
    const QString hex = FormatHex16(value);
    FUZZ_CHECK(hex.size() == 5 && hex[2] == QLatin1Char(' '), hex);
    return 0;
}
