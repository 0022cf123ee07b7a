#include "evaluation/evaluation_run.h"

#include "evaluation/derivative_table.h"
#include "evaluation/station_lookup.h"
#include "evaluation/tendon_effect.h"
#include "model/numbers.h"
#include "tendons/parabolic_polygon.h"

#include <algorithm>
#include <array>

namespace kvor {
namespace {

constexpr const char* kNotEntered = "###";

void setUnit(std::string& unit, const std::string& kindText)
{
    if (kindText.empty()) {
        unit = "[-]";
        return;
    }
    const QuantityKind kind = quantityKindOf(kindText);
    // A typed text that names no kind leaves the unit as it was.
    if (kind != QuantityKind::None)
        unit = kQuantityKindUnits[static_cast<size_t>(kind)];
}

// What each tendon is evaluated as: a parabolic tendon as the broken tendon of
// its polygon, formed once per run; the other types as stored.
struct TendonGeometry {
    TendonType method = TendonType::None;
    TextTable polygon;
};

void evaluateQuantity(Project& project, int q, std::array<TendonLoads, kSlotCount>& loads,
                      std::array<TendonGeometry, kSlotCount>& geometry, char sep)
{
    EvaluationResult& results = project.results;
    const QuantitySlot& quantity = project.quantities[static_cast<size_t>(q)];
    TextTable& derivatives = results.derivatives[static_cast<size_t>(q)];
    buildDerivativeTable(quantity.line, derivatives, sep);

    // Both station columns are parsed once per quantity and shared by all tendons.
    const StationIndex line(quantity.line, sep);
    const StationIndex slopes(derivatives, sep);
    for (int t = 0; t < kSlotCount; ++t) {
        const TendonSlot& tendon = project.tendons[static_cast<size_t>(t)];
        std::string& value = results.value[static_cast<size_t>(q)][static_cast<size_t>(t)];
        if (tendon.entered()) {
            const bool parabolic = isParabolicType(tendon.type);
            if (tendon.type == TendonType::Straight || parabolic)
                results.tendonTableType[static_cast<size_t>(t)] = static_cast<int>(tendon.type);
            TendonGeometry& shape = geometry[static_cast<size_t>(t)];
            if (parabolic && shape.method == TendonType::None) {
                shape.polygon = parabolicPolygon(tendon, sep);
                shape.method = TendonType::Broken;
            }
            const TendonType method = parabolic ? shape.method : tendon.type;
            const TextTable& points = parabolic ? shape.polygon : tendon.points;
            TextTable& table = results.tendonTables[static_cast<size_t>(q)][static_cast<size_t>(t)];
            // A type without a method keeps its old value.
            if (const auto effect = tendonEffect(method, points, line, slopes, table, sep,
                                                 loads[static_cast<size_t>(t)]))
                value = formatNumber(*effect, sep);
        } else {
            value = kNotEntered;
        }
        results.selectable[static_cast<size_t>(t)] = tendon.entered();
        results.group[static_cast<size_t>(t)] = false;
    }

    results.block[static_cast<size_t>(q)] = BlockState::Evaluated;
    results.caption[static_cast<size_t>(q)] = "- " + quantity.kindText;
    results.comment[static_cast<size_t>(q)] = quantity.description;
    setUnit(results.unit[static_cast<size_t>(q)], quantity.kindText);
}

void markNotEvaluated(EvaluationResult& results, int q)
{
    results.block[static_cast<size_t>(q)] = BlockState::NotEvaluated;
    results.caption[static_cast<size_t>(q)].clear();
    results.comment[static_cast<size_t>(q)].clear();
}

}  // namespace

std::optional<Report> checkEvaluationPreconditions(const Project& project)
{
    const auto entered = [](const auto& slot) { return slot.entered(); };
    if (std::none_of(project.tendons.begin(), project.tendons.end(), entered))
        return Report{"Zadejte typ a tvar předpínacích kabelů", Beep::AfterMessage, "BitBtn22", std::nullopt};
    if (std::none_of(project.quantities.begin(), project.quantities.end(), entered))
        return Report{"Zadejte průběhy příčinkových čar", Beep::AfterMessage, "BitBtn4", kInfluenceLinesPage};
    return std::nullopt;
}

void evaluateProject(Project& project, char sep)
{
    // A tendon's point loads are formed at its first quantity and copied into
    // the tables of the later ones.
    std::array<TendonLoads, kSlotCount> loads;
    std::array<TendonGeometry, kSlotCount> geometry;
    for (int q = 0; q < kSlotCount; ++q) {
        if (project.quantities[static_cast<size_t>(q)].entered())
            evaluateQuantity(project, q, loads, geometry, sep);
        else
            markNotEvaluated(project.results, q);
    }
}

}  // namespace kvor
