#pragma once
// What a line chart shows, without any window: named line series of points in
// metres, each in one colour, drawn in list order (later series on top).
// Both charts of the main window are built as this data and rendered by the
// windows; a drawing command replaces every series the chart showed before.

#include "model/project.h"
#include "model/report.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvor {

// The slot colours in slot order; black is also the colour of the beam lines.
enum class ChartColour { Red, Blue, Green, Maroon, Black };

// Colour of the slot with 0-based index 0..4: red, blue, green, maroon, black.
ChartColour slotColour(int slotIndex);

struct ChartPoint {
    long double x;
    long double y;

    bool operator==(const ChartPoint&) const = default;
};

struct ChartSeries {
    std::string name;  // what the line is: "quantity1", "beamAxis", "tendon3", "supports", ...
    ChartColour colour;
    std::vector<ChartPoint> points;  // joined in this order
    // The line's entry in the chart's legend ("Kabel 2: K2 spodní"); none when empty.
    std::string label = {};
};

// A slot's legend entry: the noun and slot number, then the slot's own name
// when it has one: "Kabel 2: K2 spodní", "Veličina 1".
std::string slotLegendLabel(std::string_view noun, int slotIndex, std::string_view name);

// The outcome of one drawing command ("Graf", "Vykresli").
struct ChartDrawing {
    // No slot is chosen for drawing: the chart and its title are hidden, the red
    // warning panel is shown with a beep, and the series stay as they were.
    bool nothingChosen = false;
    // Everything the chart shows after the command, replacing what it showed.
    std::vector<ChartSeries> series;
    // Points marked on top of the lines, not joined: the given points of a
    // tendon drawn through a finer polygon.
    std::vector<ChartSeries> marks;
    // Shown after drawing: "Zadejte tvar konstrukce" with the page and focus to go to.
    std::optional<Report> report;
    // The unit of the values up the chart ("m", "m/kN"), for a read-out;
    // empty when the lines drawn differ in it.
    std::string valueUnit;

    // The series of that name, or nullptr.
    const ChartSeries* find(std::string_view name) const;
};

// The start of a drawing command over the quantity or tendon slots: the
// drawing emptied, and whether any slot is chosen for drawing ("Kreslit
// graf", "Kreslit kabel"); when none is, nothingChosen is set.
template <class Slots>
bool startSlotDrawing(const Slots& slotList, ChartDrawing& drawing)
{
    drawing = ChartDrawing{};
    drawing.nothingChosen =
        std::none_of(slotList.begin(), slotList.end(), [](const auto& slot) { return slot.draw; });
    return !drawing.nothingChosen;
}

// "Zadejte tvar konstrukce", no beep: the structure page comes to the front with
// the focus on the span L (simple beam) or the member table (continuous beam).
Report structureMissingReport(const BeamModel& beam);

struct AxisRange {
    long double min;
    long double max;

    bool operator==(const AxisRange&) const = default;
};

struct ChartRanges {
    AxisRange x;
    AxisRange y;

    bool operator==(const ChartRanges&) const = default;
};

// Automatic scaling: the smallest ranges holding every point of every series.
// An extent of zero (a single station, or all ordinates equal, such as a beam
// axis alone) is widened by 1 to each side so the line lies inside the plot;
// with no points at all the ranges are 0..1.
ChartRanges chartRanges(const std::vector<ChartSeries>& series);

// A line of many points as drawn `columns` pixel columns wide across its own
// stations: of each run of consecutive points in one column the first, the
// least, the greatest and the last are kept, in their order along the line.
// The drawn line covers the same pixels (no peak is lost, the joins between
// columns are the line's own segments) with at most four points per run, so
// a line whose stations rise needs at most 4·columns points. A line of no
// more points than that is returned whole.
std::vector<ChartPoint> pointsForColumns(const std::vector<ChartPoint>& points, int columns);

}  // namespace kvor
