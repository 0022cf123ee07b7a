#include "results/project_lines.h"

#include <algorithm>

namespace kvor {

namespace {
constexpr char kEndOfText = '\x1A';
}

ProjectFileLines::ProjectFileLines(std::string_view bytes)
    : text_(bytes.substr(0, bytes.find(kEndOfText)))
{
}

std::string_view ProjectFileLines::next()
{
    ++number_;
    if (atEnd())
        return {};
    const std::size_t cr = text_.find('\r', pos_);
    if (cr == std::string_view::npos) {
        std::string_view line = text_.substr(pos_);
        pos_ = text_.size();
        return line;
    }
    std::string_view line = text_.substr(pos_, cr - pos_);
    pos_ = cr + 1;
    if (pos_ < text_.size() && text_[pos_] == '\n')
        ++pos_;
    return line;
}

std::optional<ProjectFileLines> ProjectFileLines::fromLine(std::string_view line) const
{
    if (atEnd())
        return std::nullopt;
    // Searched for as the line and its CR, whose first character (a block's
    // "[") is rare in the text, then checked for the CR LF before it: a search
    // led by the CR would stop at every line end.
    const std::string body = std::string(line) + "\r";
    std::size_t at = pos_ >= 2 ? pos_ : 2;
    for (;; ++at) {
        at = text_.find(body, at);
        if (at == std::string_view::npos)
            return std::nullopt;
        if (text_.compare(at - 2, 2, "\r\n") == 0)
            break;
    }
    ProjectFileLines lines = *this;
    lines.pos_ = at;
    const auto begin = text_.begin() + static_cast<std::ptrdiff_t>(pos_);
    lines.number_ += static_cast<int>(std::count(begin, text_.begin() + static_cast<std::ptrdiff_t>(lines.pos_), '\r'));
    return lines;
}

}  // namespace kvor
