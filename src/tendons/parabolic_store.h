#pragma once
// The inputs of a parabolic tendon in the tendon dialog, their store table
// (layout in parabolic_polygon.h) and the way back into the dialog.
//
//   type 2     seven fields: x1, e1, x2, e2, the mid-eccentricity m, the
//              force N and D; stored as rows (x1, e1, N, m) and (x2, e2, N, "").
//   types 3/4  point count, point table (m + 1 rows: row 0 "  Staničení [m]",
//              "  Excentricita [m]"), segment table (m rows: row 0
//              "  Předp. síla [kN]", "  Excentr. uprostřed [m]"; row r the
//              segment from point r to point r + 1) and D; stored as row r =
//              (station r, eccentricity r, force r, m r) for r < m and
//              (station m, eccentricity m, force m-1, "").
// All cells are the texts as they stood in the dialog.

#include "model/project.h"
#include "model/report.h"
#include "model/text_table.h"

#include <optional>
#include <string>
#include <string_view>

namespace kvor {

// The fields of the type 2 panel.
struct SimpleParabolicInput {
    std::string x1;         // station of the first point [m]
    std::string e1;         // its eccentricity [m]
    std::string x2;         // station of the second point [m]
    std::string e2;         // its eccentricity [m]
    std::string mid;        // eccentricity at the middle station [m]
    std::string n;          // force [kN]
    std::string divisions;  // D

    bool operator==(const SimpleParabolicInput&) const = default;
};

// The tables of the types 3/4 panel, read in place, and D.
struct ParabolicTablesInput {
    const TextTable& points;     // station and eccentricity of each point
    const TextTable& segments;   // force and mid-eccentricity of each segment
    std::string_view divisions;  // D
};

// The store table that the inputs give (also the draft the checks judge).
TextTable parabolicStoreTable(const SimpleParabolicInput& input);
TextTable parabolicStoreTable(const ParabolicTablesInput& input);

// An empty field of type 2 (any of the seven), or for types 3/4 an empty
// station of point 1 or force of segment 1: "Zadejte parametry předpínacího
// kabelu", focus on x1 or on the point table. Nothing otherwise.
std::optional<Report> checkParabolicComplete(const SimpleParabolicInput& input);
std::optional<Report> checkParabolicComplete(const ParabolicTablesInput& input);

// Stores a checked definition: the store table, D and the store facts.
void storeParabolicTendon(TendonSlot& slot, TendonType type, TextTable store, std::string_view divisions);

// The headings of the two tables of types 3/4 in row 0.
void writeParabolicHeadings(TextTable& points, TextTable& segments);
// A new point count for types 3/4, as for a broken tendon (clamped to 2..32766,
// a text that is no integer throws). Returns m.
int rebuildParabolicTables(TextTable& points, TextTable& segments, std::string_view countText);
// 2 points, empty cells.
void resetParabolicTables(TextTable& points, TextTable& segments);

// A stored definition back into the dialog.
SimpleParabolicInput simpleParabolicInputFromStore(const TendonSlot& slot);
// Returns m, the point count to show.
int loadParabolicTables(const TendonSlot& slot, TextTable& points, TextTable& segments);

}  // namespace kvor
