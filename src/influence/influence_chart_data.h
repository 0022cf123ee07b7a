#pragma once
// The influence-line chart ("Graf") as data: the chosen influence lines in
// their slot colours and the black beam axis.
//
// Series, drawn in this order (later on top):
//   "quantity1".."quantity5"  points of the slot's store table, rows 1..n in
//                             order (x = station, y = ordinate), slot colour;
//                             present for each slot whose line is stored and
//                             whose "Kreslit graf" is checked; when
//                             several are drawn, each is labelled for the
//                             legend "Veličina q: " with the slot's description
//                             (its kind when it has none)
//   "beamAxis"                (0, 0) and (T, 0), T the total beam length, black
// The ordinates' unit is that of the slots' kind per kN ("m" for a bending
// moment, "kN/kN", "m/kN", "rad/kN"), none when the lines drawn differ.

#include "model/chart_series.h"
#include "model/project.h"

namespace kvor {

// Builds the drawing of "Graf" into `drawing`, which is first emptied:
//   - no draw flag checked: only `nothingChosen` is set (warning panel, beep);
//   - a simple beam without L, or a continuous beam without the first member's
//     length: the lines stay and the axis is left out, with the report
//     "Zadejte tvar konstrukce" (structure page, focus on the span or the
//     member table).
// A stored text or member length that is no number throws the conversion error
// (kvor::Error); `drawing` then holds what was built up to that point, which
// the chart shows, as the command's work so far stays done.
void buildInfluenceChart(const Project& project, char decimalSeparator, ChartDrawing& drawing);

}  // namespace kvor
