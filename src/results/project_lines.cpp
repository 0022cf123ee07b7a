#include "results/project_lines.h"

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

}  // namespace kvor
