#pragma once
// The loads as the engineer enters them (LoadInput of the project): the
// proposal for the self-weight, the checks run when the focus leaves a field
// or the axle table, and the loads as numbers for the computation.
//
// g0, g1 and q [kN/m] are any numbers, an empty field counting 0. The group
// has 0 to 20 axles; each force F_i is a number above 0 and the distances a_i
// from the first axle start at a_1 = 0 and ascend strictly.

#include "loads/load_effects.h"
#include "model/project.h"
#include "model/report.h"

#include <optional>
#include <string>
#include <string_view>

namespace kvor {

inline constexpr int kMaxAxleCount = 20;
// The unit weight of reinforced concrete γ [kN/m³] the self-weight is proposed with.
inline constexpr long double kConcreteUnitWeight = 25;

// The proposal for g0: A·γ [kN/m] from the section's area A, as a number
// text; nothing while A is no number above 0.
std::optional<std::string> selfWeightProposal(const CrossSection& section, char sep);

// The check when the focus leaves g0, g1 or q (field LoadSelfWeight,
// LoadPermanent or LoadVariable): empty or a number. A fault puts the focus
// back into the field and beeps after its message.
std::optional<Report> checkLoadField(const LoadInput& loads, Field field, char sep);

// The count of axles as typed: a whole number from 0 to 20 (focus AxleCount,
// a beep after the message).
std::optional<Report> checkAxleCount(std::string_view countText);
// Gives the axle table `count` rows (0..20), keeping the cells that stay; the
// first row's distance, when empty, becomes "0".
void setAxleCount(LoadInput& loads, int count);

// A fault of the loads: the report and, in the axle table, the row (1-based)
// and column (0: F, 1: a) at fault; row 0 for a field or for a table of more
// than 20 rows.
struct LoadFault {
    Report report;
    int row = 0;
    int column = 0;
};
// The first fault of the forces' column and the first of the distances'
// column, in this order: what the table check reports, at most two faults.
std::vector<LoadFault> findAxleFaults(const TextTable& axles, char sep);
// The check when the focus leaves the axle table: focus AxleTable, a beep
// after each message.
Reports checkAxleTable(const TextTable& axles, char sep);

// Every check at once, first fault only, in the order g0, g1, q, the table:
// what a project file's loads and the computation are judged by.
std::optional<LoadFault> findLoadFault(const LoadInput& loads, char sep);

// The loads as numbers (empty texts as 0). Throws kvor::Error with the
// message of the first fault.
struct LoadValues {
    UniformLoads uniform;
    AxleGroup axles;
};
LoadValues loadValues(const LoadInput& loads, char sep);

}  // namespace kvor
