#pragma once
// The tendon tables of a run, formed when they are first needed. A run that
// skips them (TendonTables::Skipped) gives every value, the derivative tables
// and every failure of a full run; taken right after such a run succeeded,
// DeferredTendonTables keeps the input as it stood then (the tables share their
// columns with it, so this costs no copy of the points) and forms the very
// tables the full run would have formed, however the input has changed since.

#include "evaluation/evaluation_run.h"
#include "model/project.h"

namespace kvor {

// Whether a run that gets past quantity q forms the tendon table of the pair
// (q, t): the quantity and the tendon are entered and the tendon's type has a
// method. A run leaves every other table as it was.
bool formsTendonTable(const Project& project, int q, int t);

class DeferredTendonTables {
public:
    // `project` as a run with TendonTables::Skipped that succeeded left it.
    DeferredTendonTables(const Project& project, char decimalSeparator);

    // Writes the tables the run would have formed into `results`; the other
    // tables stay. Throws only what the run itself would have thrown (it did
    // not), or when memory runs out.
    void formInto(EvaluationResult& results) const;

    // Whether a run of `project` forms every table this run would have formed,
    // so that nothing of this one can show any more.
    bool coveredBy(const Project& project) const;

private:
    Project input_;
    char separator_;
};

}  // namespace kvor
