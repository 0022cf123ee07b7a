#pragma once
// Tables written as delimited text for spreadsheets: "Uložit jako CSV…" writes
// records separated by ';' (the list separator of Czech spreadsheets, which use
// the decimal comma), "Kopírovat" puts TAB-separated text on the clipboard.
// A field that holds the delimiter, a quote, CR or LF is quoted, its quotes
// doubled.

#include <string>
#include <string_view>
#include <vector>

namespace kvor {

// UTF-8 with a byte-order mark: spreadsheets then read the Czech letters
// right without an import dialog, and no text is lost to a code page.
inline constexpr std::string_view kCsvByteOrderMark = "\xEF\xBB\xBF";
inline constexpr char kCsvDelimiter = ';';

// One record without its line end.
std::string delimitedRecord(const std::vector<std::string>& fields, char delimiter);

// Records joined with `lineEnd` after each.
std::string delimitedText(const std::vector<std::vector<std::string>>& records, char delimiter,
                          std::string_view lineEnd);

}  // namespace kvor
