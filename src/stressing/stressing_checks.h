#pragma once
// The stressing data of a tendon as typed: defaults, checks with their Czech
// messages (focus on the field at fault, a beep after the message), and the
// warnings against the stress limits of EN 1992-1-1 (5.10.2.1: P0/A_p at most
// 0,8·f_pk while stressing; 5.10.3: at most 0,75·f_pk after lock-off).

#include "model/project.h"
#include "model/report.h"
#include "stressing/stressing_forces.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvor {

// The stressing end as the project file spells it: "L", "R", "LR".
const char* stressingEndCode(StressingEnds ends);
std::optional<StressingEnds> stressingEndsOfCode(std::string_view code);
// The engineer's names: "levý konec", "pravý konec", "oba konce".
const char* stressingEndLabel(StressingEnds ends);

// What a new tendon proposes: from the left end, μ = 0,19 (strand in a steel
// duct), k = 0,005 rad/m, Δs = 6 mm, E_p = 195000 MPa, no losses, f_pk = 1860
// MPa; P0 and A_p are the engineer's.
TendonStressing defaultStressing(char sep);

// The values, or the first fault in the order of the fields.
struct StressingValuesOrFault {
    std::optional<StressingValues> values;
    std::optional<Report> fault;
};
StressingValuesOrFault checkStressing(const TendonStressing& input, char sep);

// The warnings (not refusals) for the forces: the jacking stress above
// 0,8·f_pk, the largest stress after lock-off above 0,75·f_pk.
std::vector<std::string> stressingWarnings(const StressingValues& values, const StressingForces& forces, char sep);

}  // namespace kvor
