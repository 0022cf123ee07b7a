#include "evaluation/deferred_tendon_tables.h"

#include "tendons/parabolic_polygon.h"

namespace kvor {

bool formsTendonTable(const Project& project, int q, int t)
{
    const TendonSlot& tendon = project.tendons[static_cast<size_t>(t)];
    const bool hasMethod = tendon.type == TendonType::Straight || tendon.type == TendonType::Broken ||
                           isParabolicType(tendon.type);
    return project.quantities[static_cast<size_t>(q)].entered() && tendon.entered() && hasMethod;
}

DeferredTendonTables::DeferredTendonTables(const Project& project, char decimalSeparator)
    : input_(project), separator_(decimalSeparator)
{
    // The former tables are no input: the run forms its own anew.
    for (auto& row : input_.results.tendonTables)
        for (TextTable& table : row)
            table = TextTable();
}

void DeferredTendonTables::formInto(EvaluationResult& results) const
{
    // The same input gives the same run, now with its tables.
    Project run = input_;
    evaluateProject(run, separator_, TendonTables::Formed);
    for (int q = 0; q < kSlotCount; ++q)
        for (int t = 0; t < kSlotCount; ++t)
            if (formsTendonTable(input_, q, t))
                results.tendonTables[static_cast<size_t>(q)][static_cast<size_t>(t)] =
                    std::move(run.results.tendonTables[static_cast<size_t>(q)][static_cast<size_t>(t)]);
}

bool DeferredTendonTables::coveredBy(const Project& project) const
{
    for (int q = 0; q < kSlotCount; ++q)
        for (int t = 0; t < kSlotCount; ++t)
            if (formsTendonTable(input_, q, t) && !formsTendonTable(project, q, t))
                return false;
    return true;
}

}  // namespace kvor
