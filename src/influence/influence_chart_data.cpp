#include "influence/influence_chart_data.h"

#include "model/numbers.h"
#include "structure/beam.h"

#include <algorithm>
#include <vector>

namespace kvor {

namespace {

// An ordinate is the quantity of a unit force of 1 kN.
std::string ordinateUnit(std::string_view kindText)
{
    switch (quantityKindOf(kindText)) {
    case QuantityKind::BendingMoment:
        return "m";
    case QuantityKind::ShearForce:
    case QuantityKind::Reaction:
        return "kN/kN";
    case QuantityKind::Deflection:
        return "m/kN";
    case QuantityKind::Rotation:
        return "rad/kN";
    case QuantityKind::None:
        break;
    }
    return {};
}

}  // namespace

void buildInfluenceChart(const Project& project, char sep, ChartDrawing& drawing)
{
    const auto& slots = project.quantities;
    if (!startSlotDrawing(slots, drawing))
        return;

    std::vector<int> drawn;  // the slots of the lines, in order
    for (int q = 0; q < kSlotCount; ++q) {
        const QuantitySlot& slot = slots[q];
        if (!slot.draw || !slot.storeMark())
            continue;  // a chosen line that was never stored is skipped silently
        drawn.push_back(q);
        const std::string unit = ordinateUnit(slot.kindText);
        drawing.valueUnit = drawing.series.empty() || drawing.valueUnit == unit ? unit : std::string();
        ChartSeries& series =
            drawing.series.emplace_back(ChartSeries{"quantity" + formatInteger(q + 1), slotColour(q), {}});
        series.points.reserve(static_cast<size_t>(std::max(slot.line.rowCount() - 1, 0)));
        for (int r = 1; r < slot.line.rowCount(); ++r)
            series.points.push_back({toNumber(slot.line.cell(r, 0), sep), toNumber(slot.line.cell(r, 1), sep)});
    }

    // Lines told apart by a legend when there are several.
    if (drawn.size() > 1)
        for (size_t i = 0; i < drawn.size(); ++i) {
            const QuantitySlot& slot = slots[drawn[i]];
            drawing.series[i].label =
                slotLegendLabel("Veličina", drawn[i], slot.description.empty() ? slot.kindText : slot.description);
        }

    const BeamModel& beam = project.beam;
    const bool lengthGiven =
        beam.kind == BeamKind::Simple ? !beam.length.empty() : !beam.members.cell(1, 1).empty();
    if (!lengthGiven) {
        drawing.report = structureMissingReport(beam);
        return;
    }
    const long double total = totalBeamLength(beam, sep);
    drawing.series.push_back({"beamAxis", ChartColour::Black, {{0.0L, 0.0L}, {total, 0.0L}}});
}

}  // namespace kvor
