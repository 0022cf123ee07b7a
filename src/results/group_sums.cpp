#include "results/group_sums.h"

#include "model/numbers.h"

#include <algorithm>

namespace kvor {

bool groupChosen(const EvaluationResult& results)
{
    return std::find(results.group.begin(), results.group.end(), true) != results.group.end();
}

long double groupSum(const Project& project, int q, char sep)
{
    const EvaluationResult& results = project.results;
    // The shown texts are summed, so the sum matches what the user reads.
    long double sum = 0.0L;
    for (int t = 0; t < kSlotCount; ++t)
        if (results.group[t])
            sum += toNumber(results.value[q][t], sep);
    return checkedFinite(sum);
}

void computeGroupSums(Project& project, char sep)
{
    EvaluationResult& results = project.results;
    for (int q = 0; q < kSlotCount; ++q)
        results.groupSum[q] = project.quantities[q].entered() ? formatNumber(groupSum(project, q, sep), sep)
                                                              : std::string(kNoValueText);
}

void keepGroup(Project& project, const std::array<bool, kSlotCount>& group, char sep)
{
    EvaluationResult& results = project.results;
    for (size_t t = 0; t < kSlotCount; ++t)
        results.group[t] = group[t] && results.selectable[t];
    if (groupChosen(results))
        computeGroupSums(project, sep);
}

bool groupLineNotEvaluated(const EvaluationResult& results, int q)
{
    if (results.groupSum[q].empty())
        return results.block[q] == BlockState::NotEvaluated;
    return results.groupSum[q] == kNoValueText;
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
