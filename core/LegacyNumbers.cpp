#include "LegacyNumbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace dalto::legacy {

namespace {

bool isSkippedBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

int digitValue(QChar c, int base)
{
    int v = -1;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        v = c.unicode() - '0';
    else if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        v = c.unicode() - 'a' + 10;
    else if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        v = c.unicode() - 'A' + 10;
    return v < base ? v : -1;
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The digits of base from text[pos] on, up to the first other character. Empty when
// the value needs more than 32 bits; *exact gets the value in any case.
std::optional<uint32_t> radixDigits(const QString& text, qsizetype pos, int base, double* exact = nullptr)
{
    double full = 0;
    uint64_t value = 0;
    bool overflow = false;
    for (; pos < text.size(); ++pos) {
        const int d = digitValue(text[pos], base);
        if (d < 0)
            break;
        full = full * base + d;
        value = value * uint64_t(base) + uint64_t(d);
        if (value > std::numeric_limits<uint32_t>::max())
            overflow = true;
    }
    if (exact)
        *exact = full;
    if (overflow)
        return std::nullopt;
    return uint32_t(value);
}

// Decimal number at the start of text (sign, digits, point, exponent with E or D).
double decimalPrefix(const QString& text)
{
    std::string number;
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        negative = text[i++] == QLatin1Char('-');
    bool anyDigit = false;
    for (; i < text.size() && isDigit(text[i]); ++i, anyDigit = true)
        number += char(text[i].unicode());
    if (i < text.size() && text[i] == QLatin1Char('.')) {
        number += '.';
        for (++i; i < text.size() && isDigit(text[i]); ++i, anyDigit = true)
            number += char(text[i].unicode());
    }
    if (!anyDigit)
        return 0;
    if (i < text.size() && QStringLiteral("eEdD").contains(text[i])) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            exponent += char(text[j++].unicode());
        if (j < text.size() && isDigit(text[j])) {
            for (; j < text.size() && isDigit(text[j]); ++j)
                exponent += char(text[j].unicode());
            number += exponent;
        }
    }
    if (number.front() == '.')
        number.insert(number.begin(), '0');
    double value = 0;
    if (std::from_chars(number.data(), number.data() + number.size(), value).ec == std::errc::result_out_of_range)
        value = number.find("e-") != std::string::npos ? 0.0 : std::numeric_limits<double>::infinity();
    return negative ? -value : value;
}

// Rounds a non-negative value to `places` decimals, halves away from zero, and
// returns its integer digits and its `places` fraction digits.
std::pair<std::string, std::string> roundDecimal(double magnitude, int places)
{
    // Fifteen significant digits first, so that 2.675 (stored as 2.67499999...)
    // rounds the way the decimal text reads.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, 14);
    const std::string sci(buf, res.ptr);
    const auto ePos = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, ePos - 2);
    const int pointPos = std::stoi(sci.substr(ePos + 1)) + 1;

    std::string whole, fraction;
    if (pointPos > 0) {
        if (pointPos >= int(digits.size()))
            digits.append(size_t(pointPos) - digits.size(), '0');
        whole = digits.substr(0, size_t(pointPos));
        fraction = digits.substr(size_t(pointPos));
    } else {
        whole = "0";
        fraction = std::string(size_t(-pointPos), '0') + digits;
    }
    const bool roundUp = int(fraction.size()) > places && fraction[size_t(places)] >= '5';
    fraction.resize(size_t(places), '0');
    if (roundUp) {
        std::string all = whole + fraction;
        int i = int(all.size()) - 1;
        for (; i >= 0 && all[size_t(i)] == '9'; --i)
            all[size_t(i)] = '0';
        if (i < 0)
            all.insert(all.begin(), '1');
        else
            ++all[size_t(i)];
        whole = all.substr(0, all.size() - size_t(places));
        fraction = all.substr(all.size() - size_t(places));
    }
    return {whole, fraction};
}

// The general number form: the shortest text that reads back as the same Single.
QString generalForm(double value)
{
    const float single = float(value);
    if (!std::isfinite(single))
        return QString::number(value);
    char buf[64];
    const float magnitude = std::fabs(single);
    const bool plain = magnitude == 0 || (magnitude >= 1e-4f && magnitude < 1e15f);
    const auto res = plain ? std::to_chars(buf, buf + sizeof buf, single, std::chars_format::fixed)
                           : std::to_chars(buf, buf + sizeof buf, single, std::chars_format::scientific);
    return QString::fromLatin1(buf, int(res.ptr - buf)).toUpper();
}

template <typename Int>
std::optional<Int> roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    double rounded = std::floor(value);
    const double rest = value - rounded;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(rounded, 2.0) != 0))
        rounded += 1;
    if (rounded < double(std::numeric_limits<Int>::min()) || rounded > double(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return Int(rounded);
}

} // namespace

double leadingNumber(const QString& text)
{
    QString compact;
    compact.reserve(text.size());
    for (const QChar c : text)
        if (!isSkippedBlank(c))
            compact += c;

    if (compact.size() >= 2 && compact[0] == QLatin1Char('&')) {
        const QChar kind = compact[1].toUpper();
        const int base = kind == QLatin1Char('H') ? 16 : kind == QLatin1Char('O') ? 8 : 0;
        if (base == 0)
            return 0;
        double exact = 0;
        const auto bits = radixDigits(compact, 2, base, &exact);
        return bits ? double(int32_t(*bits)) : exact;
    }
    return decimalPrefix(compact);
}

std::optional<int32_t> hexLong(const QString& digits)
{
    qsizetype pos = 0;
    while (pos < digits.size() && (isSkippedBlank(digits[pos]) || digits[pos] == QLatin1Char('\r')))
        ++pos;
    const auto bits = radixDigits(digits, pos, 16);
    if (!bits)
        return std::nullopt;
    return int32_t(*bits);
}

std::optional<int16_t> toInteger(double value)
{
    return roundHalfEven<int16_t>(value);
}

std::optional<int32_t> toLong(double value)
{
    return roundHalfEven<int32_t>(value);
}

QString format(double value, const QString& pattern)
{
    if (pattern.isEmpty())
        return generalForm(value);
    if (!std::isfinite(value))
        return QString::number(value);

    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QString wholePattern = point < 0 ? pattern : pattern.left(point);
    const QString fractionPattern = point < 0 ? QString() : pattern.mid(point + 1);
    const int minWhole = int(wholePattern.count(QLatin1Char('0')));
    const int minFraction = int(fractionPattern.count(QLatin1Char('0')));
    const int places = minFraction + int(fractionPattern.count(QLatin1Char('#')));

    auto [whole, fraction] = roundDecimal(std::fabs(value), places);
    while (int(fraction.size()) > minFraction && fraction.back() == '0')
        fraction.pop_back();
    const auto firstNonZero = whole.find_first_not_of('0');
    whole = firstNonZero == std::string::npos ? std::string() : whole.substr(firstNonZero);
    if (int(whole.size()) < minWhole)
        whole.insert(0, size_t(minWhole) - whole.size(), '0');

    // A value that rounds to zero is shown without a minus sign.
    const bool nonZero = (whole + fraction).find_first_not_of('0') != std::string::npos;
    std::string text = (value < 0 && nonZero) ? "-" : "";
    text += whole;
    if (point >= 0)
        text += "." + fraction;
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QString hex(int32_t value)
{
    return QString::number(uint32_t(value), 16).toUpper();
}

} // namespace dalto::legacy
