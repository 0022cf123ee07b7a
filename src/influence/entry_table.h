#pragma once
// The entry table of the influence-line dialog between opening and storing:
// its value count, its headings, a stored line loaded for viewing and the
// test that "Zpět" makes before it stores.
//
// Layout as everywhere: row 0 headings ("  Staničení [m]", "    Pořadnice"),
// rows 1..n the points (station, ordinate), so n + 1 rows and 2 columns.

#include "model/project.h"
#include "model/report.h"
#include "model/text_table.h"

#include <optional>
#include <string>
#include <string_view>

namespace kvor {

// The range of the value count spinner (points typed by hand).
constexpr int kMinValueCount = 2;
constexpr int kMaxValueCount = 32750;

// The title of the dialog for slot k (1 to 5):
// "Zadání příčinkové čáry k.vyhodnocované veličiny".
std::string influenceDialogTitle(int slot);

// Writes the two headings into row 0.
void writeEntryHeadings(TextTable& entry);

// A new value count n: the table gets n + 1 rows and its headings; cells of
// rows that remain keep their texts. Returns n.
//   - A text that is no integer throws "'%s' is not a valid integer value" and
//     changes nothing.
//   - An integer outside 2..32750 (only typing can give one) is clamped into
//     that range, so the table always has a point row and never a giant size.
int rebuildEntryTable(TextTable& entry, std::string_view countText);

// The table of a dialog opened on a new line: count 2, three rows of which
// the two point rows are empty.
void resetEntryTable(TextTable& entry);

// Loads a stored line for viewing: the store's row count, rows 1..n copied
// cell by cell, the entry headings. Returns n, the value count to show.
int loadStoredLine(const QuantitySlot& slot, TextTable& entry);

// "Zpět" stores only a table whose row 1 has a station text: an empty station
// there, or no point row at all, gives "Zadejte průběh příčinkové čáry" with
// the focus on the choice of how the line is entered (LineEntryMode). The
// station need not be a number: that is the table check's business, not this
// test's.
std::optional<Report> checkLineEntered(const TextTable& entry);

// After a store: rows 1..n are emptied, the row count stays.
void clearEntryRows(TextTable& entry);

}  // namespace kvor
