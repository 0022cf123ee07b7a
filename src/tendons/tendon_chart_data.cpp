#include "tendons/tendon_chart_data.h"

#include "model/numbers.h"
#include "tendons/parabolic_polygon.h"

#include <algorithm>
#include <iterator>

namespace kvor {

namespace {

std::vector<ChartPoint> pointsOf(const TextTable& table, char sep)
{
    std::vector<ChartPoint> points;
    points.reserve(static_cast<size_t>(std::max(table.rowCount() - 1, 0)));
    for (int r = 1; r < table.rowCount(); ++r)
        points.push_back({toNumber(table.cell(r, 0), sep), toNumber(table.cell(r, 1), sep)});
    return points;
}

void addTendons(const Project& project, char sep, ChartDrawing& drawing)
{
    for (int t = 0; t < kSlotCount; ++t) {
        const TendonSlot& slot = project.tendons[t];
        if (!slot.draw || !slot.storeMark())
            continue;  // a chosen tendon that was never stored is skipped silently
        const std::string name = "tendon" + formatInteger(t + 1);
        ChartSeries& series = drawing.series.emplace_back(ChartSeries{name, slotColour(t), {}});
        series.label = slotLegendLabel("Kabel", t, slot.name);
        if (!isParabolicType(slot.type)) {
            series.points = pointsOf(slot.points, sep);
            continue;
        }
        // A parabola is drawn through its chords, so it looks smooth, and its
        // given points are marked on it.
        series.points = pointsOf(parabolicPolygon(slot, sep), sep);
        drawing.marks.push_back(ChartSeries{name + "Points", slotColour(t), pointsOf(slot.points, sep)});
    }
}

bool outlineGiven(const Project& project)
{
    const BeamModel& beam = project.beam;
    const bool lengthGiven =
        beam.kind == BeamKind::Simple ? !beam.length.empty() : !beam.members.cell(1, 1).empty();
    return lengthGiven && !project.section.eBottom.empty() && !project.section.eTop.empty();
}

// The outline is drawn below the tendons: its series go before theirs, in the
// order they are built.
ChartSeries& insertOutlineSeries(ChartDrawing& drawing, size_t& nextOutline, ChartSeries series)
{
    const auto at = drawing.series.insert(std::next(drawing.series.begin(), static_cast<long>(nextOutline)),
                                          std::move(series));
    ++nextOutline;
    return *at;
}

}  // namespace

void buildTendonChart(const Project& project, char sep, ChartDrawing& drawing)
{
    if (!startSlotDrawing(project.tendons, drawing))
        return;

    drawing.valueUnit = "m";  // eccentricities
    addTendons(project, sep, drawing);

    if (!outlineGiven(project)) {
        drawing.report = structureMissingReport(project.beam);
        return;
    }

    const BeamModel& beam = project.beam;
    const long double eTop = toNumber(project.section.eTop, sep);
    const long double eBottom = toNumber(project.section.eBottom, sep);
    size_t nextOutline = 0;

    long double total = 0.0L;
    if (beam.kind == BeamKind::Simple) {
        total = toNumber(beam.length, sep);
    } else {
        // Runs along the top fibres to the end of member 1, down its end, along
        // the bottom fibres to the end of member 2, up its end, and so on.
        ChartSeries supports{"supports", ChartColour::Black, {{0.0L, eTop}}};
        ChartSeries& zigzag = insertOutlineSeries(drawing, nextOutline, std::move(supports));
        for (int c = 1; c < beam.members.rowCount(); ++c) {
            total += toNumber(beam.members.cell(c, 1), sep);
            const bool odd = c % 2 == 1;
            zigzag.points.push_back({total, odd ? eTop : eBottom});
            zigzag.points.push_back({total, odd ? eBottom : eTop});
        }
    }

    insertOutlineSeries(drawing, nextOutline, {"topFibres", ChartColour::Black, {{0.0L, eTop}, {total, eTop}}});
    insertOutlineSeries(drawing, nextOutline, {"bottomFibres", ChartColour::Black, {{0.0L, eBottom}, {total, eBottom}}});
    insertOutlineSeries(drawing, nextOutline, {"neutralAxis", ChartColour::Black, {{0.0L, 0.0L}, {total, 0.0L}}});
}

}  // namespace kvor
