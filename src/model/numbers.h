#pragma once
// Numbers as text: the one parser and formatter of the system.
//
// A text is a number when it is, in this order: blanks (the space character),
// at most one sign, digits with at most one decimal separator among them (at
// least one digit), optionally an exponent ("E"/"e", a sign, digits), blanks.
// Values are long double (80-bit extended on x86) and parsing is correctly
// rounded. The decimal separator is passed in: ',' on a Czech system.
//
// Computed values are written in general format: first rounded to 15
// significant digits, fixed notation while 0.0001 <= |x| < 1e15, otherwise
// "1,2E-5" / "1E20"; no trailing zeros; zero (also -0) is "0".
//
// This header is the module's whole contract. Behind it: number_parsing.cpp
// (texts into values), decimal15.* (the 15 correctly rounded digits, with the
// exact path of the x87 extended format), number_formatting.cpp (values into
// texts) and numbers.cpp (the checked arithmetic).

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kvor {

// The value of a number text, or nothing when the text is no number
// (also when it lies outside the range of long double).
std::optional<long double> parseNumber(std::string_view text, char decimalSeparator);

// As parseNumber; a text that is no number throws "'%s' is not a valid floating point value".
long double toNumber(std::string_view text, char decimalSeparator);

// General format with 15 significant digits.
std::string formatNumber(long double value, char decimalSeparator);

// The formatted text together with the value that parsing that text gives back,
// for formulas that re-read a written cell (saves the parse on the hot path).
struct FormattedNumber {
    std::string text;
    long double reread;
};
FormattedNumber formatAndReread(long double value, char decimalSeparator);

// The same without a heap string: every text of the general format fits in
// 23 characters ("-1,23456789012345E-4932"), so it is held in place.
struct NumberText {
    char text[24];
    unsigned char size;
    long double reread;
    std::string_view view() const { return {text, size}; }
};
NumberText formatNumberText(long double value, char decimalSeparator);

// Numbers rounded for reading (the calculation report, the chart read-out):
// the value's 15-digit text rounded again, an exact half away from zero, so
// that a reader gets what rounding the shown 15 digits by hand gives.
//
// Fixed notation with exactly `decimals` places (0 to 30): "-3000,0",
// "0,300", "12"; a value that rounds to zero has no minus sign. |x| of 10^15
// and more keeps the general format.
std::string formatFixed(long double value, int decimals, char decimalSeparator);
// At most `digits` significant digits (1 to 15), without trailing zeros, in
// the notation of the general format ("1317,4", "0,033333", "1,2346E-5").
std::string formatSignificant(long double value, int digits, char decimalSeparator);
// Rounded to the decimal place of `resolution` (> 0), the smallest step a
// reader can tell apart, without trailing zeros: 4,99738 at a resolution of
// 0,0106 is "5", 0,123456 at 0,0004 "0,1235".
std::string formatToResolution(long double value, long double resolution, char decimalSeparator);

// Only the value that the 15-digit text of `value` reads back as (the same for
// either separator), without forming the text.
long double roundTo15(long double value);

// Whole numbers of count fields: blanks, an optional sign and decimal digits,
// within the 32-bit range; nothing otherwise.
std::optional<int32_t> parseInteger(std::string_view text);
// As parseInteger; otherwise throws "'%s' is not a valid integer value".
int32_t toInteger(std::string_view text);
// The decimal text of a whole number ("1", "-12").
std::string formatInteger(long long value);

// Nearest whole number, an exact half to the even neighbour.
long double roundHalfEven(long double x);
// Whole part, toward zero.
long double truncTowardZero(long double x);

// Throws the error of a value that is not finite (NaN or infinite).
[[noreturn]] void failNotFinite(long double x);

// x / y with the failures of the runtime: y = 0 gives "Floating point division
// by zero", 0/0 "Invalid floating point operation".
long double checkedDivide(long double x, long double y);

// Throws "Invalid floating point operation" for NaN and "Floating point overflow"
// for an infinite value; returns x otherwise. Guards results that are shown.
inline long double checkedFinite(long double x)
{
    if (!std::isfinite(x)) [[unlikely]]
        failNotFinite(x);
    return x;
}

}  // namespace kvor
