#pragma once
// The arguments of the program `kvor`: none (the splash, then the start
// window), a project file to open at once (so that a file manager can open
// projects with it), a report written without any window, or help and version.

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace kvor::ui {

struct ProgramArguments {
    enum class Action { Run, Help, Version, Report, WrongArguments };
    Action action = Action::Run;
    std::string projectFile;  // Run: the project to open ("" for none); Report: the input
    std::string reportFile;   // Report: the PDF written
    std::string error;        // WrongArguments: what is wrong, in Czech
};

ProgramArguments parseProgramArguments(const std::vector<std::string>& args);

extern const std::string_view kProgramHelp;
extern const std::string_view kProgramUsage;
// "Kvor 1.1": the program's name and its version, said once.
std::string programVersionLine();

// The report of a saved project without any window (`kvor --report`): the file
// is read and evaluated as kvor-calc reads and evaluates it (stale input
// evaluated as stored), and the report written. Throws kvor::Error with a
// Czech message on any failure. Returns the warnings about stale input, one
// line each, in kvor-calc's words.
std::vector<std::string> writeReportOfProjectFile(const QString& projectFile, const QString& pdfFile,
                                                  char decimalSeparator);

}  // namespace kvor::ui
