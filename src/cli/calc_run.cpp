#include "cli/calc_run.h"

#include "check/stress_check.h"
#include "cli/calc_output.h"
#include "evaluation/evaluation_pipeline.h"
#include "loads/project_loads.h"
#include "model/error.h"
#include "results/group_sums.h"
#include "results/project_file.h"
#include "stressing/forces_text.h"

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
    std::vector<std::string> warnings;  // the stale input, evaluated as stored
};

EvaluatedProject evaluateFile(const CalcArguments& arguments)
{
    ProjectToEvaluate loaded = readProjectToEvaluate(arguments.file, std::nullopt);
    const char sep = loaded.separator;
    Project& project = loaded.project;
    const EvaluationStart start = prepareEvaluation(project, sep);
    if (start.refusal)
        throw Error(start.refusal->message);
    // The stored tables are evaluated as they are; stale input is only reported.
    // Without --tables only the values are printed: the tendon tables are not formed.
    evaluateProject(project, sep, arguments.tables ? TendonTables::Formed : TendonTables::Skipped);
    if (arguments.groupGiven) {
        // A tendon that is not entered cannot be ticked in the group panel.
        for (int t = 0; t < kSlotCount; ++t)
            project.results.group[t] = arguments.group[t] && project.results.selectable[t];
        computeGroupSums(project, sep);
    }
    return {std::move(project), sep, staleInputWarnings(start.stale)};
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
        for (const std::string& warning : evaluated.warnings)
            std::fprintf(err, "%s\n", warning.c_str());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(err, "%s\n", e.what());
        return 1;
    }
}

}  // namespace kvor
