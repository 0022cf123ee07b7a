#include "evaluation/evaluation_pipeline.h"

#include "analysis/slot_generation.h"
#include "model/numbers.h"
#include "results/group_sums.h"
#include "tendons/parabolic_checks.h"

#include <array>

namespace kvor {

EvaluationStart prepareEvaluation(const Project& project, char sep)
{
    if (std::optional<Report> missing = checkEvaluationPreconditions(project))
        return {std::move(missing), {}};
    if (std::optional<Report> fault = checkEnteredParabolicTendons(project, sep))
        return {std::move(fault), {}};
    return {std::nullopt, staleInput(project, sep)};
}

std::vector<std::string> staleInputWarnings(const StaleInput& stale)
{
    std::vector<std::string> warnings;
    for (int k : stale.lines)
        warnings.push_back(staleLineWarning(k));
    for (int t : stale.tendons)
        warnings.push_back("Upozornění: síly " + formatInteger(t) +
                           ". kabelu neodpovídají jeho údajům o napínání (geometrie nebo síly se od výpočtu sil "
                           "změnily); vyhodnoceny jsou uložené síly.");
    return warnings;
}

void evaluateKeepingGroup(Project& project, char sep, std::optional<DeferredTendonTables>* deferred)
{
    const std::array<bool, kSlotCount> group = project.results.group;
    std::optional<DeferredTendonTables> previous;
    if (deferred) {
        previous.swap(*deferred);
        if (previous && !previous->coveredBy(project)) {
            previous->formInto(project.results);
            previous.reset();
        }
    }
    try {
        evaluateProject(project, sep, deferred ? TendonTables::Skipped : TendonTables::Formed);
        keepGroup(project, group, sep);
    } catch (...) {
        if (deferred) {
            // The run is made again with the tables, and fails where it failed.
            try {
                if (previous)
                    previous->formInto(project.results);
                evaluateProject(project, sep, TendonTables::Formed);
            } catch (...) {
            }
        }
        // A run that failed changes no choice of the user.
        project.results.group = group;
        throw;
    }
    if (deferred)
        deferred->emplace(project, sep);
}

}  // namespace kvor
