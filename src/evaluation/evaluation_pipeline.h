#pragma once
// The one way from the stored input to the results, shared by "Výpočet", by
// kvor-calc and by the report of a saved project:
//
//   1. prepareEvaluation: the run's preconditions, then the whole check of
//      every entered parabolic tendon (a tendon of an opened file has not been
//      through its dialog). The first fault refuses the run with its report.
//      Otherwise the stale input (generated lines the beam no longer gives,
//      tendons whose forces no longer follow from their stressing) is listed:
//      the window asks about it in one question, a program without a window
//      evaluates what is stored and warns on standard error (staleInputWarnings).
//   2. refreshStaleInput (stale_input.h) when the engineer chose to compute the
//      stale input again.
//   3. evaluateProject (evaluation_run.h), or evaluateKeepingGroup, which sums
//      the group chosen before the run again.

#include "evaluation/deferred_tendon_tables.h"
#include "evaluation/evaluation_run.h"
#include "evaluation/stale_input.h"
#include "model/project.h"
#include "model/report.h"

#include <optional>
#include <string>
#include <vector>

namespace kvor {

struct EvaluationStart {
    // The run does not start: report this (message, beep, focus, and for a
    // missing quantity the page "Příčinkové čáry").
    std::optional<Report> refusal;
    // Empty with a refusal: nothing is asked about a run that does not start.
    StaleInput stale;
};
EvaluationStart prepareEvaluation(const Project& project, char sep);

// The warnings of a program without a window, one line each: the stale lines
// first, then the stale tendons, in slot order.
std::vector<std::string> staleInputWarnings(const StaleInput& stale);

// evaluateProject, then the tendons of the group chosen before the run that
// are still entered are ticked again and their sums formed anew. A failure
// propagates and leaves the group as it was chosen.
//
// With `deferred` the run leaves the tendon tables to their first showing:
// the tables of the last run held there that this run would not form again
// are formed first; after a run that succeeded it holds this run's, to be
// formed by formInto when they are first shown. A run that fails leaves the
// tables as a full run leaves them (those of the last run, and its own up to
// the failure) and `deferred` empty.
void evaluateKeepingGroup(Project& project, char sep,
                          std::optional<DeferredTendonTables>* deferred = nullptr);

}  // namespace kvor
