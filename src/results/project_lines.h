#pragma once
// The lines of a project file's bytes, read the way the file has always been
// read: a line ends at CR, and one LF right after that CR belongs to the line
// end; an LF anywhere else is part of the text. A byte 0x1A ends the text as
// the physical end does. Reading past the end is no error: every further line
// is an empty text. Lines may be of any length.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kvor {

class ProjectFileLines {
public:
    explicit ProjectFileLines(std::string_view bytes);

    // The next line without its line end (a view into the bytes).
    std::string_view next();
    // The line next() would return, without moving on.
    std::string_view peek() const
    {
        ProjectFileLines ahead = *this;
        return ahead.next();
    }
    // No text is left: every further line is empty.
    bool atEnd() const { return pos_ >= text_.size(); }
    // 1-based number of the line last returned by next() (0 before the first).
    int lineNumber() const { return number_; }

    // The lines from the first line at or after this position that follows a
    // CR LF, reads exactly `line` and ends with a CR (next() returns that line
    // first); nothing when there is none. Lets a reader start a later part of
    // the text.
    std::optional<ProjectFileLines> fromLine(std::string_view line) const;
    // Both stand before the same line of the same text.
    bool samePlaceAs(const ProjectFileLines& other) const
    {
        return text_.data() == other.text_.data() && pos_ == other.pos_ && number_ == other.number_;
    }
    // The bytes of the text from this position on.
    std::size_t bytesLeft() const { return atEnd() ? 0 : text_.size() - pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    int number_ = 0;
};

}  // namespace kvor
