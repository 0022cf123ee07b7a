#include "cli/calc_run.h"

#include "analysis/slot_generation.h"
#include "cli/calc_output.h"
#include "cli/stored_separator.h"
#include "evaluation/evaluation_run.h"
#include "model/error.h"
#include "model/visible_text.h"
#include "results/group_sums.h"
#include "results/project_file.h"
#include "tendons/parabolic_checks.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace kvor {

namespace {

// The name as given, with a line break or other control character shown
// visibly, so the message stays the one first line of standard error.
std::string quotedName(const std::string& file) { return "„" + visibleText(file) + "“"; }

// Words for the failures the runtime names only by number ("I/O error 40").
std::string systemErrorWords(int code)
{
    switch (code) {
    case ELOOP: return "příliš mnoho symbolických odkazů za sebou, nejspíš smyčka odkazů";
    case ENAMETOOLONG: return "název souboru nebo cesty je příliš dlouhý";
    case EIO: return "chyba čtení zařízení";
    case EMFILE:
    case ENFILE: return "otevřeno příliš mnoho souborů";
    case ENOMEM: return "nedostatek paměti";
    case ENXIO:
    case ENODEV: return "zařízení neexistuje";
    default: return std::strerror(code);
    }
}

// The runtime's text, with words where it gives only a number.
std::string failureText(const Error& e)
{
    const int code = e.systemErrorCode();
    if (code != 0 && std::string_view(e.what()) == Error::ioError(code).what())
        return std::string(e.what()) + " (" + systemErrorWords(code) + ")";
    return e.what();
}

// The file's text up to its end mark 0x1A, as the start window reads it: a
// file whose first line is not the header is not read on.
std::string readProjectBytes(const std::string& file)
{
    try {
        return readProjectFileText(file);
    } catch (const Error& e) {
        throw Error("Soubor " + quotedName(file) + " nelze přečíst: " + failureText(e));
    }
}

// The project of the file, evaluated with the separator it was saved with.
struct EvaluatedProject {
    Project project;
    char separator;
    std::vector<int> staleSlots;  // generated lines that no longer match the beam
};

EvaluatedProject evaluateFile(const CalcArguments& arguments)
{
    std::string bytes = readProjectBytes(arguments.file);
    const char sep = storedDecimalSeparator(bytes, ',');
    if (hasLfOnlyLineEnds(bytes))
        throw Error("Soubor " + quotedName(arguments.file) +
                    " má konce řádků jen LF; soubor projektu Kvor1.1 má konce řádků CR LF");
    std::optional<LoadedProjectFile> loaded = decodeProjectFile(bytes, sep);
    std::string().swap(bytes);  // the project holds its own texts: the file's memory is not needed for the run
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
    // The stored tables are evaluated as they are; a stale one is only reported.
    std::vector<int> stale = staleGeneratedSlots(project, sep);
    // Without --tables only the values are printed: the tendon tables are not formed.
    evaluateProject(project, sep, arguments.tables ? TendonTables::Formed : TendonTables::Skipped);
    if (arguments.groupGiven) {
        // A tendon that is not entered cannot be ticked in the group panel.
        for (int t = 0; t < kSlotCount; ++t)
            project.results.group[t] = arguments.group[t] && project.results.selectable[t];
        computeGroupSums(project, sep);
    }
    return {std::move(project), sep, std::move(stale)};
}

}  // namespace

int printCalcHelp(std::FILE* out, std::FILE* err)
{
    const bool written = std::fwrite(kCalcHelp.data(), 1, kCalcHelp.size(), out) == kCalcHelp.size();
    if (std::fflush(out) == 0 && written)
        return 0;
    std::fprintf(err, "Nápovědu nelze vypsat na standardní výstup: %s\n", failureText(Error::fromErrno(errno)).c_str());
    return 1;
}

int runCalc(const CalcArguments& arguments, std::FILE* out, std::FILE* err)
{
    try {
        const EvaluatedProject evaluated = evaluateFile(arguments);
        // Computed before anything is printed, so a failure leaves the output empty.
        const SectionChecks checks =
            arguments.stresses ? sectionChecks(evaluated.project, evaluated.separator) : SectionChecks{};
        try {
            OutputLines lines(out);
            writeResultLines(lines, evaluated.project.results);
            if (arguments.groupGiven)
                writeGroupLine(lines, evaluated.project.results);
            if (arguments.stresses)
                writeSectionChecks(lines, checks);
            if (arguments.tables)
                writeWorkingTables(lines, evaluated.project);
            lines.flush();
        } catch (const Error& e) {
            throw Error("Výsledky nelze vypsat na standardní výstup: " + failureText(e));
        }
        for (int k : evaluated.staleSlots)
            std::fprintf(err, "Upozornění: příčinková čára %d. veličiny byla vygenerována z konstrukce, která se "
                              "od té doby změnila; vyhodnocena je uložená tabulka.\n", k);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(err, "%s\n", e.what());
        return 1;
    }
}

}  // namespace kvor
