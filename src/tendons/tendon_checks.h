#pragma once
// Checks of a tendon definition as it is entered, run when the input focus
// leaves a field or a table. Each returns the faults to report, in order;
// an empty list means the input passes. A check changes no data.
//
// Focus targets are the inputs: s1, s2, e and N of a straight tendon
// (Field::StraightFirstStation .. StraightForce), the point table and the
// segment force table of a broken tendon (BrokenPoints, BrokenForces).
//
// Signs: eccentricities are positive below the neutral axis, so a tendon lies
// inside the section when eTop <= e <= eBottom (eTop is negative); forces are
// negative (compression).
//
// The total beam length, eBottom and eTop are obtained before any input is
// looked at; a text of theirs that is no number throws kvor::Error (the general
// error report), as does a non-empty s1 that is no number in checkSecondAnchorage.

#include "model/project.h"
#include "model/report.h"
#include "model/text_table.h"

#include <optional>
#include <string_view>
#include <vector>

namespace kvor {

// A fault and, for a table, the cell at fault.
struct TendonFault {
    Report report;
    int row = 0;      // table row, 1-based; 0 for a field
    int column = -1;  // table column; -1 for a field

    bool operator==(const TendonFault&) const = default;
};

// s1 of a straight tendon: a number, not negative, below the total length.
Reports checkFirstAnchorage(std::string_view s1, const BeamModel& beam, char sep);

// s2 of a straight tendon: a number, not negative, not above the total length,
// above s1. An empty s1 is reported first ("Zadejte hodnotu staničení 1.bodu
// kabelu") and then taken as 0, so this check can report twice.
Reports checkSecondAnchorage(std::string_view s1, std::string_view s2, const BeamModel& beam, char sep);

// e of a straight tendon: a number inside the section (a fibre itself passes).
Reports checkEccentricity(std::string_view e, const CrossSection& section, char sep);

// N of a straight tendon: a number below 0.
Reports checkForce(std::string_view force, char sep);

// Point table of a broken tendon (row 0 headings, rows 1..m station and
// eccentricity): the station column as for an influence line, then, whatever
// that found, the eccentricities. Up to two reports, stations first.
Reports checkPointTable(const TextTable& points, const BeamModel& beam, const CrossSection& section,
                        char sep);
// The same faults with their cells.
std::vector<TendonFault> findPointTableFaults(const TextTable& points, const BeamModel& beam,
                                              const CrossSection& section, char sep);

// Segment force table of a broken tendon (row 0 heading, rows 1..m-1 forces):
// every force a number not above 0 (a segment force of 0 passes).
// When the table is left, `forcesToCome` lets an entirely empty column pass
// (its forces may come from stressing); storing the tendon demands them.
Reports checkSegmentForces(const TextTable& forces, char sep, bool forcesToCome = false);
// The same fault with its cell.
std::optional<TendonFault> findSegmentForceFault(const TextTable& forces, char sep);

}  // namespace kvor
