#pragma once
// The calculation report "Protokol výpočtu" as an A4 PDF: the report's blocks
// laid out with Qt's text document, its figures drawn with the program's own
// charts and pictures, page numbers and the date in every page's footer.

#include "model/project.h"

#include <QString>

#include <functional>

namespace kvor::ui {

// Told after each step of a report how many of how many steps are done (the
// total grows as pages are laid out); answers whether to go on.
using ReportProgress = std::function<bool(int done, int total)>;

// Writes the report of `project` (evaluated, or not: the results part then
// says so) to `path`. Throws kvor::Error when the file cannot be written.
// Returns false when `progress` stopped it: the file at `path` is then as it
// was before (or is still missing), as it is after a failure.
bool writeReportPdf(const Project& project, char decimalSeparator, const QString& path,
                    const ReportProgress& progress = {});

}  // namespace kvor::ui
