#include "model/error.h"
#include "model/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

using namespace kvor;

namespace {

struct ParseCase {
    const char* text;
    char sep;
    bool isNumber;
    long double value;
};

// Shown as the text and the separator, in the test list and in failures.
void PrintTo(const ParseCase& c, std::ostream* out)
{
    *out << ::testing::PrintToString(std::string(c.text)) << " with '" << c.sep << "'";
}

class ParseNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, FollowsTheTextConvention)
{
    const ParseCase& c = GetParam();
    auto v = parseNumber(c.text, c.sep);
    ASSERT_EQ(v.has_value(), c.isNumber) << '"' << c.text << '"';
    if (c.isNumber) {
        EXPECT_EQ(*v, c.value) << '"' << c.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseNumberTest,
    ::testing::Values(ParseCase{"0", ',', true, 0.0L}, ParseCase{"12", ',', true, 12.0L},
                      ParseCase{"0,3", ',', true, 0.3L}, ParseCase{"0.3", ',', false, 0},
                      ParseCase{"0.3", '.', true, 0.3L}, ParseCase{"0,3", '.', false, 0},
                      ParseCase{"  -2,5  ", ',', true, -2.5L}, ParseCase{"+7", ',', true, 7.0L},
                      ParseCase{",5", ',', true, 0.5L}, ParseCase{"5,", ',', true, 5.0L},
                      ParseCase{",", ',', false, 0}, ParseCase{"", ',', false, 0},
                      ParseCase{"   ", ',', false, 0}, ParseCase{"-", ',', false, 0},
                      ParseCase{"1,2E-5", ',', true, 1.2e-5L}, ParseCase{"1e20", ',', true, 1e20L},
                      ParseCase{"1E+3", ',', true, 1000.0L}, ParseCase{"1E", ',', false, 0},
                      ParseCase{"1E+", ',', false, 0}, ParseCase{"E5", ',', false, 0},
                      ParseCase{"1 000", ',', false, 0}, ParseCase{"1,000,5", ',', false, 0},
                      ParseCase{"--1", ',', false, 0}, ParseCase{"1\t", ',', false, 0},
                      ParseCase{"\t1", ',', false, 0}, ParseCase{"1x", ',', false, 0},
                      ParseCase{"1e99999", ',', false, 0}, ParseCase{"1e-99999", ',', true, 0.0L},
                      ParseCase{"0000,0010", ',', true, 0.001L},
                      ParseCase{"12345678901234567890123", ',', true, 12345678901234567890123.0L},
                      ParseCase{"0,1234567890123456789012", ',', true, 0.1234567890123456789012L}));

TEST(ParseNumber, IsCorrectlyRoundedAgainstTheCLibrary)
{
    std::mt19937_64 rng(42);
    std::uniform_int_distribution<int> digit(0, 9), len(1, 22), exp(-60, 60);
    for (int i = 0; i < 20000; ++i) {
        std::string t;
        const int n = len(rng);
        for (int k = 0; k < n; ++k)
            t += static_cast<char>('0' + digit(rng));
        if (n > 1 && i % 2)
            t.insert(static_cast<size_t>(n / 2), 1, ',');
        t += 'E';
        t += std::to_string(exp(rng));
        std::string c = t;
        for (char& ch : c)
            if (ch == ',')
                ch = '.';
        const long double expected = std::strtold(c.c_str(), nullptr);
        auto v = parseNumber(t, ',');
        ASSERT_TRUE(v) << t;
        ASSERT_EQ(*v, expected) << t;
    }
}

TEST(ToNumber, ThrowsTheConversionError)
{
    try {
        toNumber("abc", ',');
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
}

struct FormatCase {
    long double value;
    const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* out) { *out << ::testing::PrintToString(std::string(c.text)); }

class FormatNumberTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, GeneralFormatWith15Digits)
{
    EXPECT_EQ(formatNumber(GetParam().value, ','), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatNumberTest,
    ::testing::Values(FormatCase{0.0L, "0"}, FormatCase{-0.0L, "0"}, FormatCase{1.25L, "1,25"},
                      FormatCase{-0.3L, "-0,3"}, FormatCase{0.18L, "0,18"}, FormatCase{100.0L, "100"},
                      FormatCase{0.0001L, "0,0001"}, FormatCase{0.00012L, "0,00012"},
                      FormatCase{0.00001L, "1E-5"}, FormatCase{0.000012L, "1,2E-5"},
                      FormatCase{1e20L, "1E20"}, FormatCase{-1e20L, "-1E20"},
                      FormatCase{999999999999999.0L, "999999999999999"},
                      FormatCase{1e15L, "1E15"}, FormatCase{123456789012345678.0L, "1,23456789012346E17"},
                      FormatCase{1.0L / 3.0L, "0,333333333333333"}, FormatCase{2.0L / 3.0L, "0,666666666666667"},
                      FormatCase{-200.0L, "-200"}, FormatCase{0.1L + 0.2L, "0,3"},
                      // Rounding to 15 digits may carry into a new digit and into the fixed range.
                      FormatCase{0.000099999999999999999L, "0,0001"},
                      FormatCase{9.9999999999999999L, "10"},
                      FormatCase{999999999999999.9L, "1E15"},
                      FormatCase{1e-300L, "1E-300"}, FormatCase{1.5e300L, "1,5E300"},
                      FormatCase{-132.163720030473L, "-132,163720030473"}));

TEST(FormatNumber, UsesTheSeparatorPassedIn)
{
    EXPECT_EQ(formatNumber(5.25L, '.'), "5.25");
    EXPECT_EQ(formatNumber(1.2e-5L, '.'), "1.2E-5");
}

TEST(FormatNumber, MatchesExactRoundingOfTheCLibrary)
{
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mant(1.0, 10.0);
    std::uniform_int_distribution<int> exp(-80, 80);
    for (int i = 0; i < 50000; ++i) {
        long double x = static_cast<long double>(mant(rng)) * std::pow(10.0L, exp(rng));
        x += x * 1e-17L * static_cast<long double>(i % 7);
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.14Le", x);
        const long double expected = std::strtold(buf, nullptr);
        const auto f = formatAndReread(x, '.');
        ASSERT_EQ(*parseNumber(f.text, '.'), expected) << buf << " -> " << f.text;
        ASSERT_EQ(f.reread, expected) << f.text;
    }
}

// The value every 15-digit rounding must give: the C library's correctly
// rounded digits, read back by the C library.
long double cLibraryRoundTo15(long double x)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", x);
    return std::strtold(buf, nullptr);
}

TEST(RoundTo15, MatchesTheCLibraryOnRandomBitsAndNearTies)
{
    std::mt19937_64 rng(15);
    std::uniform_int_distribution<int> binaryExponent(-50, 55);
    std::uniform_int_distribution<uint64_t> digits(100000000000000ULL, 999999999999999ULL);
    std::uniform_int_distribution<int> scale(0, 27);
    std::uniform_int_distribution<int> ulps(-3, 3);
    const auto check = [](long double x) {
        const long double expected = cLibraryRoundTo15(x);
        ASSERT_EQ(roundTo15(x), expected) << static_cast<double>(x);
        const NumberText t = formatNumberText(x, '.');
        ASSERT_EQ(t.reread, expected) << t.view();
        ASSERT_EQ(*parseNumber(t.view(), '.'), expected) << t.view();
    };
    for (int i = 0; i < 100000; ++i) {
        // Any 64-bit mantissa around the range the integer fast path covers.
        const uint64_t mantissa = rng() | (uint64_t{1} << 63);
        const long double x = std::ldexp(static_cast<long double>(mantissa), binaryExponent(rng) - 63);
        check(i % 2 ? x : -x);
        // A value a few units in the last place from a rounding tie d.5 * 10^-k.
        long double tie = (static_cast<long double>(digits(rng)) + 0.5L) / std::pow(10.0L, scale(rng));
        for (int u = ulps(rng); u != 0; u += u > 0 ? -1 : 1)
            tie = std::nextafter(tie, u > 0 ? 2 * tie : 0.0L);
        check(tie);
        if (HasFatalFailure())
            return;
    }
}

TEST(FormatNumber, ExactTiesAreRoundedToEven)
{
    EXPECT_EQ(formatNumber(123456789012345.5L, ','), "123456789012346");
    EXPECT_EQ(formatNumber(123456789012344.5L, ','), "123456789012344");
}

struct IntegerCase {
    const char* text;
    bool ok;
    int32_t value;
};

TEST(ParseInteger, CountFields)
{
    const IntegerCase cases[] = {{"2", true, 2},          {"15", true, 15},        {" 7", true, 7},
                                 {"-3", true, -3},        {"+4", true, 4},         {"", false, 0},
                                 {"7 ", false, 0},        {"2,5", false, 0},       {"abc", false, 0},
                                 {"2147483647", true, 2147483647}, {"2147483648", false, 0},
                                 {"-2147483648", true, INT32_MIN}, {"99999999", true, 99999999}};
    for (const auto& c : cases) {
        auto v = parseInteger(c.text);
        EXPECT_EQ(v.has_value(), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(*v, c.value) << c.text;
        }
    }
    EXPECT_THROW(
        {
            try {
                toInteger("x1");
            } catch (const Error& e) {
                EXPECT_STREQ(e.what(), "'x1' is not a valid integer value");
                throw;
            }
        },
        Error);
}

TEST(ReadingFormats, RoundTheShownDigitsHalfAwayFromZero)
{
    // The 15-digit text is what gets rounded: 0,05 and 2,675 are no exact
    // binary values, yet they round up as their texts do.
    const struct {
        long double value;
        int places;
        const char* fixed;
        const char* significant;  // `places` significant digits
    } cases[] = {
        {1317.43933995939L, 1, "1317,4", "1000"},
        {-2996.5286681263L, 1, "-2996,5", "-3000"},
        {0.05L, 1, "0,1", "0,05"},
        {2.675L, 2, "2,68", "2,7"},
        {-0.04L, 1, "0,0", "-0,04"},
        {0, 3, "0,000", "0"},
        {-3000, 1, "-3000,0", "-3000"},
        {0.00355111159546643L, 6, "0,003551", "0,00355111"},
        {-1.18228641169546E-7L, 5, "0,00000", "-1,1823E-7"},
        {9.99995L, 5, "9,99995", "10"},
        {99999.5L, 0, "100000", "100000"},
        {0.0333333333333333L, 5, "0,03333", "0,033333"},
        {123456789, 4, "123456789,0000", "123500000"},
        {2e15L, 2, "2E15", "2E15"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatFixed(c.value, c.places, ','), c.fixed) << static_cast<double>(c.value);
        EXPECT_EQ(formatSignificant(c.value, c.places, ','), c.significant) << static_cast<double>(c.value);
    }
    EXPECT_EQ(formatFixed(0.25L, 1, '.'), "0.3");
    EXPECT_EQ(formatSignificant(-2784.06563097547L, 5, ','), "-2784,1");
}

TEST(ReadingFormats, TheResolutionDecidesThePlaces)
{
    const struct {
        long double value, resolution;
        const char* text;
    } cases[] = {
        {4.99738L, 0.0106L, "5"},  {4.98738L, 0.0106L, "4,99"}, {0.123456L, 0.0004L, "0,1235"},
        {1234.5L, 20, "1235"},     {-0.00001234567L, 1e-9L, "-0,000012346"}, {7, 0.01L, "7"},
        {-0.001L, 0.01L, "0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatToResolution(c.value, c.resolution, ','), c.text) << static_cast<double>(c.value);
}

TEST(Rounding, HalfToEvenAndTowardZero)
{
    EXPECT_EQ(roundHalfEven(2.5L), 2.0L);
    EXPECT_EQ(roundHalfEven(3.5L), 4.0L);
    EXPECT_EQ(roundHalfEven(-2.5L), -2.0L);
    EXPECT_EQ(roundHalfEven(2.4999L), 2.0L);
    EXPECT_EQ(truncTowardZero(-2.7L), -2.0L);
    EXPECT_EQ(truncTowardZero(2.7L), 2.0L);
}

TEST(CheckedDivide, ReportsTheRuntimeFailures)
{
    EXPECT_EQ(checkedDivide(1.0L, 4.0L), 0.25L);
    try {
        checkedDivide(1.0L, 0.0L);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    try {
        checkedDivide(0.0L, 0.0L);
        FAIL();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
}

TEST(ErrorBoxText, AddsAFullStopAfterCharactersSortingAfterIt)
{
    EXPECT_EQ(errorBoxText("File not found"), "File not found.");
    EXPECT_EQ(errorBoxText("'x' is not a valid floating point value"), "'x' is not a valid floating point value.");
    EXPECT_EQ(errorBoxText("I/O error 5"), "I/O error 5.");
    EXPECT_EQ(errorBoxText("Ends with '"), "Ends with '");
    EXPECT_EQ(errorBoxText("Ends."), "Ends.");
}

}  // namespace
