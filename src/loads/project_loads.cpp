#include "loads/project_loads.h"

#include "evaluation/parallel_tasks.h"
#include "evaluation/station_lookup.h"
#include "model/error.h"
#include "model/numbers.h"
#include "structure/beam.h"

namespace kvor {

namespace {

void checkFinite(const LoadEffects& e)
{
    for (long double v : {e.selfWeight, e.permanent, e.variablePlus, e.variableMinus})
        checkedFinite(v);
    for (const std::optional<GroupPlacement>& t : {e.groupPlus, e.groupMinus})
        if (t) {
            checkedFinite(t->value);
            checkedFinite(t->position);
        }
}

}  // namespace

LinePoints slotLinePoints(const QuantitySlot& slot, char sep)
{
    const StationIndex index(slot.line, sep);
    const int rows = slot.line.rowCount() - 1;
    if (index.numberedRows() < rows)
        throw Error::invalidFloat(index.firstNonNumberText());
    LinePoints line;
    line.stations.reserve(static_cast<size_t>(rows));
    line.ordinates.reserve(static_cast<size_t>(rows));
    for (int r = 1; r <= rows; ++r) {
        line.stations.push_back(index.station(r));
        line.ordinates.push_back(index.value(r));
    }
    return line;
}

std::vector<QuantityLoadEffects> projectLoadEffects(const Project& project, const LoadValues& loads, char sep)
{
    std::vector<int> slots;
    std::vector<LinePoints> lines;
    for (int k = 0; k < kSlotCount; ++k) {
        const QuantitySlot& slot = project.quantities[static_cast<size_t>(k)];
        if (!slot.entered())
            continue;
        slots.push_back(k);
        lines.push_back(slotLinePoints(slot, sep));
    }
    if (slots.empty())
        return {};
    const long double length = totalBeamLength(project.beam, sep);

    // One task a line: the line on R is formed once for all its loads.
    std::vector<LoadEffects> effects(lines.size());
    runInParallel(lines.size(), [&](std::size_t q) {
        effects[q] = loadEffects(lines[q], length, loads.uniform, loads.axles);
    });

    std::vector<QuantityLoadEffects> result;
    for (std::size_t q = 0; q < lines.size(); ++q) {
        checkFinite(effects[q]);
        result.push_back({slots[q], effects[q]});
    }
    return result;
}

std::vector<QuantityLoadEffects> projectLoadEffects(const Project& project, char sep)
{
    return projectLoadEffects(project, loadValues(project.loads, sep), sep);
}

const char* directionText(int direction) { return direction > 0 ? "+" : "-"; }

std::array<std::string, 10> loadEffectTexts(const LoadEffects& e, char sep)
{
    std::array<std::string, 10> texts;
    texts[0] = formatNumber(e.selfWeight, sep);
    texts[1] = formatNumber(e.permanent, sep);
    texts[2] = formatNumber(e.variablePlus, sep);
    texts[3] = formatNumber(e.variableMinus, sep);
    const auto placement = [&](const std::optional<GroupPlacement>& t, size_t at) {
        if (!t)
            return;
        texts[at] = formatNumber(t->value, sep);
        texts[at + 1] = formatNumber(t->position, sep);
        texts[at + 2] = std::string(directionText(t->direction));
    };
    placement(e.groupPlus, 4);
    placement(e.groupMinus, 7);
    return texts;
}

std::string loadEffectUnit(const QuantitySlot& slot)
{
    const QuantityKind kind = quantityKindOf(slot.kindText);
    if (kind == QuantityKind::None)
        return "[-]";
    return kQuantityKindUnits[static_cast<size_t>(kind)];
}

}  // namespace kvor
