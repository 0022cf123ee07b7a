#include "model/decimal15.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace kvor::numbers_detail {
namespace {

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

}  // namespace

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

}  // namespace kvor::numbers_detail
