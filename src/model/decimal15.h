#pragma once
// The 15 significant decimal digits of a long double, correctly rounded: the
// step every text of the general format and every re-read value starts from.
// The exact integer path depends on the layout of the x87 extended format;
// other platforms take the general path (decimal15.cpp) alone.

#include "model/number_digits.h"

#include <cfloat>
#include <cstdint>
#include <cstring>

namespace kvor::numbers_detail {

struct Decimal15 {
    bool negative = false;
    uint64_t digits = 0;  // 10^14 <= digits < 10^15
    int exponent = 0;     // decimal exponent of the first digit
};

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

// The fields of an x87 extended value: |x| = mantissa * 2^(binaryExponent-63),
// and the first estimate of its decimal exponent.
struct ExtendedParts {
    bool negative = false;
    uint64_t mantissa = 0;
    int binaryExponent = 0;
    int decimalEstimate = 0;  // the decimal exponent of |x| or one less
};

// Reads x into its fields; false outside 2^-44 <= |x| < 2^50 (and for zero,
// denormals and the non-finite values), which the exact paths decline.
inline bool readExtended(long double x, ExtendedParts& p)
{
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &x, sizeof bytes);
    std::memcpy(&p.mantissa, bytes, sizeof p.mantissa);
    p.negative = bytes[9] & 0x80;
    const int e2 = ((bytes[9] & 0x7f) << 8 | bytes[8]) - 16383;
    p.binaryExponent = e2;
    if (e2 < -44 || e2 > 49 || (p.mantissa >> 63) == 0)
        return false;
    // floor(log10 2^e2) (78913 / 2^18 ~ log10 2).
    p.decimalEstimate = e2 >= 0 ? (e2 * 78913) >> 18 : -((-e2 * 78913 + (1 << 18) - 1) >> 18);
    return true;
}

// The 15 digits in integer arithmetic, exactly, for 1e-13 <= |x| < 1e15 (the
// values of an evaluation): |x| = M * 2^(E-63) with a 64-bit mantissa M, so
// |x| * 10^k = M * 5^k * 2^(E-63+k), a 128-bit product shifted right, whose
// dropped bits tell the rounding exactly. An exact tie is left to the C
// library, like any value outside that range: returns false then.
inline bool decomposeExact(long double x, Decimal15& d)
{
    ExtendedParts parts;
    if (!readExtended(x, parts))
        return false;
    const uint64_t mantissa = parts.mantissa;
    const int e2 = parts.binaryExponent;
    int e = parts.decimalEstimate;
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
        d.negative = parts.negative;
        d.digits = digits;
        d.exponent = e;
        return true;
    }
    return false;
}
#else
inline bool decomposeExact(long double, Decimal15&) { return false; }
#endif

// The 15 digits of a finite, non-zero x: the exact path where it applies,
// else scaling by powers of ten with a margin to a tie, else the C library.
Decimal15 decompose(long double x);

}  // namespace kvor::numbers_detail
