#include "results/group_sums.h"

#include "model/numbers.h"

namespace kvor {

void computeGroupSums(Project& project, char sep)
{
    EvaluationResult& results = project.results;
    for (int q = 0; q < kSlotCount; ++q) {
        if (!project.quantities[q].entered()) {
            results.groupSum[q] = std::string(kNoValueText);
            continue;
        }
        // The shown texts are summed, so the sum matches what the user reads.
        long double sum = 0.0L;
        for (int t = 0; t < kSlotCount; ++t)
            if (results.group[t])
                sum += toNumber(results.value[q][t], sep);
        results.groupSum[q] = formatNumber(checkedFinite(sum), sep);
    }
}

bool groupLineNotEvaluated(const EvaluationResult& results, int q)
{
    if (results.groupSum[q].empty())
        return results.block[q] == BlockState::NotEvaluated;
    return results.groupSum[q] == kNoValueText;
}

void clearGroup(EvaluationResult& results)
{
    for (auto& sum : results.groupSum)
        sum.clear();
    results.group.fill(false);
}

void returnToInput(EvaluationResult& results)
{
    results.saved = false;
    for (auto& row : results.value)
        for (auto& v : row)
            v.clear();
    for (auto& sum : results.groupSum)
        sum.clear();
}

}  // namespace kvor
