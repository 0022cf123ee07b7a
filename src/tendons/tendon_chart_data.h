#pragma once
// The tendon layout chart ("Vykresli") as data: the beam's outline in black and the chosen tendons in their slot colours.
// y is the distance from the neutral axis in metres, positive downwards; the
// chart's left axis is inverted so that positive values lie below the axis.
//
// Series, drawn in this order (later on top):
//   "supports"      continuous beam only: from (0, eTop), for member
//                   c = 1..n with x its end station, (x, eTop), (x, eBottom)
//                   for odd c and (x, eBottom), (x, eTop) for even c: a
//                   vertical line at the end of every member      black
//   "topFibres"     (0, eTop) and (T, eTop)                         black
//   "bottomFibres"  (0, eBottom) and (T, eBottom)                   black
//   "neutralAxis"   (0, 0) and (T, 0)                               black
//   "tendon1".."tendon5"  (station, eccentricity) of rows 1..n of the slot's
//                   store table, for each stored tendon whose "Kreslit kabel"
//                   is checked, labelled for the legend "Kabel t: "
//                   with the tendon's name                          slot colour
//                   (types 2 to 4: the points of the tendon's polygon, and
//                   its given points as the marks "tendon1Points"...)
// T is the total beam length.

#include "model/chart_series.h"
#include "model/project.h"

namespace kvor {

// Builds the drawing of "Vykresli" into `drawing`, which is first emptied:
//   - no draw flag checked: only `nothingChosen` is set (warning panel, beep);
//   - L (simple beam) or the first member's length (continuous beam), e_d or
//     e_h empty: the tendons stay and the outline is left out, with the report
//     "Zadejte tvar konstrukce" (structure page, focus on the span or the
//     member table).
// A stored text, length or fibre distance that is no number throws the
// conversion error (kvor::Error); `drawing` then holds what was built up to
// that point, which the chart shows.
void buildTendonChart(const Project& project, char decimalSeparator, ChartDrawing& drawing);

}  // namespace kvor
