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
    // The line follows a CR LF and ends with CR: this is where it starts,
    // whatever the lines before it hold.
    const std::string pattern = "\r\n" + std::string(line) + "\r";
    const std::size_t found = text_.find(pattern, pos_ >= 2 ? pos_ - 2 : 0);
    if (found == std::string_view::npos)
        return std::nullopt;
    ProjectFileLines lines = *this;
    lines.pos_ = found + 2;
    const auto begin = text_.begin() + static_cast<std::ptrdiff_t>(pos_);
    lines.number_ += static_cast<int>(std::count(begin, text_.begin() + static_cast<std::ptrdiff_t>(lines.pos_), '\r'));
    return lines;
}

}  // namespace kvor
