#pragma once
// What the files of the number module share (numbers.h is its contract for
// everyone else): the powers of ten a long double holds exactly and the one
// correctly rounded scaling by them.

#include <array>
#include <cstdint>

namespace kvor::numbers_detail {

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

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// m * 10^k in one correctly rounded step, when both factors are exact.
inline bool exactScale(uint64_t m, int k, bool negative, long double& out)
{
    if (k < -kMaxExactPow10 || k > kMaxExactPow10)
        return false;
    long double v = static_cast<long double>(m);  // exact: 64-bit mantissa
    v = k >= 0 ? v * kPow10[k] : v / kPow10[-k];
    out = negative ? -v : v;
    return true;
}

}  // namespace kvor::numbers_detail
