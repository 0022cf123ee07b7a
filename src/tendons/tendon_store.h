#pragma once
// Storing a tendon definition from the tendon dialog into its slot ("Zpět").
//
// Store table layout (3 columns, row 0 headings "Staničení", "Excentricita",
// "Předpínací síla"):
//   straight: rows 1 and 2 are (s1, e, N) and (s2, e, N);
//   broken:   row r (1..m-1) is (station r, eccentricity r, force of segment r),
//             row m is (station m, eccentricity m, force of segment m-1), so the
//             last row repeats the last segment's force.
// All cells are the texts as they stood in the dialog. The store facts follow:
// the slot becomes Entered and records its type (draw enable, store mark and
// the disabled type box follow from the status).

#include "model/project.h"
#include "model/report.h"
#include "model/text_table.h"

#include <optional>
#include <string>

namespace kvor {

// The four fields of the straight-tendon panel.
struct StraightTendonInput {
    std::string s1;  // station of the first anchorage [m]
    std::string s2;  // station of the second anchorage [m]
    std::string e;   // eccentricity [m]
    std::string n;   // force [kN]
};

// The two tables of the broken-tendon panel, read in place.
struct BrokenTendonInput {
    const TextTable& points;  // row 0 headings, rows 1..m station, eccentricity
    const TextTable& forces;  // row 0 heading, rows 1..m-1 segment force
};

// An empty s1, s2, e or N: "Zadejte parametry předpínacího kabelu", focus on
// s1, nothing stored. Otherwise stores and returns nothing.
std::optional<Report> storeTendon(TendonSlot& slot, const StraightTendonInput& input);

// An empty station of point 1 or force of segment 1 (the only cells tested):
// "Zadejte parametry předpínacího kabelu", focus on the point table, nothing
// stored.
// Otherwise stores m = point table rows - 1 points and returns nothing.
std::optional<Report> storeTendon(TendonSlot& slot, const BrokenTendonInput& input);
// That refusal alone, without storing: nothing when storeTendon would store.
std::optional<Report> incompleteBrokenTendon(const BrokenTendonInput& input);
// The store table the two tables give, complete or not (a draft for computing
// the forces from stressing, whose force cells may still be empty).
TextTable brokenStoreTable(const BrokenTendonInput& input);

}  // namespace kvor
