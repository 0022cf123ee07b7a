#include "model/project.h"

namespace kvor {

const std::array<const char*, 5> kQuantityKindLabels = {
    "Ohybový moment", "Posouvající síla", "Reakce", "Průhyb", "Pootočení"};
const std::array<const char*, 5> kQuantityKindUnits = {"[kNm]", "[kN]", "[kN]", "[m]", "[rad]"};
const std::array<const char*, 5> kTendonTypeLabels = {
    "přímý kabel", "lomený kabel", "prostý parabolický", "složený parabolický", "kombinovaný"};
const std::array<const char*, 5> kTendonTableTypeLabels = {
    "přímý kabel", "lomený kabel", "parabolický prostý", "parabolický složený", "kombinovaný"};
const std::array<const char*, 2> kAxleTableHeadings = {"Síla F [kN]", "Vzdálenost a [m]"};

BeamModel::BeamModel() : members(3, 2)
{
    // The member table is built for the starting count 2 before it is first shown.
    members.setRow(0, {"    Číslo prutu", "  Délka prutu [m]"});
    members.setCell(1, 0, "1");
    members.setCell(2, 0, "2");
}

QuantitySlot::QuantitySlot() : line(20, 2) {}

TendonSlot::TendonSlot() : points(12, 3) {}

LoadInput::LoadInput() : axles(1, 2)
{
    axles.setRow(0, {kAxleTableHeadings[0], kAxleTableHeadings[1]});
}

EvaluationResult::EvaluationResult()
{
    block.fill(BlockState::Initial);
    // What the result window shows before the first evaluation.
    caption.fill("- posouvající síla");
    comment.fill("komentář k posuzované veličině");
    unit.fill("[kNm]");
    // The group boxes are enabled until a run decides which tendons may join.
    selectable.fill(true);
    group.fill(false);
    tendonTableType.fill(-1);
    for (auto& t : derivatives)
        t.resize(20, 2);
    for (auto& row : tendonTables)
        for (auto& t : row)
            t.resize(5, 9);
}

Project::Project()
{
    quantities[0].shown = true;
    tendons[0].shown = true;
}

QuantityKind quantityKindOf(std::string_view kindText)
{
    for (size_t i = 0; i < kQuantityKindLabels.size(); ++i)
        if (kindText == kQuantityKindLabels[i])
            return static_cast<QuantityKind>(i);
    return QuantityKind::None;
}

TendonType tendonTypeOf(std::string_view typeText)
{
    for (size_t i = 0; i < kTendonTypeLabels.size(); ++i)
        if (typeText == kTendonTypeLabels[i])
            return static_cast<TendonType>(i);
    return TendonType::None;
}

}  // namespace kvor
