#include "cli/calc_run.h"

#include "analysis/slot_generation.h"
#include "check/stress_check.h"
#include "cli/calc_output.h"
#include "evaluation/evaluation_run.h"
#include "loads/project_loads.h"
#include "model/error.h"
#include "results/group_sums.h"
#include "results/project_file.h"
#include "stressing/forces_text.h"
#include "stressing/tendon_stressing.h"
#include "tendons/parabolic_checks.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

namespace kvor {

namespace {

// The project of the file, evaluated with the separator it was saved with.
struct EvaluatedProject {
    Project project;
    char separator;
    std::vector<int> staleSlots;    // generated lines that no longer match the beam
    std::vector<int> staleTendons;  // tendons whose stored forces no longer follow their stressing
};

EvaluatedProject evaluateFile(const CalcArguments& arguments)
{
    ProjectToEvaluate loaded = readProjectToEvaluate(arguments.file, std::nullopt);
    const char sep = loaded.separator;
    Project& project = loaded.project;
    if (const std::optional<Report> missing = checkEvaluationPreconditions(project))
        throw Error(missing->message);
    // A parabolic tendon of the file is checked as the dialog would check it.
    if (const std::optional<Report> fault = checkEnteredParabolicTendons(project, sep))
        throw Error(fault->message);
    // The stored tables are evaluated as they are; a stale one is only reported.
    std::vector<int> stale = staleGeneratedSlots(project, sep);
    std::vector<int> staleTendons = staleStressedTendons(project, sep);
    // Without --tables only the values are printed: the tendon tables are not formed.
    evaluateProject(project, sep, arguments.tables ? TendonTables::Formed : TendonTables::Skipped);
    if (arguments.groupGiven) {
        // A tendon that is not entered cannot be ticked in the group panel.
        for (int t = 0; t < kSlotCount; ++t)
            project.results.group[t] = arguments.group[t] && project.results.selectable[t];
        computeGroupSums(project, sep);
    }
    return {std::move(project), sep, std::move(stale), std::move(staleTendons)};
}

}  // namespace

int runCalc(const CalcArguments& arguments, std::FILE* out, std::FILE* err)
{
    try {
        const EvaluatedProject evaluated = evaluateFile(arguments);
        // Computed before anything is printed, so a failure leaves the output empty.
        const SectionChecks checks =
            arguments.stresses ? sectionChecks(evaluated.project, evaluated.separator) : SectionChecks{};
        LoadValues loads;
        std::vector<QuantityLoadEffects> loadEffects;
        if (arguments.loads) {
            loads = loadValues(evaluated.project.loads, evaluated.separator);
            loadEffects = projectLoadEffects(evaluated.project, loads, evaluated.separator);
        }
        const StressChecks checkTables =
            arguments.check ? stressChecks(evaluated.project, evaluated.separator) : StressChecks{};
        const std::vector<std::vector<std::string>> forces =
            arguments.forces ? stressingForceLines(evaluated.project, evaluated.separator)
                             : std::vector<std::vector<std::string>>{};
        try {
            OutputLines lines(out);
            writeResultLines(lines, evaluated.project.results);
            if (arguments.groupGiven)
                writeGroupLine(lines, evaluated.project.results);
            if (arguments.loads)
                writeLoadEffects(lines, loads, loadEffects, evaluated.separator);
            if (arguments.stresses)
                writeSectionChecks(lines, checks);
            for (const auto& line : forces) {
                for (const std::string& field : line)
                    lines.field(field);
                lines.endLine();
            }
            if (arguments.check)
                writeStressChecks(lines, checkTables, evaluated.separator);
            if (arguments.tables)
                writeWorkingTables(lines, evaluated.project);
            lines.flush();
        } catch (const Error& e) {
            throw Error("Výsledky nelze vypsat na standardní výstup: " + failureText(e));
        }
        for (int k : evaluated.staleSlots)
            std::fprintf(err, "%s\n", staleLineWarning(k).c_str());
        for (int t : evaluated.staleTendons)
            std::fprintf(err, "Upozornění: síly %d. kabelu neodpovídají jeho údajům o napínání (geometrie nebo síly "
                              "se od výpočtu sil změnily); vyhodnoceny jsou uložené síly.\n", t);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(err, "%s\n", e.what());
        return 1;
    }
}

}  // namespace kvor
