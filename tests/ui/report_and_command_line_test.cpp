// The calculation report, from the result window and without any window, and
// the program's own command line: help, version, a project opened at start.

#include "support/result_test_support.h"
#include "support/program_run.h"
#include "support/project_builders.h"
#include "support/shell_test_support.h"
#include "support/ui_test_support.h"

#include "evaluation/evaluation_run.h"
#include "ui/application_shell.h"
#include "ui/command_line.h"
#include "ui/report/report_pdf.h"
#include "ui/windows/main_window.h"
#include "ui/windows/result_window.h"
#include "ui/windows/splash_window.h"
#include "ui/windows/start_window.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

using Action = ProgramArguments::Action;

struct ArgumentsCase {
    std::vector<std::string> args;
    Action action;
    std::string projectFile;
    std::string reportFile;
};

TEST(ProgramArguments, AreReadAsTheHelpSays)
{
    const std::vector<ArgumentsCase> cases = {
        {{}, Action::Run, "", ""},
        {{"most.txt"}, Action::Run, "most.txt", ""},
        {{"--help"}, Action::Help, "", ""},
        {{"--version"}, Action::Version, "", ""},
        {{"--report", "p.pdf", "most.txt"}, Action::Report, "most.txt", "p.pdf"},
        {{"--report", "p.pdf"}, Action::WrongArguments, "", ""},
        {{"--report", "p.pdf", "a.txt", "b.txt"}, Action::WrongArguments, "", ""},
        {{"--help", "most.txt"}, Action::WrongArguments, "", ""},
        {{"--print"}, Action::WrongArguments, "", ""},
        {{"a.txt", "b.txt"}, Action::WrongArguments, "", ""},
    };
    for (const ArgumentsCase& c : cases) {
        const ProgramArguments parsed = parseProgramArguments(c.args);
        const std::string shown = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(parsed.action, c.action) << shown;
        EXPECT_EQ(parsed.projectFile, c.projectFile) << shown;
        EXPECT_EQ(parsed.reportFile, c.reportFile) << shown;
        EXPECT_EQ(parsed.error.empty(), c.action != Action::WrongArguments) << shown;
    }
}

struct ProgramRun {
    int status;
    QString out;
    QString err;
};

ProgramRun runKvor(const QStringList& args)
{
    QProcess process;
    // Under AddressSanitizer the program's own leak report would be about the
    // platform libraries of a windowed program, not about what is tested here.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KVOR_PATH), args);
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

const QString kExample = QStringLiteral(KVOR_EXAMPLES_DIR "/spojity-nosnik.txt");

TEST(ProgramRun, HelpAndVersionAnswerOnStandardOutput)
{
    const ProgramRun version = runKvor({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QStringLiteral("Kvor " KVOR_VERSION "\n"));  // "Kvor 1.1": the name once
    const ProgramRun help = runKvor({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Použití: kvor [PROJEKT.txt]"))) << help.out.toStdString();
    const ProgramRun wrong = runKvor({QStringLiteral("--print")});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.out.isEmpty());
    EXPECT_TRUE(wrong.err.startsWith(QStringLiteral("Neznámá volba --print"))) << wrong.err.toStdString();
}

QString pdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPageCount(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished(60000);
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n'))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

TEST(ProgramRun, ReportOfTheExampleHoldsItsNameAndResults)
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("protokol.pdf"));
    const ProgramRun run = runKvor({QStringLiteral("--report"), pdf, kExample});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
    const int pages = pdfPageCount(pdf);
    EXPECT_GE(pages, 2);
    EXPECT_LE(pages, 8);
    const QString text = pdfText(pdf);
    for (const QString& expected :
         {QStringLiteral("Protokol výpočtu"), QStringLiteral("Spojitý nosník o dvou polích"),
          QStringLiteral("Moment nad vnitřní podporou b"), QStringLiteral("Strana 1 z")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    // The moment of tendon 2 rounded to 0,1 kNm, with whichever decimal separator the system uses.
    EXPECT_TRUE(text.contains(QStringLiteral("1317,4 ")) || text.contains(QStringLiteral("1317.4 ")))
        << text.toStdString();
}

TEST(ProgramRun, ReportOfAMissingFileFailsWithAMessage)
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("protokol.pdf"));
    const ProgramRun run = runKvor({QStringLiteral("--report"), pdf, folder.filePath(QStringLiteral("nic.txt"))});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("nic.txt"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

// kvor --report and kvor-calc read a file one way, so a faulty file gets one message.
TEST(ProgramRun, ReportAndKvorCalcGiveTheSameMessageForAFaultyFile)
{
    QTemporaryDir folder;
    QFile example(kExample);
    ASSERT_TRUE(example.open(QIODevice::ReadOnly));
    const QByteArray good = example.readAll();
    QByteArray lfOnly = good;
    lfOnly.replace("\r\n", "\n");
    QByteArray damaged = good;
    damaged.replace("[section]", "[prurez]");
    const QByteArray infoOnly = good.left(good.indexOf("[data]"));
    const std::pair<const char*, QByteArray> files[] = {
        {"poskozeny.txt", damaged}, {"lf.txt", lfOnly}, {"info.txt", infoOnly}, {"jiny.txt", "text\r\n"}};
    for (const auto& [name, bytes] : files) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const ProgramRun report = runKvor({QStringLiteral("--report"), folder.filePath(QStringLiteral("p.pdf")), path});
        const kvor::testing::CalcRun calc = kvor::testing::runCalc({path.toStdString()});
        EXPECT_EQ(report.status, 1) << name;
        EXPECT_EQ(report.err.toStdString(), calc.err) << name;
    }
}

// Stale input is evaluated as stored, and both programs warn of it alike.
TEST(ProgramRun, ReportWarnsOfStaleInputAsKvorCalcDoes)
{
    Project p;
    p.beam.length = "12";
    p.section.inertia = "0,0054";
    p.section.eBottom = "0,3";
    p.section.eTop = "-0,3";
    kvor::testing::storeGenerated(p, 0, "Průhyb", {"6", "0,5", "30000"});
    kvor::testing::storeStraight(p, 0, "0", "12", "0,25", "-2000", ',');
    p.section.inertia = "0,006";  // the deflection line no longer matches
    QTemporaryDir folder;
    const std::string path = kvor::testing::saveAs(p, folder.path().toStdString(), "stary.txt", ',');
    const ProgramRun report =
        runKvor({QStringLiteral("--report"), folder.filePath(QStringLiteral("p.pdf")), QString::fromStdString(path)});
    const kvor::testing::CalcRun calc = kvor::testing::runCalc({path});
    ASSERT_EQ(report.status, 0) << report.err.toStdString();
    EXPECT_EQ(calc.status, 0);
    EXPECT_NE(calc.err.find("vyhodnocena je uložená tabulka"), std::string::npos) << calc.err;
    EXPECT_EQ(report.err.toStdString(), calc.err);
}

TEST(ProgramRun, AProjectNamedAtStartOpensAfterTheSplash)
{
    const QString before = QDir::currentPath();
    testing::UiContext ui;
    ApplicationShell shell(ui.context);
    shell.start(kExample);
    testing::passSplash(shell);
    EXPECT_TRUE(shell.mainWindow().isVisible());
    EXPECT_FALSE(shell.startWindow().isVisible());
    EXPECT_EQ(ui.context.project.info.name, "Spojitý nosník o dvou polích");
    EXPECT_TRUE(ui.context.project.quantities[0].entered());
    EXPECT_EQ(QDir::currentPath(), QStringLiteral(KVOR_EXAMPLES_DIR));
    QDir::setCurrent(before);
}

TEST(ProgramRun, ProtokolWritesTheReportWhereTheDialogSays)
{
    testing::UiContext ui;
    Project& project = ui.context.project;
    project.info.name = "Nosník P1";
    project.fileName = "Kvorprj.txt";
    project.beam.length = "10";
    testing::enterQuantity(project, 0, "Ohybový moment", "uprostřed", {{"0", "0"}, {"5", "2,5"}, {"10", "0"}});
    testing::enterStraightTendon(project, 0, {"0", "10", "0,2", "-1000"});
    evaluateProject(project, ',');
    ResultWindow window(ui.context);
    window.show();

    QTemporaryDir folder;
    ui.messages.saveFileAnswer = folder.filePath(QStringLiteral("p1.pdf"));
    testing::click(window, "BitBtn12");
    ASSERT_EQ(ui.messages.events.size(), 1) << ui.messages.events.join('|').toStdString();
    EXPECT_TRUE(ui.messages.events[0].startsWith(QStringLiteral("save file: Protokol výpočtu ")));
    EXPECT_TRUE(ui.messages.events[0].endsWith(QStringLiteral("/Kvorprj.pdf")));
    const QString text = pdfText(ui.messages.saveFileAnswer);
    EXPECT_TRUE(text.contains(QStringLiteral("Nosník P1")));
    EXPECT_TRUE(text.contains(QStringLiteral("-200"))) << text.toStdString();

    // Cancelled: nothing is written.
    ui.messages.clear();
    ui.messages.saveFileAnswer.clear();
    QFile::remove(folder.filePath(QStringLiteral("p1.pdf")));
    testing::click(window, "BitBtn12");
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("p1.pdf"))));
}

// "Storno" in the progress dialog, or a caller that stops the report, leaves
// the chosen file as it was and nothing beside it; a report run to its end
// reports its last step as the last.
TEST(ProgramRun, AStoppedReportLeavesTheFormerFileAsItWas)
{
    testing::UiContext ui;
    Project& project = ui.context.project;
    project.beam.length = "10";
    testing::enterQuantity(project, 0, "Ohybový moment", "uprostřed", {{"0", "0"}, {"5", "2,5"}, {"10", "0"}});
    testing::enterStraightTendon(project, 0, {"0", "10", "0,2", "-1000"});
    evaluateProject(project, ',');
    ResultWindow window(ui.context);
    window.show();

    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("p1.pdf"));
    const auto writeFormer = [&] {
        QFile former(pdf);
        ASSERT_TRUE(former.open(QIODevice::WriteOnly));
        former.write("former");
    };
    const auto formerIsLeft = [&] {
        QFile file(pdf);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("former"));
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("p1.pdf")});
    };
    writeFormer();
    ui.messages.saveFileAnswer = pdf;
    QTimer storno;
    QObject::connect(&storno, &QTimer::timeout, [&] {
        if (auto* dialog = window.findChild<QProgressDialog*>(QStringLiteral("reportProgress")); dialog && dialog->isVisible()) {
            EXPECT_EQ(dialog->labelText(), QStringLiteral("Vytváří se protokol…"));
            dialog->cancel();
        }
    });
    storno.start(0);
    testing::click(window, "BitBtn12");
    storno.stop();
    EXPECT_EQ(ui.messages.events.size(), 1) << ui.messages.events.join('|').toStdString();  // the save dialog only
    formerIsLeft();

    // Stopped by its caller after the first step.
    EXPECT_FALSE(writeReportPdf(project, ',', pdf, [](int, int) { return false; }));
    formerIsLeft();
    // Run to its end: the last step told is the last.
    int lastDone = 0, lastTotal = -1;
    EXPECT_TRUE(writeReportPdf(project, ',', pdf, [&](int done, int total) {
        lastDone = done;
        lastTotal = total;
        return true;
    }));
    EXPECT_EQ(lastDone, lastTotal);
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("Protokol výpočtu")));
}

}  // namespace
}  // namespace kvor::ui
