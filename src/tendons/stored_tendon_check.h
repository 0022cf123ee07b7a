#pragma once
// A stored tendon definition judged as the tendon dialog judges its input
// before "Zpět" stores it, for definitions that did not come through the
// dialog (a project file).

#include "model/project.h"
#include "tendons/tendon_checks.h"

#include <optional>

namespace kvor {

// The store table of a slot marked entered, read back into the dialog's fields
// or tables as opening the slot would, then:
//   - the store's own layout: a straight tendon has exactly 2 points carrying
//     one eccentricity and one force; a broken tendon has 2 to 32766 points and
//     its last row repeats the last segment's force;
//   - the test of "Zpět" (no empty parameter);
//   - every field and table check of the dialog, in the order of the fields.
// A parabolic tendon (types 2 to 4) is judged by checkParabolicTendon. Returns
// the first fault (nothing: the definition could have been stored so) with the
// cell it names: row and column of the store table, row 0 and column -1 when
// it names the definition as a whole (its layout, D, the size of its polygon).
// Like the dialog's checks, throws kvor::Error when the beam length or a fibre
// distance of the section is no number.
std::optional<TendonFault> checkStoredTendon(const TendonSlot& slot, const BeamModel& beam,
                                             const CrossSection& section, char sep);

}  // namespace kvor
