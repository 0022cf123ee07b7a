#pragma once
// The part of the calculation report about the forces from stressing: for
// every entered tendon whose forces come from its stressing data, the data,
// the anchor forces after the set and the chart of the force along it.

#include "model/project.h"
#include "report/report_content.h"

#include <vector>

namespace kvor {

// The blocks of the part, none when no entered tendon has stressing data.
std::vector<ReportBlock> stressingReportBlocks(const Project& project, char decimalSeparator);

}  // namespace kvor
