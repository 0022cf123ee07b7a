#pragma once
// Slopes of an influence line, one per station, and the one-sided slopes where
// the line kinks.
//
// Table layout (2 columns, as many rows as the influence line's store table):
// row 0 "Staničení", "Derivace příč.č."; row i the station text of point i,
// copied character for character, and the slope at point i as a 15-digit text.
// A finished table holds its station column together with the line
// (TextTable::shareColumn).
//
// Finite differences (a typed or loaded line): a slope is never taken across a
// jump of the line (two rows at one station), each side of the jump is
// differentiated from its own side only. A point with a neighbour on both sides
// takes the central difference over both (not weighted by unequal spacing), a
// point with a neighbour on one side only the forward or backward difference
// over it. At the quantity's own station X, where a line may kink (a bending
// moment's line does), the two sides' differences are kept apart: the row
// shows their mean, and a point between X and a neighbour takes the slope of
// its own side (OneSidedSlope). Rows are written interior rows first, then
// row 1, then row n; a point with no neighbour of its own (the first two, the
// last two or three consecutive points at one station) divides by zero as the
// difference over the jump would.
//
// Exact slopes (a line generated from the beam): the slopes dη/ds of the
// closed form at each station, from either side; where they differ (a kink)
// the row shows their mean and the sides are kept as above.

#include "analysis/beam_influence.h"
#include "evaluation/station_lookup.h"
#include "model/text_table.h"

#include <optional>
#include <vector>

namespace kvor {

// Replaces `derivatives` by the slopes of `line` (row 0 headings, rows 1..n
// station, ordinate) and returns the rows where the two sides differ.
// `station` is the quantity's X when known. A text that is no number (also
// the empty cell that a single-point line has in place of its missing
// neighbour) throws the conversion error; equal stations under a difference
// throw division by zero (invalid operation when the ordinates are equal too).
// Rows not yet written when it throws keep their earlier contents.
std::vector<OneSidedSlope> buildDerivativeTable(const TextTable& line, TextTable& derivatives, char sep,
                                                std::optional<long double> station = std::nullopt);
// The same from the line's index (StationIndex of `line`), whose parsed
// stations and ordinates are used instead of parsing the line again.
std::vector<OneSidedSlope> buildDerivativeTable(const StationIndex& line, TextTable& derivatives, char sep,
                                                std::optional<long double> station = std::nullopt);
// The table of exact slopes, one pair per row of the line (rows 1..n).
std::vector<OneSidedSlope> buildDerivativeTable(const StationIndex& line, const std::vector<StationSlopes>& exact,
                                                TextTable& derivatives, char sep);

}  // namespace kvor
