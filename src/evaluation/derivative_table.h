#pragma once
// Slopes of an influence line by finite differences, one per station.
//
// Table layout (2 columns, as many rows as the influence line's store table):
// row 0 "Staničení", "Derivace příč.č."; row i the station text of point i,
// copied character for character, and the slope at point i as a 15-digit text.
// Interior points take the central difference over both neighbours (not weighted
// by unequal spacing); point 1 the forward and point n the backward difference.
// Rows are written interior rows first, then row 1, then row n. A finished
// table holds its station column together with the line (TextTable::shareColumn).

#include "evaluation/station_lookup.h"
#include "model/text_table.h"

namespace kvor {

// Replaces `derivatives` by the slopes of `line` (row 0 headings, rows 1..n
// station, ordinate). A text that is no number (also the empty cell that a
// single-point line has in place of its missing neighbour) throws the conversion
// error; equal stations under a difference throw division by zero (invalid
// operation when the ordinates are equal too). Rows not yet written when it
// throws keep their earlier contents.
void buildDerivativeTable(const TextTable& line, TextTable& derivatives, char sep);
// The same from the line's index (StationIndex of `line`), whose parsed
// stations and ordinates are used instead of parsing the line again.
void buildDerivativeTable(const StationIndex& line, TextTable& derivatives, char sep);

}  // namespace kvor
