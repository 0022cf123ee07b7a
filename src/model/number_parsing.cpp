#include "model/numbers.h"

#include "model/error.h"
#include "model/number_digits.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

// Number texts into values: the general parser and the one for count fields.

namespace kvor {
namespace {

using numbers_detail::exactScale;
using numbers_detail::isDigit;

locale_t cLocale()
{
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

// Leading blanks (the space character only) and at most one sign; returns where
// the digits begin.
size_t skipBlanksAndSign(std::string_view text, bool& negative)
{
    size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    return i;
}

}  // namespace

std::optional<long double> parseNumber(std::string_view text, char sep)
{
    bool negative = false;
    size_t i = skipBlanksAndSign(text, negative);
    const size_t n = text.size();

    const size_t mantissaBegin = i;
    uint64_t mantissa = 0;
    int significant = 0;      // significant digits collected into mantissa
    int droppedDigits = 0;   // significant digits beyond what the fast path keeps
    int fractionDigits = 0;  // collected digits after the separator
    // The digits before the separator, then those after it. A leading zero
    // leaves the mantissa 0 and is not counted as significant.
    const auto takeDigits = [&](int fraction) {
        for (; i < n && isDigit(text[i]); ++i) {
            if (significant < 19) {
                mantissa = mantissa * 10 + static_cast<uint64_t>(text[i] - '0');
                significant += mantissa != 0;
                fractionDigits += fraction;
            } else {
                ++droppedDigits;  // more than the fast path holds: the C library rounds
            }
        }
    };
    takeDigits(0);
    const size_t integerDigits = i - mantissaBegin;
    if (i < n && text[i] == sep) {
        ++i;
        takeDigits(1);
    }
    const size_t digits = i - mantissaBegin - (i - mantissaBegin > integerDigits ? 1 : 0);
    if (digits == 0)
        return std::nullopt;
    const size_t mantissaEnd = i;

    long exponent = 0;
    bool exponentSaturated = false;
    size_t exponentBegin = i;
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool expNegative = false;
        if (i < n && (text[i] == '+' || text[i] == '-'))
            expNegative = text[i++] == '-';
        int expDigits = 0;
        for (; i < n && isDigit(text[i]); ++i) {
            ++expDigits;
            if (exponent < 100000)
                exponent = exponent * 10 + (text[i] - '0');
            else
                exponentSaturated = true;  // only the C library sees the true exponent
        }
        if (expDigits == 0)
            return std::nullopt;
        if (expNegative)
            exponent = -exponent;
    }
    const size_t exponentEnd = i;
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n)
        return std::nullopt;

    if (mantissa == 0 && droppedDigits == 0)
        return negative ? -0.0L : 0.0L;

    long double value;
    if (droppedDigits == 0 && !exponentSaturated && exactScale(mantissa, static_cast<int>(exponent - fractionDigits), negative, value))
        return value;

    // Slow path: let the C library round the literal correctly.
    std::string literal;
    literal.reserve(n + 2);
    if (negative)
        literal += '-';
    for (size_t k = mantissaBegin; k < mantissaEnd; ++k)
        literal += text[k] == sep ? '.' : text[k];
    literal.append(text.substr(exponentBegin, exponentEnd - exponentBegin));
    errno = 0;
    char* end = nullptr;
    value = strtold_l(literal.c_str(), &end, cLocale());
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

long double toNumber(std::string_view text, char sep)
{
    if (auto v = parseNumber(text, sep))
        return *v;
    throw Error::invalidFloat(text);
}

std::optional<int32_t> parseInteger(std::string_view text)
{
    bool negative = false;
    size_t i = skipBlanksAndSign(text, negative);
    const size_t n = text.size();
    if (i == n)
        return std::nullopt;
    int64_t v = 0;
    for (; i < n; ++i) {
        if (!isDigit(text[i]))
            return std::nullopt;
        v = v * 10 + (text[i] - '0');
        if (v > int64_t{1} << 31)
            return std::nullopt;
    }
    if (negative)
        v = -v;
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(v);
}

int32_t toInteger(std::string_view text)
{
    if (auto v = parseInteger(text))
        return *v;
    throw Error::invalidInteger(text);
}

}  // namespace kvor
