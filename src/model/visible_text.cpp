#include "model/visible_text.h"

namespace kvor {

namespace {

constexpr char32_t kControlPictures = 0x2400;  // U+2400 ␀ .. U+241F, U+2421 ␡
constexpr char32_t kDeletePicture = 0x2421;

void appendUtf8(std::string& out, char32_t c)
{
    // Only pictures of the block U+2400 reach here: three bytes.
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
}

bool continuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string visibleText(std::string_view utf8, std::size_t maxChars)
{
    std::string out;
    out.reserve(utf8.size() < 256 ? utf8.size() + 8 : 256);
    std::size_t chars = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (!continuationByte(c) && chars++ == maxChars) {
            out += "…";
            break;
        }
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20)
            appendUtf8(out, kControlPictures + byte);
        else if (byte == 0x7F)
            appendUtf8(out, kDeletePicture);
        else
            out += c;
    }
    return out;
}

}  // namespace kvor
