// The number texts: whatever is typed either parses to the value the C library
// gives the same literal, or is refused with the conversion error; a parsed value
// formats to a 15-digit text that parses back to a value formatting to the same
// text; whole numbers round-trip through their decimal text.
//
// Input: byte 0 picks the decimal separator; the rest is the typed text. Its
// first ten bytes also serve as the bits of an extended value to format.

#include "fuzz_check.h"
#include "model/error.h"
#include "model/numbers.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

using kvor::fuzz::require;

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The number grammar read straight from its definition: blanks, a sign, digits
// with at most one separator (one digit at least), an exponent, blanks. Returns
// the literal for strtold ("-12.5e3") or nothing.
std::optional<std::string> referenceLiteral(std::string_view t, char sep)
{
    size_t i = 0;
    while (i < t.size() && t[i] == ' ')
        ++i;
    std::string literal;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        literal += t[i++];
    int digits = 0;
    bool separatorSeen = false;
    for (; i < t.size(); ++i) {
        if (isDigit(t[i])) {
            ++digits;
            literal += t[i];
        } else if (t[i] == sep && !separatorSeen) {
            separatorSeen = true;
            literal += '.';
        } else {
            break;
        }
    }
    if (digits == 0)
        return std::nullopt;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        literal += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            literal += t[i++];
        const size_t begin = i;
        while (i < t.size() && isDigit(t[i]))
            literal += t[i++];
        if (i == begin)
            return std::nullopt;
    }
    while (i < t.size() && t[i] == ' ')
        ++i;
    if (i != t.size())
        return std::nullopt;
    return literal;
}

bool sameBits(long double a, long double b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

// A computed text: general format, at most 15 significant digits, no trailing
// zeros, no plus sign or leading zeros in the exponent, only `sep` as separator.
void checkGeneralFormat(const std::string& text, char sep)
{
    const char other = sep == ',' ? '.' : ',';
    require(text.find(other) == std::string::npos && text.find(' ') == std::string::npos &&
                text.find('+') == std::string::npos,
            "formatted text holds only digits, one separator, sign and exponent", text);
    const size_t e = text.find('E');
    const std::string mantissa = text.substr(0, e);
    int significant = 0;
    bool leading = true;
    for (char c : mantissa) {
        if (!isDigit(c))
            continue;
        if (c != '0')
            leading = false;
        if (!leading)
            ++significant;
    }
    require(significant <= 15, "at most 15 significant digits", text);
    if (mantissa.find(sep) != std::string::npos)
        require(mantissa.back() != '0' && mantissa.back() != sep, "no trailing zeros", text);
    if (e != std::string::npos) {
        std::string_view exponent = std::string_view(text).substr(e + 1);
        if (!exponent.empty() && exponent[0] == '-')
            exponent.remove_prefix(1);
        require(!exponent.empty() && exponent[0] != '0', "exponent without leading zeros", text);
    }
}

// Format -> parse -> format is stable, and the reread value is that of the text.
void checkFormatting(long double x, char sep)
{
    if (!std::isfinite(x))
        return;
    const kvor::FormattedNumber f = kvor::formatAndReread(x, sep);
    require(f.text == kvor::formatNumber(x, sep), "formatAndReread gives formatNumber's text", f.text);
    checkGeneralFormat(f.text, sep);
    const auto back = kvor::parseNumber(f.text, sep);
    require(back.has_value(), "a formatted value parses", f.text);
    require(sameBits(*back, f.reread) || (*back == 0 && f.reread == 0), "reread equals the parsed text",
            f.text);
    require(kvor::formatNumber(*back, sep) == f.text, "format(parse(format(x))) == format(x)", f.text);

    // The 15 digits are those of the correctly rounded decimal value.
    if (x != 0) {
        char exact[64];
        std::snprintf(exact, sizeof exact, "%.14Le", std::fabs(x));
        const long double rounded = std::strtold(exact, nullptr);
        // Digits 16 onward of the exact value: a tie (or a hair from one) may go either way.
        char digits[96];
        std::snprintf(digits, sizeof digits, "%.40Le", std::fabs(x));
        const std::string_view beyond = std::string_view(digits).substr(16, 12);
        const bool nearTie = beyond == "500000000000" || beyond == "499999999999";
        require(nearTie || sameBits(std::fabs(*back), rounded), "15 significant digits, rounded to nearest",
                f.text + " vs " + exact);
    }
}

void checkNumberText(std::string_view text, char sep)
{
    const auto parsed = kvor::parseNumber(text, sep);
    const auto literal = referenceLiteral(text, sep);
    require(!parsed || literal, "only a text of the number grammar parses", text);
    if (literal) {
        errno = 0;
        const long double reference = std::strtold(literal->c_str(), nullptr);
        if (std::isinf(reference)) {
            require(!parsed, "a literal beyond the range of long double is no number", text);
        } else {
            require(parsed.has_value(), "a literal of the grammar within range parses", text);
            require(sameBits(*parsed, reference), "parsing rounds as the C library does", text);
        }
    }

    try {
        const long double v = kvor::toNumber(text, sep);
        require(parsed && sameBits(v, *parsed), "toNumber agrees with parseNumber", text);
    } catch (const kvor::Error& e) {
        require(!parsed, "toNumber fails only where parseNumber does", text);
        const std::string expected = "'" + std::string(text) + "' is not a valid floating point value";
        // what() is a C string: a NUL typed into the text ends the message there.
        require(std::string_view(e.what()) == expected.c_str(), "conversion error names the text", e.what());
    }
    if (parsed)
        checkFormatting(*parsed, sep);
}

void checkIntegerText(std::string_view text)
{
    const auto parsed = kvor::parseInteger(text);
    try {
        const int32_t v = kvor::toInteger(text);
        require(parsed && *parsed == v, "toInteger agrees with parseInteger", text);
    } catch (const kvor::Error& e) {
        require(!parsed, "toInteger fails only where parseInteger does", text);
        const std::string expected = "'" + std::string(text) + "' is not a valid integer value";
        require(std::string_view(e.what()) == expected.c_str(), "integer error names the text", e.what());
    }
    if (!parsed)
        return;
    const std::string written = kvor::formatInteger(*parsed);
    require(kvor::parseInteger(written) == parsed, "whole numbers round-trip", written);
    // Every accepted text is also a number of the same value.
    const auto asNumber = kvor::parseNumber(text, ',');
    require(asNumber && *asNumber == static_cast<long double>(*parsed), "an integer text is a number", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const char sep = kvor::fuzz::separatorFrom(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    checkNumberText(text, sep);
    checkIntegerText(text);

    if (text.size() >= 10) {
        // x87 extended: 64-bit mantissa with an explicit integer bit, then 15-bit
        // exponent and sign. The integer bit is set as arithmetic sets it (clear
        // only for denormals), since other encodings never arise from a computation.
        unsigned char bytes[sizeof(long double)] = {};
        std::memcpy(bytes, text.data(), 10);
        const bool denormal = (bytes[8] | (bytes[9] & 0x7f)) == 0;
        bytes[7] = static_cast<unsigned char>(denormal ? bytes[7] & 0x7f : bytes[7] | 0x80);
        long double x;
        std::memcpy(&x, bytes, sizeof x);
        checkFormatting(x, sep);
    }
    return 0;
}
