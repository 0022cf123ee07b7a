#pragma once
// A project file as its lines (each ended by CR LF), and back.

#include <stdexcept>
#include <string>
#include <vector>

namespace kvor::testing {

// The lines of `bytes`, each without its CR LF; a last line without one is dropped.
inline std::vector<std::string> fileLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(bytes.substr(start, end - start));
    return lines;
}

inline std::string joinLines(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// 1-based number of the first line equal to `text` at or after line `from`.
inline int lineNumberOf(const std::vector<std::string>& lines, const std::string& text, int from = 1)
{
    for (size_t i = static_cast<size_t>(from - 1); i < lines.size(); ++i)
        if (lines[i] == text)
            return static_cast<int>(i) + 1;
    throw std::runtime_error("no line " + text);
}

}  // namespace kvor::testing
