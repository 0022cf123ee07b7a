#pragma once
// Checks of a parabolic tendon (types 2 to 4), on its store table (see
// parabolic_polygon.h) and its D text. The dialog runs the parts when the
// focus leaves a field or table and the whole check at "Zpět"; an evaluation
// of an opened file runs the whole check for every entered tendon of these
// types before the first quantity.
//
// Type 2 is entered in fields, types 3 and 4 in two tables, and the messages
// follow the straight tendon's fields and the broken tendon's tables; the
// focus goes to the field at fault:
//   type 2   x1, e1, x2, e2, m, N, D (Field::ParabolaFirstStation ..
//            Field::ParabolaDivisions);
//   type 3/4 the point table (station, eccentricity), the segment table
//            (force, mid-eccentricity) and D (Field::ParabolaPoints,
//            ParabolaSegments, ParabolaTableDivisions).
// A fault in a table names its cell (row and column of that table).
//
// The total beam length, eBottom and eTop are obtained before any input is
// looked at; a text of theirs that is no number throws kvor::Error.

#include "model/project.h"
#include "model/report.h"
#include "model/text_table.h"
#include "tendons/tendon_checks.h"

#include <optional>
#include <string_view>

namespace kvor {

// The inputs of the parabolic panels.
namespace parabolic_fields {
inline constexpr Field kX1 = Field::ParabolaFirstStation;
inline constexpr Field kE1 = Field::ParabolaFirstEccentricity;
inline constexpr Field kX2 = Field::ParabolaSecondStation;
inline constexpr Field kE2 = Field::ParabolaSecondEccentricity;
inline constexpr Field kMid = Field::ParabolaMidEccentricity;
inline constexpr Field kForce = Field::ParabolaForce;
inline constexpr Field kSimpleDivisions = Field::ParabolaDivisions;
inline constexpr Field kPointCount = Field::ParabolaPointCount;
inline constexpr Field kPointTable = Field::ParabolaPoints;
inline constexpr Field kSegmentTable = Field::ParabolaSegments;
inline constexpr Field kTableDivisions = Field::ParabolaTableDivisions;
}  // namespace parabolic_fields

// Type 2, one field at a time (the straight tendon's rules and messages):
// x1 as s1, x2 as s2 (strictly after x1), e1, e2 and m inside the section
// (m must be given: "Zadejte excentricitu kabelu uprostřed úseku!!!"), N below 0.
Reports checkSimpleField(Field field, const TextTable& store, const BeamModel& beam,
                         const CrossSection& section, char sep);

// D: a whole number 1..1000, else "Počet dělení paraboly musí být celé číslo
// od 1 do 1000!!!" with a beep before, focus `field`.
std::optional<TendonFault> checkDivisions(std::string_view divisions, Field field);

// Types 3/4, the point table: stations as a broken tendon's (numbers, on the
// beam, not descending), then eccentricities inside the section.
std::optional<TendonFault> checkParabolicPoints(const TextTable& store, const BeamModel& beam,
                                                const CrossSection& section, char sep);

// Types 3/4, the segment table, segment by segment: the force a number, below 0
// on a parabolic segment (0 passes on a straight one, as for a broken tendon);
// m given on every segment of type 3, a number inside the section; the stations
// of a parabolic segment strictly ascending.
// When the table is left, `forcesToCome` lets an entirely empty force column
// pass (its forces may come from stressing); storing the tendon demands them.
std::optional<TendonFault> checkParabolicSegments(TendonType type, const TextTable& store,
                                                  const CrossSection& section, char sep, bool forcesToCome = false);

// The whole definition, first fault only: the parts above in order, then the
// polygon within 32766 points and every polygon point, as its text reads back,
// inside the section (a parabola can bulge beyond its three points).
std::optional<TendonFault> checkParabolicTendon(TendonType type, const TextTable& store,
                                                std::string_view divisions, const BeamModel& beam,
                                                const CrossSection& section, char sep);

// Before an evaluation: the whole check of every entered tendon of types 2 to 4
// in slot order. A fault is reported with its message and beep, the focus on
// the slot's tendon definition ("Zadat" of the slot's row).
std::optional<Report> checkEnteredParabolicTendons(const Project& project, char sep);

}  // namespace kvor
