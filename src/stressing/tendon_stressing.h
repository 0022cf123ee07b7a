#pragma once
// The stressing data of a tendon slot put to work: its forces computed, the
// force column of its store filled from them, the tendons whose stored forces
// no longer follow from their stressing data (the geometry changed, or a force
// was edited after computing), and the polygon a run evaluates.
//
// Store: a broken tendon holds the mean force of each of its segments; a
// parabolic tendon (types 2 to 4) the mean over each of its segments (the
// chords' means weighted by their lengths), while its evaluated polygon gives
// every chord its own mean. Forces are negative (compression) 15-digit texts;
// the last row repeats the last segment's, as every store does.

#include "model/project.h"
#include "model/report.h"
#include "model/text_table.h"
#include "stressing/stressing_forces.h"

#include <optional>
#include <string>
#include <vector>

namespace kvor {

// The types whose forces can come from stressing: broken and parabolic.
bool stressingApplies(TendonType type);

struct TendonStressingOutcome {
    std::optional<Report> fault;  // a field at fault, or the computation's (focus on its command)
    TendonPath path;
    StressingValues values;
    StressingForces forces;
    std::vector<std::string> warnings;
};

// The forces of `slot` (its type, points, D and stressing data, which must be
// set) without changing it. Throws kvor::Error for a geometry text that is no
// number.
TendonStressingOutcome stressTendon(const TendonSlot& slot, char sep);

// The room of stressTendon kept between calls: a caller that stresses tendon
// after tendon (the staleness checks, a window that recomputes as it is
// edited) keeps one, and a call then touches no fresh memory once it has met
// a tendon as long. Gives exactly what stressTendon gives.
class StressingWorkspace {
public:
    // The outcome stays valid until the next call.
    TendonStressingOutcome& stress(const TendonSlot& slot, char sep);

private:
    TendonStressingOutcome outcome_;
    StressingResult computed_;
    FrictionSpace friction_;
};

// The force column (rows 1..n) the store holds for these forces.
std::vector<std::string> storedForceTexts(const TendonSlot& slot, const TendonStressingOutcome& outcome, char sep);

// Whether the stored forces of a tendon with stressing data are other than
// its data gives (or the data no longer gives any).
bool stressingIsStale(const TendonSlot& slot, char sep);

// Entered tendons (1 to 5) with stressing data whose forces are stale.
std::vector<int> staleStressedTendons(const Project& project, char sep);

// Computes the forces of a tendon slot with stressing data and writes them
// into its store. Throws kvor::Error with the fault's message when they cannot
// be computed.
void restressTendon(TendonSlot& slot, char sep);

// The polygon a run evaluates: a broken tendon's store; a parabolic tendon's
// chords, each with its own mean force when the stored forces follow from the
// stressing data, otherwise with the force of its segment as stored.
TextTable evaluatedPolygon(const TendonSlot& slot, char sep);

}  // namespace kvor
