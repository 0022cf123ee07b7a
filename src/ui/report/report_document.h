#pragma once
// The report's blocks laid out as pages of a text document: headings, facts,
// tables (their heading row repeated on every page they run onto) and
// figures, with the blocks that belong together kept on one page.

#include "model/project.h"
#include "report/report_content.h"

#include <functional>

class QTextDocument;

namespace kvor::ui {

// Writes the blocks of `content` into `document`, laid out on pages of its
// page size; `progress` is told after each block how many are done and
// answers whether to go on. Returns false when it stopped the writing.
bool layOutReport(QTextDocument& document, const ReportContent& content, const Project& project, char sep,
                  const std::function<bool(int)>& progress);

}  // namespace kvor::ui
