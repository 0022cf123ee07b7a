#pragma once
// Input that no longer follows from what it was computed from, asked about
// once before "Výpočet" and warned of by the command-line programs: influence
// lines generated from a beam that has changed since, and tendons whose
// stored forces no longer follow from their stressing data.

#include "model/project.h"

#include <string>
#include <vector>

namespace kvor {

struct StaleInput {
    std::vector<int> lines;    // quantity slots 1..5
    std::vector<int> tendons;  // tendon slots 1..5
    bool empty() const { return lines.empty() && tendons.empty(); }
};

StaleInput staleInput(const Project& project, char sep);

// The one question, and its three answers in order: compute again and
// evaluate, evaluate what is stored, cancel.
std::string staleInputQuestion(const StaleInput& stale);
std::vector<std::string> staleInputAnswers(const StaleInput& stale);

// Generates the stale lines again and recomputes the stale tendons' forces.
// Throws kvor::Error with the message of what cannot be computed any more.
void refreshStaleInput(Project& project, const StaleInput& stale, char sep);

}  // namespace kvor
