#pragma once
// The stress check in the calculation report: its section (the inputs, a
// table per checked section with the verdict under it, the conventions) and
// the overall verdict the report states on its first page. Only a project
// whose check inputs were entered reports the check.

#include "model/project.h"
#include "report/report_content.h"

#include <optional>
#include <vector>

namespace kvor {

struct StressCheckReport {
    std::optional<ReportBlock> verdict;  // "Posouzení napětí": "vyhovuje", "nevyhovuje …", "neprovedeno …"
    std::vector<ReportBlock> blocks;     // the section "Posouzení napětí"
};

StressCheckReport stressCheckReport(const Project& project, char decimalSeparator);

}  // namespace kvor
