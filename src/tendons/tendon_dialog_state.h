#pragma once
// The tendon dialog between opening and storing: what "Zadat" of a tendon slot
// checks first, which panel a type text opens, the two tables of a broken
// tendon with their point count and sizes, a stored definition loaded for
// viewing, and the inputs emptied after a store.
//
// Tables of a broken tendon with m points:
//   point table   m + 1 rows, row 0 "  Staničení [m]", "  Excentricita [m]";
//   force table   m rows,     row 0 "  Předp. síla [kN]", row r the force of the
//                 segment from point r to point r + 1.

#include "model/project.h"
#include "model/report.h"
#include "model/text_table.h"
#include "tendons/tendon_store.h"

#include <optional>
#include <string>
#include <string_view>

namespace kvor {

// The range of a tendon's point count.
constexpr int kMinPointCount = 2;
constexpr int kMaxPointCount = 32766;

// The inputs that a type is entered in: the straight tendon's fields, the
// broken tendon's tables, the simple parabola's fields, the point and segment
// tables of a composite or combined tendon, or none for a text that names no
// type.
enum class TendonPanel { None, Straight, Broken, SimpleParabolic, ParabolicTables };
TendonPanel panelForType(TendonType type);

// "Zadání k.předpínacího kabelu" for slot k (1 to 5).
std::string tendonDialogTitle(int slot);
// "Typ předpínacího kabelu: " followed by the type box's text.
std::string tendonTypeLine(std::string_view typeText);

// "Zadat" of tendon slot k (1 to 5) with an empty type box: "Vyberte typ
// k.předpínacího kabelu!" with the focus on the slot's type
// (Field::TendonType1 for slot 1 ... TendonType5 for slot 5). Slots 2, 3 and 5 beep after the message,
// slots 1 and 4 do not. Nothing when a type text is there.
std::optional<Report> checkTendonTypeChosen(const TendonSlot& slot, int slotNumber);

// "Zadat" of a tendon slot opens the dialog once the structure is entered; a
// stored tendon opens all the same, read-only, so that it can be looked at.
bool tendonDialogOpens(const Project& project, const TendonSlot& slot);

// The headings of the two tables in row 0.
void writeBrokenTendonHeadings(TextTable& points, TextTable& forces);

// A new point count m: the point table gets m + 1 rows, the force table m rows,
// both their headings; cells of rows that remain keep their texts. Returns m.
//   - A text that is no integer throws "'%s' is not a valid integer value" and
//     changes nothing.
//   - An integer outside 2..32766 is clamped into that range: a polygon needs
//     two points, and no count may allocate a giant table.
int rebuildBrokenTendonTables(TextTable& points, TextTable& forces, std::string_view countText);

// The tables of a dialog on a new definition: 2 points, empty cells.
void resetBrokenTendonTables(TextTable& points, TextTable& forces);

// What the broken and the parabolic tables share: the point table of m points
// (m + 1 rows of station and eccentricity) and the segment table of m rows;
// they differ in the segment table's width and in the headings.
struct TendonTablesLayout {
    int segmentColumns;
    void (*writeHeadings)(TextTable& points, TextTable& segments);
};
// Resized for the count typed, as rebuildBrokenTendonTables says, with the headings. Returns m.
int resizeTendonTables(TextTable& points, TextTable& segments, const TendonTablesLayout& layout,
                       std::string_view countText);
// New tables of m points, empty cells but the headings.
void newTendonTables(TextTable& points, TextTable& segments, const TendonTablesLayout& layout, int m);
// The point count of a stored tendon as its tables show it: a row a point, at least one.
int storedPointCount(const TendonSlot& slot);

// A stored straight tendon as the four fields show it: s1 and s2 from column 0
// of rows 1 and 2, e and N from row 1.
StraightTendonInput straightInputFromStore(const TendonSlot& slot);

// A stored broken tendon into the dialog's tables: m = store rows - 1 points
// (columns 0 and 1 of rows 1..m) and m - 1 forces (column 2 of rows 1..m-1).
// Returns m, the point count to show.
int loadBrokenTendonTables(const TendonSlot& slot, TextTable& points, TextTable& forces);

}  // namespace kvor
