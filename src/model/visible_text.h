#pragma once
// Texts quoted in a message: a control character would break the message's
// line, cut it short (NUL) or not show at all, so each is replaced by its
// picture from the Unicode block "Control Pictures" (TAB shows as ␉, LF as ␊,
// NUL as ␀); a byte that is no part of well-formed UTF-8 shows as U+FFFD (�).

#include <cstddef>
#include <string>
#include <string_view>

namespace kvor {

// `utf8` with the bytes 0x00..0x1F and 0x7F shown as their pictures and each
// byte that is no UTF-8 as �. A text
// longer than `maxChars` characters is cut there and ends with "…", so a
// damaged line of megabytes still gives a message that fits a box.
std::string visibleText(std::string_view utf8, std::size_t maxChars = std::string_view::npos);

}  // namespace kvor
