#include "model/chart_series.h"

#include "model/numbers.h"
#include "model/visible_text.h"

#include <algorithm>

namespace kvor {

ChartColour slotColour(int slotIndex)
{
    static constexpr ChartColour colours[] = {ChartColour::Red, ChartColour::Blue, ChartColour::Green,
                                              ChartColour::Maroon, ChartColour::Black};
    return colours[std::clamp(slotIndex, 0, 4)];
}

std::string slotLegendLabel(std::string_view noun, int slotIndex, std::string_view name)
{
    std::string label = std::string(noun) + " " + formatInteger(slotIndex + 1);
    const size_t first = name.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return label;
    name = name.substr(first, name.find_last_not_of(' ') - first + 1);
    // A name from a project file can hold anything: shown as a message shows
    // it, and short enough for the legend beside a chart.
    return label + ": " + visibleText(name, 24);
}

const ChartSeries* ChartDrawing::find(std::string_view name) const
{
    const auto it = std::find_if(series.begin(), series.end(), [&](const ChartSeries& s) { return s.name == name; });
    return it == series.end() ? nullptr : &*it;
}

Report structureMissingReport(const BeamModel& beam)
{
    const Field focus = beam.kind == BeamKind::Simple ? Field::BeamLength : Field::MemberLengths;
    return Report{"Zadejte tvar konstrukce", Beep::None, focus, Page::Structure};
}

namespace {

AxisRange widenedIfFlat(AxisRange range)
{
    if (range.max > range.min)
        return range;
    return {range.min - 1.0L, range.max + 1.0L};
}

}  // namespace

ChartRanges chartRanges(const std::vector<ChartSeries>& series)
{
    bool any = false;
    ChartRanges ranges{{0.0L, 1.0L}, {0.0L, 1.0L}};
    for (const ChartSeries& s : series) {
        for (const ChartPoint& p : s.points) {
            if (!any) {
                ranges = {{p.x, p.x}, {p.y, p.y}};
                any = true;
                continue;
            }
            ranges.x = {std::min(ranges.x.min, p.x), std::max(ranges.x.max, p.x)};
            ranges.y = {std::min(ranges.y.min, p.y), std::max(ranges.y.max, p.y)};
        }
    }
    if (!any)
        return ranges;
    return {widenedIfFlat(ranges.x), widenedIfFlat(ranges.y)};
}

std::vector<ChartPoint> pointsForColumns(const std::vector<ChartPoint>& points, int columns)
{
    columns = std::max(columns, 1);
    if (points.size() <= 4 * static_cast<size_t>(columns))
        return points;
    long double left = points.front().x, right = points.front().x;
    for (const ChartPoint& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
    }
    const long double scale = right > left ? columns / (right - left) : 0.0L;
    const auto columnOf = [&](long double x) { return std::min(static_cast<int>((x - left) * scale), columns - 1); };

    std::vector<ChartPoint> kept;
    kept.reserve(4 * static_cast<size_t>(columns));
    // Indices of the current run's first, least, greatest and last point.
    size_t first = 0, least = 0, greatest = 0;
    const auto closeRun = [&](size_t last) {
        size_t order[] = {first, least, greatest, last};
        std::sort(std::begin(order), std::end(order));
        const size_t* end = std::unique(std::begin(order), std::end(order));
        for (const size_t* i = std::begin(order); i != end; ++i)
            kept.push_back(points[*i]);
    };
    int column = columnOf(points.front().x);
    for (size_t i = 1; i < points.size(); ++i) {
        const int c = columnOf(points[i].x);
        if (c != column) {
            closeRun(i - 1);
            first = least = greatest = i;
            column = c;
            continue;
        }
        if (points[i].y < points[least].y)
            least = i;
        if (points[i].y > points[greatest].y)
            greatest = i;
    }
    closeRun(points.size() - 1);
    return kept;
}

}  // namespace kvor
