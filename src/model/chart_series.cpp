#include "model/chart_series.h"

#include <algorithm>

namespace kvor {

ChartColour slotColour(int slotIndex)
{
    static constexpr ChartColour colours[] = {ChartColour::Red, ChartColour::Blue, ChartColour::Green,
                                              ChartColour::Maroon, ChartColour::Black};
    return colours[std::clamp(slotIndex, 0, 4)];
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

}  // namespace kvor
