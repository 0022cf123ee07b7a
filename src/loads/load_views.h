#pragma once
// The loads' effects as a table and as a picture: what a window or the report
// shows of them, decided here so that both say the same.

#include "loads/project_loads.h"
#include "model/chart_series.h"
#include "model/text_table.h"

#include <array>
#include <string>
#include <vector>

namespace kvor {

// The columns of the effects table: the quantity, its unit, G0, G1, Q+, Q−,
// T+ with p+ and d+, T− with p− and d−.
inline constexpr std::array<const char*, 12> kLoadEffectHeadings = {
    "Veličina", "Jednotka", "G0", "G1", "Q+", "Q−", "T+", "p+ [m]", "d+", "T−", "p− [m]", "d−"};

// The name of a quantity in the table: its slot number, kind and, when there
// is one, its description ("1 Ohybový moment (uprostřed pole)").
std::string loadQuantityName(const QuantitySlot& slot, int slotIndex);

// Row 0 the headings, then one row per quantity of `effects` (their order).
TextTable loadEffectsTable(const Project& project, const std::vector<QuantityLoadEffects>& effects, char sep);

// The influence line of one quantity with the beam's axis and, when `axles`
// is shown, the axles of T+ (red) and T− (blue) as downward arrows: each tip
// on the line at p + d·a_i (at a jump on the value the extreme takes there;
// off the loaded range on 0), the shafts a quarter of the line's height long.
// The series are named "line", "beamAxis", "T+ i" and "T− i" (i from 1).
std::vector<ChartSeries> loadChartSeries(const LinePoints& line, long double totalLength,
                                         const LoadEffects& effects, const AxleGroup& axles, bool axlesShown);

// The value the axle at x reads from the line for the extreme: off the loaded
// range 0; on a station the largest (`larger`) or smallest of its rows and,
// at an end of the range, of the 0 beyond it; between stations the line.
long double adverseOrdinate(const LinePoints& line, long double totalLength, long double x, bool larger);

}  // namespace kvor
