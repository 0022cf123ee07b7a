#pragma once
// Operations on the slot rows of the quantity and tendon pages, and the store
// of an influence line, with their exact effects on the flags.

#include "model/project.h"

#include <string_view>

namespace kvor {

// The two kinds of slots of the input: quantities with their influence lines,
// and tendons.
enum class SlotKind { Quantity, Tendon };

// Hiding a row: the slot becomes NotEntered, its draw flag is cleared (and so
// disabled) and its store mark cleared; a tendon slot also loses its type text.
// Texts and the stored table stay.
void hideSlot(QuantitySlot& slot);
void hideSlot(TendonSlot& slot);
// Showing a row again: NotEntered, draw flag off and disabled, type box editable.
void showSlot(QuantitySlot& slot);
void showSlot(TendonSlot& slot);

// "Další": shows the next slot after the last shown one (tests slots 2, 3, 4 in
// order; with all three shown, slot 5). Returns the 0-based index shown.
int addSlotRow(std::array<QuantitySlot, kSlotCount>& slots);
int addSlotRow(std::array<TendonSlot, kSlotCount>& slots);
// "Zpět": hides the last shown slot (tests 5, 4, 3, 2). Returns the 0-based index
// hidden, or -1 when only slot 1 is shown.
int removeSlotRow(std::array<QuantitySlot, kSlotCount>& slots);
int removeSlotRow(std::array<TendonSlot, kSlotCount>& slots);
// Number of rows shown (1 to 5): "Zpět" is visible when it is >= 2, "Další" when <= 4.
int shownRowCount(const std::array<QuantitySlot, kSlotCount>& slots);
int shownRowCount(const std::array<TendonSlot, kSlotCount>& slots);

// Stores an entry table (row 0 headings, rows 1..n points) into the slot: the
// store table gets the entry table's row count, rows 1..n copied cell by cell,
// headings "Staničení [m]" / "Pořadnice" written anew. Records the mode, and the
// file name when the mode is FromFile; the slot becomes Entered. A line typed
// or read from a file has no generator; the station X of its section is known
// only when the engineer gave it (empty otherwise).
void storeInfluenceLine(QuantitySlot& slot, const TextTable& entryTable, EntryMode mode,
                        std::string_view sourceFile, std::string station = {});
// The same for a line generated from the beam: mode Generated, with its
// station X and how it was generated.
void storeGeneratedLine(QuantitySlot& slot, const TextTable& entryTable, std::string station,
                        LineGeneratorParameters generator);

// Project information read from a project file; the edits become read-only.
void setInfoFromFile(ProjectInfo& info, std::string name, std::string description,
                     std::string author, std::string createdOn);

}  // namespace kvor
