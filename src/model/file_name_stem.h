#pragma once
// The stem of a file name proposed for an exported table or picture, made
// from what it shows: "Ohybový moment X = 12,5" → "ohybovy-moment-x-12-5".
// Only ASCII letters, digits and '-' remain, so the name travels safely to any
// file system, mail or archive.

#include <string>
#include <string_view>

namespace kvor {

// Lower-case letters and digits of the UTF-8 title, the Czech letters without
// their accents; every other run of characters becomes one '-', none at the
// ends. `fallback` when nothing is left.
std::string fileNameStem(std::string_view title, std::string_view fallback = "kvor");

}  // namespace kvor
