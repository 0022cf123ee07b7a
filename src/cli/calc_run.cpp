#include "cli/calc_run.h"

#include "cli/calc_output.h"
#include "cli/stored_separator.h"
#include "evaluation/evaluation_run.h"
#include "model/error.h"
#include "results/file_io.h"
#include "results/group_sums.h"
#include "results/project_file.h"
#include "tendons/parabolic_checks.h"

#include <exception>
#include <optional>
#include <string>

namespace kvor {

namespace {

constexpr size_t kReadPiece = 1 << 20;
// Line 1 must be the 31-byte header; a longer first line decides the matter.
constexpr size_t kFirstLineLimit = 4096;

std::string quotedName(const std::string& file) { return "„" + file + "“"; }

// Whether line 1 is the header: the reader refuses exactly the files whose
// line 1 is not, so line 1 alone is handed to it.
bool startsWithHeader(std::string_view bytes)
{
    return decodeProjectFile(bytes.substr(0, bytes.find('\r')), ',').has_value();
}

// The file's bytes, or nothing when it is no project file. A file whose first
// line is not the header is not read on, so a large unrelated file costs one piece.
std::optional<std::string> readProjectBytes(const std::string& file)
{
    std::string bytes;
    try {
        InputFile input(file);
        bool more = true;
        while (more && bytes.size() < kFirstLineLimit && bytes.find('\r') == std::string::npos)
            more = input.readMore(bytes, kReadPiece);
        if (!startsWithHeader(bytes))
            return std::nullopt;
        while (more)
            more = input.readMore(bytes, kReadPiece);
    } catch (const Error& e) {
        throw Error("Soubor " + quotedName(file) + " nelze přečíst: " + e.what());
    }
    return bytes;
}

// The project of the file, evaluated with the separator it was saved with.
struct EvaluatedProject {
    Project project;
    char separator;
};

EvaluatedProject evaluateFile(const CalcArguments& arguments)
{
    const std::optional<std::string> bytes = readProjectBytes(arguments.file);
    const char sep = bytes ? storedDecimalSeparator(*bytes, ',') : ',';
    std::optional<LoadedProjectFile> loaded;
    if (bytes)
        loaded = decodeProjectFile(*bytes, sep);
    if (!loaded)
        throw Error("Soubor " + quotedName(arguments.file) +
                    " není soubor projektu Kvor1.1 (první řádek není „Vstupní soubor programu Kvor1.1“)");
    if (!loaded->hasDataSection)
        throw Error("Soubor " + quotedName(arguments.file) +
                    " obsahuje jen informace o projektu, chybí v něm datová část se zadáním; nelze jej vyhodnotit");

    Project& project = loaded->project;
    if (const std::optional<Report> missing = checkEvaluationPreconditions(project))
        throw Error(missing->message);
    // A parabolic tendon of the file is checked as the dialog would check it.
    if (const std::optional<Report> fault = checkEnteredParabolicTendons(project, sep))
        throw Error(fault->message);
    evaluateProject(project, sep);
    if (arguments.groupGiven) {
        // A tendon that is not entered cannot be ticked in the group panel.
        for (int t = 0; t < kSlotCount; ++t)
            project.results.group[t] = arguments.group[t] && project.results.selectable[t];
        computeGroupSums(project, sep);
    }
    return {std::move(project), sep};
}

}  // namespace

int runCalc(const CalcArguments& arguments, std::FILE* out, std::FILE* err)
{
    try {
        const EvaluatedProject evaluated = evaluateFile(arguments);
        OutputLines lines(out);
        writeResultLines(lines, evaluated.project.results);
        if (arguments.groupGiven)
            writeGroupLine(lines, evaluated.project.results);
        if (arguments.tables)
            writeWorkingTables(lines, evaluated.project);
        lines.flush();
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(err, "%s\n", e.what());
        return 1;
    }
}

}  // namespace kvor
