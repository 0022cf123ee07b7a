#include "model/numbers.h"

#include "model/error.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cfloat>
#include <limits>
#include <locale.h>

namespace kvor {
namespace {

// Powers of ten that long double holds exactly: 10^27 = 2^27 * 5^27 and 5^27 < 2^64.
constexpr int kMaxExactPow10 = 27;
constexpr std::array<long double, kMaxExactPow10 + 1> kPow10 = [] {
    std::array<long double, kMaxExactPow10 + 1> p{};
    long double v = 1.0L;
    for (auto& x : p) {
        x = v;
        v *= 10.0L;
    }
    return p;
}();

locale_t cLocale()
{
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

// m * 10^k in one correctly rounded step, when both factors are exact.
bool exactScale(uint64_t m, int k, bool negative, long double& out)
{
    if (k < -kMaxExactPow10 || k > kMaxExactPow10)
        return false;
    long double v = static_cast<long double>(m);  // exact: 64-bit mantissa
    v = k >= 0 ? v * kPow10[k] : v / kPow10[-k];
    out = negative ? -v : v;
    return true;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

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

namespace {

struct Decimal15 {
    bool negative = false;
    uint64_t digits = 0;  // 10^14 <= digits < 10^15
    int exponent = 0;     // decimal exponent of the first digit
};

// Exact rounding through the C library, for the rare values the fast path declines.
Decimal15 decomposeSlow(long double a)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", a);  // d.dddddddddddddde±x, correctly rounded
    Decimal15 d;
    uint64_t m = 0;
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (isDigit(*p))
            m = m * 10 + static_cast<uint64_t>(*p - '0');
    d.digits = m;
    d.exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    return d;
}

#if LDBL_MANT_DIG == 64
// x87 extended: 64-bit mantissa with an explicit integer bit, then sign and exponent.
int binaryExponent(long double a)
{
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &a, sizeof bytes);
    const int biased = (bytes[9] & 0x7f) << 8 | bytes[8];
    return biased - 16383;
}

// Nearest whole number of 0 <= v < 2^62, the fraction it drops, without touching
// the x87 control word: adding 2^63 leaves no fraction bits, so the addition
// itself rounds (to nearest, ties to even) and the mantissa is 2^63 + the result.
uint64_t nearestWhole(long double v, long double& dropped)
{
    constexpr long double k2p63 = 9223372036854775808.0L;
    const long double y = v + k2p63;
    uint64_t mantissa;
    std::memcpy(&mantissa, &y, sizeof mantissa);
    dropped = v - (y - k2p63);
    return mantissa - (uint64_t{1} << 63);
}
#else
int binaryExponent(long double a)
{
    int e2 = 0;
    std::frexp(a, &e2);
    return e2 - 1;
}

uint64_t nearestWhole(long double v, long double& dropped)
{
    const long double r = std::nearbyint(v);
    dropped = v - r;
    return static_cast<uint64_t>(r);
}
#endif

#if LDBL_MANT_DIG == 64
// 5^k for k = 0..27, all below 2^63.
constexpr std::array<uint64_t, kMaxExactPow10 + 1> kPow5 = [] {
    std::array<uint64_t, kMaxExactPow10 + 1> p{};
    uint64_t v = 1;
    for (auto& x : p) {
        x = v;
        v *= 5;
    }
    return p;
}();

// The 15 digits in integer arithmetic, exactly, for 1e-13 <= |x| < 1e15 (the
// values of an evaluation): |x| = M * 2^(E-63) with a 64-bit mantissa M, so
// |x| * 10^k = M * 5^k * 2^(E-63+k), a 128-bit product shifted right, whose
// dropped bits tell the rounding exactly. An exact tie is left to the C
// library, like any value outside that range: returns false then.
inline bool decomposeExact(long double x, Decimal15& d)
{
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &x, sizeof bytes);
    uint64_t mantissa;
    std::memcpy(&mantissa, bytes, sizeof mantissa);
    const int e2 = ((bytes[9] & 0x7f) << 8 | bytes[8]) - 16383;
    if (e2 < -44 || e2 > 49 || (mantissa >> 63) == 0)
        return false;
    // floor(log10 2^e2) (78913 / 2^18 ~ log10 2): the decimal exponent or one less.
    int e = e2 >= 0 ? (e2 * 78913) >> 18 : -((-e2 * 78913 + (1 << 18) - 1) >> 18);
    for (int attempt = 0; attempt < 2; ++attempt, ++e) {
        const int k = 14 - e;
        if (k < 0 || k > kMaxExactPow10)
            return false;
        const unsigned __int128 product = static_cast<unsigned __int128>(mantissa) * kPow5[static_cast<size_t>(k)];
        const int shift = 63 - e2 - k;  // between 1 and 107 in this range
        uint64_t digits = static_cast<uint64_t>(product >> shift);
        if (digits >= 1000000000000000ULL)
            continue;  // the estimate was one too low
        const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
        const unsigned __int128 dropped = product & ((half << 1) - 1);
        if (dropped == half)
            return false;
        if (dropped > half)
            ++digits;
        if (digits == 1000000000000000ULL) {
            digits = 100000000000000ULL;
            ++e;
        }
        d.negative = bytes[9] & 0x80;
        d.digits = digits;
        d.exponent = e;
        return true;
    }
    return false;
}
#else
bool decomposeExact(long double, Decimal15&) { return false; }
#endif

Decimal15 decompose(long double x)
{
    if (Decimal15 d; decomposeExact(x, d))
        return d;
    const bool negative = std::signbit(x);
    const long double a = std::fabs(x);
    // floor(log10(2^e2)) in integer arithmetic (78913 / 2^18 ~ log10 2); the decimal
    // exponent is this or one more, which the range test below settles.
    const int e2 = binaryExponent(a);
    int e = e2 >= 0 ? (e2 * 78913) >> 18 : -((-e2 * 78913 + (1 << 18) - 1) >> 18);
    Decimal15 d;
    bool done = false;
    for (int attempt = 0; attempt < 3 && !done; ++attempt) {
        const int k = 14 - e;
        if (k < -2 * kMaxExactPow10 || k > 2 * kMaxExactPow10)
            break;
        long double scaled = a;
        // At most two correctly rounded steps: the relative error stays below 2^-63,
        // far less than the margin kept to a rounding tie below.
        int rest = k;
        while (rest != 0) {
            const int step = rest > 0 ? std::min(rest, kMaxExactPow10) : std::max(rest, -kMaxExactPow10);
            scaled = step > 0 ? scaled * kPow10[step] : scaled / kPow10[-step];
            rest -= step;
        }
        if (scaled < 1e14L) {
            --e;
            continue;
        }
        if (scaled >= 1e15L) {
            ++e;
            continue;
        }
        long double dropped;
        uint64_t digits = nearestWhole(scaled, dropped);
        if (std::fabs(dropped) > 0.5L - 1e-3L)
            break;  // too close to a tie to trust: round exactly
        if (digits == 1000000000000000ULL) {
            digits = 100000000000000ULL;
            ++e;
        }
        d.digits = digits;
        d.exponent = e;
        done = true;
    }
    if (!done)
        d = decomposeSlow(a);
    d.negative = negative;
    return d;
}

}  // namespace

namespace {

// Appends to a NumberText; the general format never needs more than 23 characters.
class TextBuffer {
public:
    explicit TextBuffer(NumberText& out) : out_(out) { out_.size = 0; }
    void put(char c) { out_.text[out_.size++] = c; }
    void put(const char* s, size_t n)
    {
        std::memcpy(out_.text + out_.size, s, n);
        out_.size = static_cast<unsigned char>(out_.size + n);
    }
    void repeat(char c, size_t n)
    {
        std::memset(out_.text + out_.size, c, n);
        out_.size = static_cast<unsigned char>(out_.size + n);
    }

private:
    NumberText& out_;
};

void putExponent(TextBuffer& b, int e)
{
    char digits[8];
    int n = 0;
    if (e < 0)
        b.put('-');
    unsigned v = static_cast<unsigned>(e < 0 ? -e : e);
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (v != 0);
    while (n > 0)
        b.put(digits[--n]);
}

NumberText literalText(const char* text, long double value)
{
    NumberText out;
    TextBuffer b(out);
    b.put(text, std::strlen(text));
    out.reread = value;
    return out;
}

}  // namespace

NumberText formatNumberText(long double x, char sep)
{
    if (std::isnan(x))
        return literalText("NAN", x);
    if (std::isinf(x))
        return literalText(x > 0 ? "INF" : "-INF", x);
    if (x == 0)
        return literalText("0", 0.0L);

    Decimal15 d = decompose(x);
    uint64_t digits = d.digits;
    int count = 15;
    while (digits % 10 == 0) {
        digits /= 10;
        --count;
    }
    char raw[16];
    for (int i = count - 1; i >= 0; --i) {
        raw[i] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    const int e = d.exponent;

    NumberText out;
    TextBuffer b(out);
    if (d.negative)
        b.put('-');
    if (e < -4 || e >= 15) {
        b.put(raw[0]);
        if (count > 1) {
            b.put(sep);
            b.put(raw + 1, static_cast<size_t>(count - 1));
        }
        b.put('E');
        putExponent(b, e);
    } else if (e >= 0) {
        if (count <= e + 1) {
            b.put(raw, static_cast<size_t>(count));
            b.repeat('0', static_cast<size_t>(e + 1 - count));
        } else {
            b.put(raw, static_cast<size_t>(e + 1));
            b.put(sep);
            b.put(raw + e + 1, static_cast<size_t>(count - e - 1));
        }
    } else {
        b.put('0');
        b.put(sep);
        b.repeat('0', static_cast<size_t>(-e - 1));
        b.put(raw, static_cast<size_t>(count));
    }

    uint64_t m = 0;
    for (int i = 0; i < count; ++i)
        m = m * 10 + static_cast<uint64_t>(raw[i] - '0');
    if (!exactScale(m, e - (count - 1), d.negative, out.reread))
        out.reread = *parseNumber(out.view(), sep);
    return out;
}

long double roundTo15(long double x)
{
    // digits * 10^(exponent-14) in one correctly rounded step is the value of
    // the text, with or without its trailing zeros.
    Decimal15 d;
    long double reread;
    if (decomposeExact(x, d) && exactScale(d.digits, d.exponent - 14, d.negative, reread))
        return reread;  // the common case: zero and non-finite values are declined there
    if (!std::isfinite(x))
        return x;
    if (x == 0)
        return 0.0L;  // the text "0" reads back as +0
    d = decompose(x);
    if (exactScale(d.digits, d.exponent - 14, d.negative, reread))
        return reread;
    uint64_t m = d.digits;
    int count = 15;
    while (m % 10 == 0) {
        m /= 10;
        --count;
    }
    if (exactScale(m, d.exponent - (count - 1), d.negative, reread))
        return reread;
    return formatNumberText(x, '.').reread;
}

FormattedNumber formatAndReread(long double x, char sep)
{
    const NumberText t = formatNumberText(x, sep);
    return {std::string(t.view()), t.reread};
}

std::string formatNumber(long double x, char sep) { return formatAndReread(x, sep).text; }

namespace {

constexpr int kMaxReadingDecimals = 30;

// The 15 digits of |x| rounded, an exact half away from zero, to the digit of
// weight 10^-decimals: the whole number |x|·10^decimals as decimal digits.
std::string roundedDigits(const Decimal15& d, int decimals)
{
    const int shift = d.exponent - 14 + decimals;  // |x|·10^decimals = digits·10^shift
    if (shift >= 0)
        return std::to_string(d.digits) + std::string(static_cast<size_t>(shift), '0');
    if (shift < -15)
        return "0";
    uint64_t divisor = 1;
    for (int i = 0; i < -shift; ++i)
        divisor *= 10;
    uint64_t whole = d.digits / divisor;
    if ((d.digits % divisor) * 2 >= divisor)
        ++whole;
    return std::to_string(whole);
}

// Whole digits and `decimals` places of a rounded magnitude.
std::string placeSeparator(std::string digits, int decimals, bool negative, char sep)
{
    const auto places = static_cast<size_t>(decimals);
    if (digits.size() <= places)
        digits.insert(0, places + 1 - digits.size(), '0');
    if (places > 0)
        digits.insert(digits.size() - places, 1, sep);
    const bool zero = digits.find_first_not_of(std::string("0") + sep) == std::string::npos;
    return negative && !zero ? "-" + digits : digits;
}

void trimZeros(std::string& text, char sep)
{
    const size_t at = text.find(sep);
    if (at == std::string::npos)
        return;
    size_t end = text.size();
    while (end > at + 1 && text[end - 1] == '0')
        --end;
    if (end == at + 1)
        --end;
    text.erase(end);
}

bool readableInFixed(long double x) { return std::isfinite(x) && std::fabs(x) < 1e15L; }

}  // namespace

std::string formatFixed(long double x, int decimals, char sep)
{
    decimals = std::clamp(decimals, 0, kMaxReadingDecimals);
    if (!readableInFixed(x))
        return formatNumber(x, sep);
    if (x == 0)
        return placeSeparator("0", decimals, false, sep);
    const Decimal15 d = decompose(x);
    return placeSeparator(roundedDigits(d, decimals), decimals, d.negative, sep);
}

std::string formatSignificant(long double x, int digits, char sep)
{
    digits = std::clamp(digits, 1, 15);
    if (!std::isfinite(x) || x == 0)
        return formatNumber(x, sep);
    const Decimal15 d = decompose(x);
    uint64_t divisor = 1;
    for (int i = digits; i < 15; ++i)
        divisor *= 10;
    uint64_t kept = d.digits / divisor;
    if ((d.digits % divisor) * 2 >= divisor)
        ++kept;
    int e = d.exponent;
    if (kept * divisor == 1000000000000000ULL) {  // 9,99995 to five digits is 10
        kept /= 10;
        ++e;
    }
    const std::string mantissa = std::to_string(kept);  // `digits` digits
    std::string text;
    if (e < -4 || e >= 15) {
        text = mantissa.substr(0, 1);
        if (mantissa.size() > 1)
            text += sep + mantissa.substr(1);
        trimZeros(text, sep);
        text += "E" + std::to_string(e);
    } else {
        const int decimals = std::max(0, digits - 1 - e);
        text = placeSeparator(mantissa + std::string(static_cast<size_t>(std::max(0, e - digits + 1)), '0'), decimals,
                              false, sep);
        trimZeros(text, sep);
    }
    return d.negative ? "-" + text : text;
}

std::string formatToResolution(long double x, long double resolution, char sep)
{
    int decimals = 0;
    if (std::isfinite(resolution) && resolution > 0)
        decimals = std::clamp(static_cast<int>(std::ceil(-std::log10(resolution) - 1e-9L)), 0, kMaxReadingDecimals);
    std::string text = formatFixed(x, decimals, sep);
    trimZeros(text, sep);
    return text;
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

std::string formatInteger(long long value) { return std::to_string(value); }

long double roundHalfEven(long double x)
{
    // nearbyint follows the rounding mode, which is round-to-nearest-even unless changed.
    return std::nearbyint(x);
}

long double truncTowardZero(long double x) { return std::trunc(x); }

long double checkedDivide(long double x, long double y)
{
    if (y == 0) {
        if (x == 0 || std::isnan(x))
            throw Error::invalidOperation();
        throw Error::divisionByZero();
    }
    return checkedFinite(x / y);
}

void failNotFinite(long double x)
{
    if (std::isnan(x))
        throw Error::invalidOperation();
    throw Error::overflow();
}

}  // namespace kvor
