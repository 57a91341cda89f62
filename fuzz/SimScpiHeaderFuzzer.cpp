// dalto-sim's SCPI parsing below the command level: header matching against the
// command table and against a pattern, and the parameter readers. Input: a
// header, a pattern, a parameter text.

#include "FuzzInput.h"
#include "sim/ScpiArguments.h"
#include "sim/ScpiCommandTable.h"
#include "sim/ScpiHeader.h"

#include <QRegularExpression>
#include <cmath>

using namespace dalto;
using namespace dalto::fuzz;

namespace {

// Patterns as the command table writes them: nodes of letters, optional ones in
// brackets, at most a few so that a miss stays cheap.
bool wellFormed(const QString& pattern)
{
    static const QRegularExpression shape(QStringLiteral(
        "^(\\[[A-Za-z]+\\]|[A-Za-z]+)(\\[:[A-Za-z]+\\]|:[A-Za-z]+){0,5}\\z"));
    return shape.match(pattern).hasMatch();
}

void checkParameters(const QString& parameters)
{
    if (const auto number = sim::scpi::toNumber(parameters)) {
        FUZZ_CHECK(std::isfinite(*number), parameters);
        // A value written back reads as itself.
        const auto back = sim::scpi::toNumber(sim::scpi::formatPlain(*number));
        FUZZ_CHECK(back && std::fabs(*back - *number) <= std::fabs(*number) * 1e-11 + 1e-300, parameters);
    }
    if (const auto whole = sim::scpi::toInteger(parameters))
        FUZZ_CHECK(sim::scpi::toNumber(parameters) == double(*whole), parameters);
    sim::scpi::toBoolean(parameters);
    FUZZ_CHECK(sim::scpi::splitParameters(parameters).size() == parameters.count(QLatin1Char(',')) + 1, parameters);
    FUZZ_CHECK(sim::scpi::toText(parameters).size() <= parameters.size(), parameters);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const QString header = text(input.next());
    const QString pattern = text(input.next());
    const QString parameters = text(input.next());

    sim::findScpiCommand(header);
    if (wellFormed(pattern)) {
        const sim::ScpiHeaderPattern compiled(pattern);
        compiled.matches(header);
        // Every node spelled out in its long form always matches.
        QString longForm = pattern;
        longForm.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
        FUZZ_CHECK(compiled.matches(longForm) && compiled.matches(QLatin1Char(':') + longForm.toLower()), pattern);
    }
    checkParameters(parameters);
    return 0;
}
