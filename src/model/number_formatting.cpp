#include "model/numbers.h"

#include "model/decimal15.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// Values into number texts: the general format with 15 digits, the value its
// text reads back as, and the texts rounded for reading.

namespace kvor {
namespace {

using numbers_detail::decompose;
using numbers_detail::decomposeExact;
using numbers_detail::Decimal15;
using numbers_detail::exactScale;

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

#if LDBL_MANT_DIG == 64
// roundTo15 where the digits come out of integer arithmetic exactly, as in
// decomposeExact, for 1e-13 <= |x| < 1e15 (every value of an evaluation):
// the 15 digits d and the scale k with d / 10^k the rounded value, which one
// correctly rounded division (both exact in long double) gives. Declines,
// returning false, an exact tie and anything outside that range.
bool roundTo15Exact(long double x, long double& out)
{
    numbers_detail::ExtendedParts parts;
    if (!numbers_detail::readExtended(x, parts))
        return false;
    const uint64_t mantissa = parts.mantissa;
    const int e2 = parts.binaryExponent;
    int k = 14 - parts.decimalEstimate;
    if (k > numbers_detail::kMaxExactPow10)
        return false;
    constexpr uint64_t kTen15 = 1000000000000000ULL;
    // |x| * 10^k = mantissa * 5^k * 2^(e2 - 63 + k); shift between 1 and 107 here.
    unsigned __int128 product = static_cast<unsigned __int128>(mantissa) * numbers_detail::kPow5[static_cast<size_t>(k)];
    int shift = 63 - e2 - k;
    uint64_t digits = static_cast<uint64_t>(product >> shift);
    if (digits >= kTen15) {
        // The exponent was the higher one: one digit fewer.
        if (--k < 0)
            return false;
        product = static_cast<unsigned __int128>(mantissa) * numbers_detail::kPow5[static_cast<size_t>(k)];
        ++shift;
        digits = static_cast<uint64_t>(product >> shift);
        if (digits >= kTen15)
            return false;
    }
    const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
    const unsigned __int128 dropped = product & ((half << 1) - 1);
    if (dropped == half)
        return false;
    digits += dropped > half ? 1 : 0;  // 10^15 itself divides as exactly as 15 digits
    // Below 2^50: a signed conversion, exact.
    const long double value = static_cast<long double>(static_cast<int64_t>(digits)) / numbers_detail::kPow10[static_cast<size_t>(k)];
    out = parts.negative ? -value : value;
    return true;
}
#else
bool roundTo15Exact(long double, long double&) { return false; }
#endif

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
    long double reread;
    if (roundTo15Exact(x, reread))
        return reread;  // the common case: zero and non-finite values are declined there
    Decimal15 d;
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

std::string formatInteger(long long value) { return std::to_string(value); }

}  // namespace kvor
