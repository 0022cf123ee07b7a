#include "ui/command_line.h"

#include "evaluation/evaluation_pipeline.h"
#include "model/error.h"
#include "results/project_file.h"
#include "ui/report/report_pdf.h"

#include <QFile>

namespace kvor::ui {

const std::string_view kProgramUsage =
    "Použití: kvor [PROJEKT.txt] | kvor --report VÝSTUP.pdf PROJEKT.txt | kvor --help | kvor --version";

const std::string_view kProgramHelp =
    "Použití: kvor [PROJEKT.txt]\n"
    "        kvor --report VÝSTUP.pdf PROJEKT.txt\n"
    "        kvor --help | --version\n"
    "\n"
    "Kvor1.1 slouží k návrhu předpínacích kabelů prostého nebo spojitého nosníku\n"
    "a k vyhodnocení jejich účinků pomocí příčinkových čar.\n"
    "\n"
    "Bez argumentů ukáže úvodní okno a okno pro otevření projektu. Se souborem\n"
    "projektu jej otevře jako příkaz „Otevřít“ a ukáže hlavní okno; pracovním\n"
    "adresářem se stane adresář souboru.\n"
    "\n"
    "Volby:\n"
    "  --report VÝSTUP.pdf PROJEKT.txt\n"
    "             bez okna provede výpočet projektu jako „Výpočet“ a zapíše\n"
    "             protokol výpočtu (PDF, A4). Návratový kód 0 úspěch, 1 chyba\n"
    "             (hlášení na chybovém výstupu), 2 chybné argumenty.\n"
    "  --help     vypíše tuto nápovědu.\n"
    "  --version  vypíše verzi programu.\n"
    "\n"
    "Výpočet z příkazové řádky: kvor-calc(1); příčinkové čáry: kvor-il(1).\n";

std::string programVersionLine()
{
    return "Kvor " KVOR_VERSION;
}

ProgramArguments parseProgramArguments(const std::vector<std::string>& args)
{
    ProgramArguments result;
    auto wrong = [&result](std::string error) {
        result.action = ProgramArguments::Action::WrongArguments;
        result.error = std::move(error);
        return result;
    };
    if (args.empty())
        return result;
    const std::string& first = args.front();
    if (first == "--help" || first == "--version") {
        if (args.size() != 1)
            return wrong("Volba " + first + " se zadává samostatně");
        result.action = first == "--help" ? ProgramArguments::Action::Help
                                          : ProgramArguments::Action::Version;
        return result;
    }
    if (first == "--report") {
        if (args.size() != 3)
            return wrong("Za volbou --report se zadává výstupní soubor PDF a soubor projektu");
        result.action = ProgramArguments::Action::Report;
        result.reportFile = args[1];
        result.projectFile = args[2];
        return result;
    }
    if (first.starts_with("-"))
        return wrong("Neznámá volba " + first);
    if (args.size() != 1)
        return wrong("Zadejte jen jeden soubor projektu");
    result.projectFile = first;
    return result;
}

std::vector<std::string> writeReportOfProjectFile(const QString& projectFile, const QString& pdfFile, char sep)
{
    // Read and evaluated as kvor-calc reads and evaluates it, so both name a faulty file alike.
    ProjectToEvaluate loaded = readProjectToEvaluate(QFile::encodeName(projectFile).toStdString(), sep);
    Project& project = loaded.project;
    const EvaluationStart start = prepareEvaluation(project, sep);
    if (start.refusal)
        throw Error(start.refusal->message);
    // The group a saved result window had ticked is summed again.
    evaluateKeepingGroup(project, sep);
    writeReportPdf(project, sep, pdfFile);
    return staleInputWarnings(start.stale);
}

}  // namespace kvor::ui
