#pragma once
// The result window's rules without the window: group sums over the ticked
// tendons, what a return to the input clears, and the flags its labels follow.

#include "model/project.h"

#include <string_view>

namespace kvor {

// What a value or sum field shows where there is nothing to show.
inline constexpr std::string_view kNoValueText = "###";

// "Výsledky" of the group panel. For each quantity q in order: when slot q is
// entered now, the shown value texts of the ticked tendons are parsed and added
// in tendon order (from 0, extended precision) and the formatted sum becomes
// groupSum[q]; otherwise groupSum[q] becomes "###". A ticked value text that is
// no number throws the conversion error; the lines before it keep their new sums.
void computeGroupSums(Project& project, char decimalSeparator);

// Whether the group line of quantity q shows "Veličina nebyla vyhodnocována!":
// after a group computation exactly when its sum is "###"; before one (empty
// sum) as the evaluation left it, i.e. when the block was not evaluated.
bool groupLineNotEvaluated(const EvaluationResult& results, int q);

// "Zpět" of the group panel: empties the five group sums and unticks the group.
void clearGroup(EvaluationResult& results);

// "Zpět na zadání": clears `saved`, the 25 value texts and the 5 group sums.
// (The window also empties its file name field.)
void returnToInput(EvaluationResult& results);

// The exit panel warns "Projekt není uložen!" exactly while nothing was saved.
inline bool unsavedWarningShown(const EvaluationResult& results) { return !results.saved; }

}  // namespace kvor
