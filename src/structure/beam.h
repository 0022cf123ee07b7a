#pragma once
// The beam: a simple beam of span L or a continuous beam of 2 to 15 members.

#include "model/project.h"

namespace kvor {

// Total length in metres: L of a simple beam; for a continuous beam the sum, in
// row order from 0, of the member lengths in rows 1..n. A text that is no number
// throws the conversion error.
long double totalBeamLength(const BeamModel& beam, char decimalSeparator);

// Presence test only, no text is converted: L (simple) or the first member's
// length (continuous), and e_d and e_h of the section, are all non-empty.
bool structureEntered(const Project& project);

}  // namespace kvor
