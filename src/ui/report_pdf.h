#pragma once
// The calculation report "Protokol výpočtu" as an A4 PDF: the report's blocks
// laid out with Qt's text document, its figures drawn with the program's own
// charts and pictures, page numbers and the date in every page's footer.

#include "model/project.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

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

// The report of a saved project without any window (`kvor --report`): the file
// is read and evaluated as kvor-calc reads and evaluates it (stale input
// evaluated as stored), and the report written. Throws kvor::Error with a
// Czech message on any failure. Returns the warnings about stale input, one
// line each, in kvor-calc's words.
std::vector<std::string> writeReportOfProjectFile(const QString& projectFile, const QString& pdfFile,
                                                  char decimalSeparator);

}  // namespace kvor::ui
