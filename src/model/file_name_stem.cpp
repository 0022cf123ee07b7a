#include "model/file_name_stem.h"

#include <array>
#include <cstdint>
#include <utility>

namespace kvor {

namespace {

// The accented letters of Czech and Slovak (and the German umlauts an
// engineer's name may bring) with the base letter they lose their accent to.
constexpr std::array<std::pair<char32_t, char>, 40> kAccented{{
    {U'á', 'a'}, {U'ä', 'a'}, {U'č', 'c'}, {U'ď', 'd'}, {U'é', 'e'}, {U'ě', 'e'}, {U'í', 'i'}, {U'ĺ', 'l'},
    {U'ľ', 'l'}, {U'ň', 'n'}, {U'ó', 'o'}, {U'ô', 'o'}, {U'ö', 'o'}, {U'ŕ', 'r'}, {U'ř', 'r'}, {U'š', 's'},
    {U'ť', 't'}, {U'ú', 'u'}, {U'ů', 'u'}, {U'ü', 'u'}, {U'Á', 'a'}, {U'Ä', 'a'}, {U'Č', 'c'}, {U'Ď', 'd'},
    {U'É', 'e'}, {U'Ě', 'e'}, {U'Í', 'i'}, {U'Ň', 'n'}, {U'Ó', 'o'}, {U'Ř', 'r'}, {U'Š', 's'}, {U'Ť', 't'},
    {U'Ú', 'u'}, {U'Ů', 'u'}, {U'Ý', 'y'}, {U'ý', 'y'}, {U'Ž', 'z'}, {U'ž', 'z'}, {U'Ö', 'o'}, {U'Ü', 'u'},
}};

// The next code point of UTF-8 text from `at`, which it moves past; a byte
// that starts no valid sequence counts as one character of its own.
char32_t nextCodePoint(std::string_view text, size_t& at)
{
    const auto byte = [&](size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(at);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length <= 1 || at + static_cast<size_t>(length) > text.size()) {
        ++at;
        return length == 1 ? lead : U'\uFFFD';
    }
    char32_t code = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((byte(at + static_cast<size_t>(i)) & 0xC0) != 0x80) {
            ++at;
            return U'\uFFFD';
        }
        code = (code << 6) | (byte(at + static_cast<size_t>(i)) & 0x3F);
    }
    at += static_cast<size_t>(length);
    return code;
}

char plainLetterOrDigit(char32_t c)
{
    if ((c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9'))
        return static_cast<char>(c);
    if (c >= U'A' && c <= U'Z')
        return static_cast<char>(c - U'A' + U'a');
    for (const auto& [accented, base] : kAccented)
        if (accented == c)
            return base;
    return 0;
}

}  // namespace

std::string fileNameStem(std::string_view title, std::string_view fallback)
{
    std::string stem;
    bool gap = false;
    for (size_t at = 0; at < title.size();) {
        const char plain = plainLetterOrDigit(nextCodePoint(title, at));
        if (!plain) {
            gap = true;
            continue;
        }
        if (gap && !stem.empty())
            stem += '-';
        gap = false;
        stem += plain;
    }
    return stem.empty() ? std::string(fallback) : stem;
}

}  // namespace kvor
