#pragma once
// The result window's rules without the window: group sums over the ticked
// tendons, what a return to the input clears, and the flags its labels follow.

#include "model/project.h"

#include <array>
#include <string_view>

namespace kvor {

// What a value or sum field shows where there is nothing to show.
inline constexpr std::string_view kNoValueText = "###";

// Whether a tendon is ticked into the group. The group stays chosen until the
// user changes it: "Zpět" of the group panel, "Zpět na zadání" and a new
// evaluation keep it (a new evaluation unticks only tendons no longer entered).
bool groupChosen(const EvaluationResult& results);

// The sum of quantity q over the ticked tendons: their shown value texts parsed
// and added in tendon order (from 0, extended precision). A ticked value text
// that is no number throws the conversion error.
long double groupSum(const Project& project, int q, char decimalSeparator);

// "Výsledky" of the group panel. For each quantity q in order: when slot q is
// entered now, the shown value texts of the ticked tendons are parsed and added
// in tendon order (from 0, extended precision) and the formatted sum becomes
// groupSum[q]; otherwise groupSum[q] becomes "###". A ticked value text that is
// no number throws the conversion error; the lines before it keep their new sums.
void computeGroupSums(Project& project, char decimalSeparator);

// After a new evaluation, which unticks every tendon: the tendons of `group`
// (the group before it) that are still entered are ticked again, and the sums
// of a chosen group are formed anew.
void keepGroup(Project& project, const std::array<bool, kSlotCount>& group, char decimalSeparator);

// Whether the group line of quantity q shows "Veličina nebyla vyhodnocována!":
// after a group computation exactly when its sum is "###"; before one (empty
// sum) as the evaluation left it, i.e. when the block was not evaluated.
bool groupLineNotEvaluated(const EvaluationResult& results, int q);

// "Zpět na zadání": clears `saved`, the 25 value texts and the 5 group sums.
// (The window also empties its file name field.)
void returnToInput(EvaluationResult& results);

// The exit panel warns "Projekt není uložen!" exactly while nothing was saved.
inline bool unsavedWarningShown(const EvaluationResult& results) { return !results.saved; }

}  // namespace kvor
