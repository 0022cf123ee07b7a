#pragma once
// Influence-line files: plain 8-bit text holding nothing but numbers, taken in
// pairs station, ordinate.
//
// Numbers are separated by any run of characters with codes 0 to 32 (blanks,
// tabs, CR, LF, ...); the character with code 26 ends the file. A number is
// written with a decimal point whatever the locale: an optional sign, digits,
// optionally "." and digits, optionally "E"/"e", an optional sign and digits.
// A number is at most 64 characters long; the 65th character starts a new one.
// Separators after the last number produce no further value (also a file
// ending in a line end).

#include "model/text_table.h"

#include <optional>
#include <string>
#include <string_view>

namespace kvor {

// Headings of the entry table of the influence-line dialog (row 0).
inline constexpr std::string_view kEntryStationHeading = "  Staničení [m]";
inline constexpr std::string_view kEntryOrdinateHeading = "    Pořadnice";

// Longest number text of an influence-line file.
inline constexpr std::size_t kMaxFileNumberLength = 64;

// Limits that keep a huge file from exhausting memory (the content is held
// whole while it is read, and every value becomes a table cell). A file beyond
// either is refused with a Czech message before any row changes. The point
// limit is also that of a project file's influence line: a project of five
// lines of a million points and five tendons of 32766 points is read and
// evaluated within 1 GB (each point costs its two cells, a slope and the
// numbers of two station lookups).
inline constexpr std::size_t kMaxInfluenceFileBytes = std::size_t{256} << 20;  // 256 MB
inline constexpr long long kMaxInfluenceFileValues = 2'000'000;                // 1 million points

// Splits file content into number texts; the text ends at code 26. The
// content is viewed, not copied: it must outlive the tokens.
class InfluenceFileTokens {
public:
    explicit InfluenceFileTokens(std::string_view content);
    // The next number text, or nothing at the end of the content.
    std::optional<std::string_view> next();

private:
    std::string_view rest_;
};

// The value of one number text of a file (decimal point), or nothing when the
// text is not written as the file syntax above demands ("5,25", "1e", ".5").
std::optional<long double> parseFileNumber(std::string_view token);

// Fills the entry table from file content, as reading a file does: writes the
// headings into row 0, then the v-th value (general format, locale separator
// `sep`) into column 0 of row (v + 1) / 2 when v is odd, column 1 of row v / 2
// when v is even. The row count becomes the number of complete pairs + 1; an
// unpaired last station is dropped. Cells of rows that stay are overwritten,
// not cleared first. Content without any number leaves the rows as they were.
// A number text that is wrong throws "Invalid numeric input"; the complete
// pairs read before it stay, with the row count set accordingly (unchanged when
// no value at all was read). More than kMaxInfluenceFileValues numbers are
// refused before any row changes.
void readInfluenceText(std::string_view content, TextTable& entryTable, char sep);

// Reads the file `path` (opened as given, relative to the working directory)
// into the entry table as readInfluenceText does. A file that cannot be opened
// or read throws the runtime's failure ("File not found", ...) with only the
// headings written and the former rows kept; so does a file larger than
// kMaxInfluenceFileBytes, with a Czech message.
void readInfluenceFile(const std::string& path, TextTable& entryTable, char sep);

}  // namespace kvor
