#pragma once
// The decimal separator a project file was saved with: line 7, the line after
// "[data]", reads "separator<TAB>c". Evaluating with that very separator keeps
// every number text of the file as it was saved, and prints the results the
// way the saving system showed them.

#include <string_view>

namespace kvor {

// The stored separator, or `fallback` when line 7 is no separator line (then
// the file has no data section, or a damaged one that the reader reports).
char storedDecimalSeparator(std::string_view fileBytes, char fallback);

}  // namespace kvor
