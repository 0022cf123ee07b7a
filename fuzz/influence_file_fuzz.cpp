// The influence-line reader over arbitrary file content: it fails only with
// "Invalid numeric input", never crashes or hangs, and leaves an entry table
// whose headings are written and whose every point cell is a number text. The
// rows are checked against a reading of the file rules written out here.
//
// Input: byte 0 picks the decimal separator, byte 1 the number of points the
// entry table held before (0 to 7); the rest is the file content.

#include "fuzz_check.h"
#include "influence/influence_file.h"
#include "model/error.h"
#include "model/numbers.h"

#include <string>
#include <vector>

using kvor::fuzz::require;

namespace {

// The values of the file as the rules describe them: numbers separated by
// characters 0 to 32, at most 64 characters each, text ends at code 26. Stops at
// the first text that is no number; `failed` tells whether it met one.
std::vector<std::string> referenceValues(std::string_view content, char sep, bool& failed)
{
    content = content.substr(0, content.find('\x1a'));
    std::vector<std::string> values;
    failed = false;
    size_t i = 0;
    for (;;) {
        while (i < content.size() && static_cast<unsigned char>(content[i]) <= 32)
            ++i;
        if (i == content.size())
            return values;
        const size_t begin = i;
        while (i < content.size() && i - begin < 64 && static_cast<unsigned char>(content[i]) > 32)
            ++i;
        const std::string_view token = content.substr(begin, i - begin);
        // The file syntax is the number grammar without blanks, separator "." and
        // at least one digit before it and after it.
        const size_t point = token.find('.');
        const bool digitsAroundPoint =
            point == std::string_view::npos ||
            (point > 0 && token[point - 1] >= '0' && token[point - 1] <= '9' && point + 1 < token.size() &&
             token[point + 1] >= '0' && token[point + 1] <= '9');
        const auto value = digitsAroundPoint ? kvor::parseNumber(token, '.') : std::nullopt;
        if (!value) {
            failed = true;
            return values;
        }
        values.push_back(kvor::formatNumber(*value, sep));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const char sep = kvor::fuzz::separatorFrom(data[0]);
    const int formerPoints = data[1] % 8;
    const std::string_view content(reinterpret_cast<const char*>(data + 2), size - 2);

    kvor::TextTable table(formerPoints + 1, 2);
    const std::string formerOrdinate = kvor::formatNumber(-0.5L, sep);
    for (int r = 1; r <= formerPoints; ++r)
        table.setRow(r, {"7", formerOrdinate});

    bool threw = false;
    try {
        kvor::readInfluenceText(content, table, sep);
    } catch (const kvor::Error& e) {
        require(std::string_view(e.what()) == "Invalid numeric input", "the reader fails only on a number",
                e.what());
        threw = true;
    }

    require(table.colCount() == 2, "the entry table keeps two columns");
    require(table.cell(0, 0) == kvor::kEntryStationHeading && table.cell(0, 1) == kvor::kEntryOrdinateHeading,
            "headings are written");
    for (int r = 1; r < table.rowCount(); ++r)
        for (int c = 0; c < 2; ++c)
            require(kvor::parseNumber(table.cell(r, c), sep).has_value(), "every point cell is a number text",
                    std::string(table.cell(r, c)));

    bool failed = false;
    const std::vector<std::string> values = referenceValues(content, sep, failed);
    require(threw == failed, "fails exactly where a text is no number");
    if (values.empty()) {
        require(table.rowCount() == formerPoints + 1, "without a value the former rows stay");
        return 0;
    }
    const size_t pairs = values.size() / 2;
    require(table.rowCount() == static_cast<int>(pairs) + 1, "the table holds exactly the complete pairs");
    for (size_t p = 0; p < pairs; ++p) {
        const int row = static_cast<int>(p) + 1;
        require(table.cell(row, 0) == values[2 * p] && table.cell(row, 1) == values[2 * p + 1],
                "point p holds values 2p-1 and 2p", values[2 * p]);
    }
    return 0;
}
