// Number texts far longer than anyone types: a long digit run must not let a
// saturated exponent slip through as a small, wrong value.

#include "model/numbers.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace kvor;

namespace {

// "0," followed by `zeros` zeros, then "1E" and the exponent: 10^(exponent - zeros - 1).
std::string tinyMantissa(std::size_t zeros, const std::string& exponent)
{
    return "0," + std::string(zeros, '0') + "1E" + exponent;
}

struct ExtremeCase {
    const char* name;
    std::string text;
    std::optional<long double> value;  // nothing: no number (beyond the range)
};

// Shown by its name in the test list and in failures.
void PrintTo(const ExtremeCase& c, std::ostream* out) { *out << c.name; }

class ExtremeNumberText : public ::testing::TestWithParam<ExtremeCase> {};

TEST_P(ExtremeNumberText, ParsesToTheTrueValueOrIsRefused)
{
    const ExtremeCase& c = GetParam();
    const auto parsed = parseNumber(c.text, ',');
    ASSERT_EQ(parsed.has_value(), c.value.has_value());
    if (c.value) {
        EXPECT_EQ(*parsed, *c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    LongTexts, ExtremeNumberText,
    ::testing::Values(
        // The exponent of seven digits is 1000000, not the 100000 a capped reading
        // gives (which would make 1E-11 of it).
        ExtremeCase{"SevenDigitExponentOverflows", tinyMantissa(100010, "1000000"), std::nullopt},
        ExtremeCase{"SixDigitExponentCancelsZeros", tinyMantissa(100010, "100011"), 1.0L},
        ExtremeCase{"SevenDigitExponentCancelsZeros", tinyMantissa(1000000, "1000001"), 1.0L},
        ExtremeCase{"LeadingZerosOfExponent", tinyMantissa(100010, "00000000100011"), 1.0L},
        ExtremeCase{"NegativeSevenDigitExponentUnderflows", tinyMantissa(10, "-1000000"), 0.0L},
        ExtremeCase{"MillionDigitsScaledDown", "1" + std::string(1000000, '0') + "E-1000000", 1.0L}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
