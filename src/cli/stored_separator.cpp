#include "cli/stored_separator.h"

#include "results/project_lines.h"

namespace kvor {

char storedDecimalSeparator(std::string_view fileBytes, char fallback)
{
    constexpr int kLinesBefore = 6;  // header, four information lines, "[data]"
    constexpr std::string_view kKey = "separator\t";
    ProjectFileLines lines(fileBytes);
    for (int i = 0; i < kLinesBefore; ++i)
        lines.next();
    const std::string_view line = lines.next();
    if (line.size() == kKey.size() + 1 && line.starts_with(kKey))
        return line.back();
    return fallback;
}

}  // namespace kvor
