#include "model/visible_text.h"

namespace kvor {

namespace {

constexpr char32_t kControlPictures = 0x2400;  // U+2400 ␀ .. U+241F, U+2421 ␡
constexpr char32_t kDeletePicture = 0x2421;
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD �

void appendUtf8(std::string& out, char32_t c)
{
    // Only pictures of the block U+2400 reach here: three bytes.
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
}

// The length of the well-formed UTF-8 sequence at the start of `s` (1 to 4),
// or 0 when its first byte starts none.
std::size_t sequenceLength(std::string_view s)
{
    const auto byte = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;   // no overlong form
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogate
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;  // not beyond U+10FFFF
    } else
        return 0;
    if (s.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    return length;
}

}  // namespace

std::string visibleText(std::string_view utf8, std::size_t maxChars)
{
    std::string out;
    out.reserve(utf8.size() < 256 ? utf8.size() + 8 : 256);
    std::size_t chars = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        if (chars++ == maxChars) {
            out += "…";
            break;
        }
        const std::size_t length = sequenceLength(utf8.substr(i));
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (length == 0)
            out += kReplacement;
        else if (byte < 0x20)
            appendUtf8(out, kControlPictures + byte);
        else if (byte == 0x7F)
            appendUtf8(out, kDeletePicture);
        else
            out.append(utf8.substr(i, length));
        i += length == 0 ? 1 : length;
    }
    return out;
}

}  // namespace kvor
