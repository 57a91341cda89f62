#include "KeypadEntry.h"

#include "core/LegacyNumbers.h"

namespace dalto::front::hbx {

namespace {

const QChar Point = QLatin1Char('.');
constexpr qsizetype WholeDigits = 4;
constexpr qsizetype WithPoint = 5;

bool isDigit(QChar key)
{
    return key >= QLatin1Char('0') && key <= QLatin1Char('9');
}

// The display keeps its width: the oldest characters are pushed out.
QString pushedOut(const QString& text)
{
    if (!text.contains(Point)) {
        if (text.size() <= WholeDigits)
            return text;
        return legacy::format(legacy::leadingNumber(text.right(WholeDigits)), QStringLiteral("0"));
    }
    if (text.size() <= WithPoint)
        return text;
    const QString kept = text.right(WithPoint);
    if (!kept.startsWith(Point))
        return kept;
    return kept.mid(1, 1) + Point + kept.mid(2);
}

} // namespace

KeypadText ApplyKeypadRules(const QString& text, bool memoryRecall)
{
    if (text.isEmpty())
        return {};
    const QChar key = text.back();
    const QString before = text.chopped(1);
    if (!isDigit(key) && !(key == Point && !before.contains(Point)))
        return {before, false, false};
    const bool point = key == Point;
    if (memoryRecall)
        return {point ? before : QString(key), true, point};
    if (text == Point)
        return {QStringLiteral("0."), true, true};
    return {pushedOut(text), true, point};
}

KeypadText ApplyKeypadChange(const QString& shown, const QString& changed, bool memoryRecall)
{
    const bool appended = changed.size() > shown.size() && changed.startsWith(shown);
    KeypadText result{appended ? shown : QString(), false, false};
    for (const QChar key : changed.mid(result.text.size())) {
        const KeypadText step = ApplyKeypadRules(result.text + key, memoryRecall);
        result.text = step.text;
        if (step.accepted) {
            result.accepted = true;
            result.pointTyped = step.pointTyped;
        }
    }
    return result;
}

float EntryValue(const QString& text)
{
    return float(legacy::leadingNumber(text));
}

} // namespace dalto::front::hbx
