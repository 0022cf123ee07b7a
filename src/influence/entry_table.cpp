#include "influence/entry_table.h"

#include "influence/influence_file.h"
#include "model/numbers.h"

#include <algorithm>

namespace kvor {

std::string influenceDialogTitle(int slot)
{
    return "Zadání příčinkové čáry " + formatInteger(slot) + ".vyhodnocované veličiny";
}

void writeEntryHeadings(TextTable& entry)
{
    entry.setRow(0, {kEntryStationHeading, kEntryOrdinateHeading});
}

int rebuildEntryTable(TextTable& entry, std::string_view countText)
{
    const int n = std::clamp<int>(toInteger(countText), kMinValueCount, kMaxValueCount);
    entry.resize(n + 1, 2);
    writeEntryHeadings(entry);
    return n;
}

void resetEntryTable(TextTable& entry)
{
    entry = TextTable(kMinValueCount + 1, 2);
    writeEntryHeadings(entry);
}

int loadStoredLine(const QuantitySlot& slot, TextTable& entry)
{
    const int rows = std::max(slot.line.rowCount(), 1);
    entry = TextTable(rows, 2);
    writeEntryHeadings(entry);
    for (int r = 1; r < rows; ++r) {
        entry.setCell(r, 0, slot.line.cell(r, 0));
        entry.setCell(r, 1, slot.line.cell(r, 1));
    }
    return rows - 1;
}

std::optional<Report> checkLineEntered(const TextTable& entry)
{
    if (entry.rowCount() >= 2 && !entry.cell(1, 0).empty())
        return std::nullopt;
    return Report{"Zadejte průběh příčinkové čáry", Beep::None, Field::LineEntryMode, std::nullopt};
}

void clearEntryRows(TextTable& entry)
{
    for (int r = 1; r < entry.rowCount(); ++r) {
        entry.setCell(r, 0, std::string_view());
        entry.setCell(r, 1, std::string_view());
    }
}

}  // namespace kvor
