#pragma once
// What every fuzz target shares: a property check that stops the run with a
// readable message (assert() is compiled out in optimised builds), and the
// decimal separator a run uses, taken from one input byte.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace kvor::fuzz {

// Stops the run (libFuzzer records the input as a crash) when a property fails.
inline void require(bool holds, std::string_view property, std::string_view detail = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "\nproperty violated: %.*s\n  %.*s\n", static_cast<int>(property.size()),
                 property.data(), static_cast<int>(detail.size()), detail.data());
    std::abort();
}

// A Czech system writes a decimal comma, others a point; both must hold up.
inline char separatorFrom(uint8_t byte) { return (byte & 1) != 0 ? ',' : '.'; }

}  // namespace kvor::fuzz
