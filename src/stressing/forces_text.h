#pragma once
// The forces from stressing as `kvor-calc --forces` prints them: for each
// entered tendon with stressing data, in slot order,
//     [síly]<TAB>t
//     úsek<TAB>od [m]<TAB>do [m]<TAB>P0 [kN]<TAB>P∞ [kN]
//     k<TAB>a<TAB>b<TAB>P0,k<TAB>P∞,k          one row per segment of the evaluated polygon
//     kotva<TAB>Pa_L<TAB>Pa_R                 empty at a dead end
// a and b the stations' texts, the forces positive (the mean initial force of
// the segment after friction and set, and the same after long-term losses),
// computed from the stressing data, in the file's decimal separator.

#include "model/project.h"

#include <string>
#include <vector>

namespace kvor {

// The lines as their fields. Throws kvor::Error with one Czech line that
// names the tendon and the field at fault ("Kabel 2: …").
std::vector<std::vector<std::string>> stressingForceLines(const Project& project, char sep);

}  // namespace kvor
