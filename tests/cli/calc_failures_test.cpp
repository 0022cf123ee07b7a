// kvor-calc on files and arguments it must refuse: nothing on standard output,
// the message as the first line of standard error, and the exit status.

#include "support/file_lines.h"
#include "support/program_run.h"
#include "support/project_builders.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <functional>

namespace kvor::testing {
namespace {

constexpr int kFailed = 1;
constexpr int kWrongArguments = 2;

void expectFailure(const CalcRun& run, const std::string& firstErrLine)
{
    EXPECT_EQ(run.status, kFailed);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.firstErrLine(), firstErrLine);
}

TEST(CalcFiles, MissingFileIsNamedWithTheRuntimeText)
{
    TempFolder folder;
    const std::string file = (folder.path() / "nic.txt").string();
    expectFailure(runCalc({file}), "Soubor „" + file + "“ nelze přečíst: File not found");
}

TEST(CalcFiles, FileThatIsNoProjectFileIsRefused)
{
    TempFolder folder;
    const std::filesystem::path file = folder.path() / "jiny.txt";
    writeBytes(file, "Vstupni soubor programu Kvor1.1\r\nA\r\nB\r\n");
    expectFailure(runCalc({file.string()}),
                  "Soubor „" + file.string() +
                      "“ není soubor projektu Kvor1.1 (první řádek není „Vstupní soubor programu Kvor1.1“)");
    // The header ending with LF alone: line ends that lost their CR are told as such.
    writeBytes(file, "Vstupn\xED soubor programu Kvor1.1\nA\nB\n");
    expectFailure(runCalc({file.string()}),
                  "Soubor „" + file.string() + "“ má konce řádků jen LF; soubor projektu Kvor1.1 má konce řádků CR LF");
}

TEST(CalcFiles, NothingAfterTheEndMarkIsRead)
{
    TempFolder folder;
    const std::string file = saveAs(workedExample(','), folder.path(), "Kvordat.txt", ',');
    const CalcRun whole = runCalc({file});
    ASSERT_EQ(whole.status, 0);
    writeBytes(file, readBytes(file) + "\x1A");
    // 3 GB of zeros after the end mark, as a hole that takes no disk space.
    ASSERT_EQ(::truncate(file.c_str(), off_t{3} << 30), 0);
    const CalcRun padded = runCalc({file});
    EXPECT_EQ(padded.status, 0) << padded.err;
    EXPECT_EQ(padded.out, whole.out);
}

TEST(CalcFiles, SystemFailuresAreToldInWords)
{
    TempFolder folder;
    const std::filesystem::path loop = folder.path() / "smycka.txt";
    std::filesystem::create_symlink(loop, loop);
    expectFailure(runCalc({loop.string()}),
                  "Soubor „" + loop.string() +
                      "“ nelze přečíst: I/O error 40 (příliš mnoho symbolických odkazů za sebou, nejspíš smyčka odkazů)");
    const std::string longName = (folder.path() / std::string(300, 'a')).string();
    expectFailure(runCalc({longName}), "Soubor „" + longName +
                                           "“ nelze přečíst: I/O error 36 (název souboru nebo cesty je příliš dlouhý)");
}

TEST(CalcFiles, NameWithALineBreakKeepsTheMessageOnOneLine)
{
    TempFolder folder;
    const std::string file = (folder.path() / "a\nb.txt").string();
    const CalcRun run = runCalc({file});
    expectFailure(run, "Soubor „" + folder.path().string() + "/a␊b.txt“ nelze přečíst: File not found");
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
}

TEST(CalcFiles, InformationOnlyFileHasNothingToEvaluate)
{
    TempFolder folder;
    const std::filesystem::path file = folder.path() / "Kvordat.txt";
    writeBytes(file, "Vstupn\xED soubor programu Kvor1.1\r\nMost\r\nPopis\r\nAutor\r\n1. 1. 2020\r\n");
    expectFailure(runCalc({file.string()}),
                  "Soubor „" + file.string() +
                      "“ obsahuje jen informace o projektu, chybí v něm datová část se zadáním; nelze jej vyhodnotit");
}

struct Damage {
    const char* what;
    // Damages the lines and returns the number of the line the message must name.
    std::function<int(std::vector<std::string>&)> apply;
    const char* detail;
};

class CalcDamagedFile : public ::testing::TestWithParam<Damage> {};

TEST_P(CalcDamagedFile, NamesTheWrongLine)
{
    TempFolder folder;
    const std::string file = saveAs(workedExample(','), folder.path(), "Kvordat.txt", ',');
    std::vector<std::string> lines = fileLines(readBytes(file));
    const int wrongLine = GetParam().apply(lines);
    writeBytes(file, joinLines(lines));
    expectFailure(runCalc({file}), "Soubor projektu je poškozen na řádku " + std::to_string(wrongLine) + ": " +
                                       GetParam().detail);
}

INSTANTIATE_TEST_SUITE_P(
    Damages, CalcDamagedFile,
    ::testing::Values(
        Damage{"count larger than the rows",
               [](std::vector<std::string>& lines) {
                   const int n = lineNumberOf(lines, "points\t3", lineNumberOf(lines, "[quantity]\t1"));
                   lines[static_cast<size_t>(n - 1)] = "points\t4";
                   return n;
               },
               "počet řádků tabulky 4 neodpovídá řádkům, které následují"},
        Damage{"unknown section",
               [](std::vector<std::string>& lines) {
                   const int n = lineNumberOf(lines, "[section]");
                   lines[static_cast<size_t>(n - 1)] = "[prurez]";
                   return n;
               },
               "neznámá sekce „[prurez]“"},
        Damage{"missing end",
               [](std::vector<std::string>& lines) {
                   const int n = lineNumberOf(lines, "[end]");
                   lines.pop_back();
                   return n;
               },
               "soubor končí před ukončením „[end]“"}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

struct EvaluationFailure {
    const char* what;
    std::function<void(Project&)> change;
    std::string firstErrLine;
};

class CalcEvaluationFailure : public ::testing::TestWithParam<EvaluationFailure> {};

TEST_P(CalcEvaluationFailure, PrintsTheMessageAndNothingElse)
{
    Project p = workedExample(',');
    GetParam().change(p);
    TempFolder folder;
    expectFailure(runCalc({"--group", "1,2", "--tables", saveAs(p, folder.path(), "Kvordat.txt", ',')}),
                  GetParam().firstErrLine);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, CalcEvaluationFailure,
    ::testing::Values(
        EvaluationFailure{"no tendon",
                          [](Project& p) {
                              p.tendons[0].status = SlotStatus::NotEntered;
                              hideSlot(p.tendons[1]);
                          },
                          "Zadejte typ a tvar předpínacích kabelů"},
        EvaluationFailure{"nothing entered",
                          [](Project& p) {
                              p.tendons[0].status = SlotStatus::NotEntered;
                              hideSlot(p.tendons[1]);
                              p.quantities[0].status = SlotStatus::NotEntered;
                          },
                          "Zadejte typ a tvar předpínacích kabelů"},
        EvaluationFailure{"no quantity",
                          [](Project& p) { p.quantities[0].status = SlotStatus::NotEntered; },
                          "Zadejte průběhy příčinkových čar"},
        // Slot 1 is evaluated first; slot 2's line ends at 8 m, before the tendons.
        EvaluationFailure{"tendon past its influence line",
                          [](Project& p) {
                              storeLine(p, 1, "Reakce", "", {{"0", "1"}, {"8", "0"}}, ',');
                          },
                          "'' is not a valid floating point value"},
        EvaluationFailure{"equal stations",
                          [](Project& p) {
                              storeLine(p, 0, "Reakce", "", {{"0", "1"}, {"0", "0"}, {"10", "0"}}, ',');
                          },
                          "Floating point division by zero"},
        // A text that is no number does not get as far as the evaluation: the
        // reader refuses it as the tendon dialog would, on the line of its row.
        EvaluationFailure{"text that is no number",
                          [](Project& p) {
                              p.tendons[0].points.setCell(1, 2, "-1000 kN");
                              p.tendons[0].points.setCell(2, 2, "-1000 kN");
                          },
                          "Soubor projektu je poškozen na řádku 152: Předpínací síla musí být zadána jako číslo!!!"}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST(CalcFiles, InputFileStaysAsItWas)
{
    TempFolder folder;
    const std::string file = saveAs(workedExample(','), folder.path(), "Kvordat.txt", ',');
    const std::string before = readBytes(file);
    struct stat statBefore {};
    ASSERT_EQ(stat(file.c_str(), &statBefore), 0);
    ASSERT_EQ(runCalc({"--group", "1,2", "--tables", file}).status, 0);
    struct stat statAfter {};
    ASSERT_EQ(stat(file.c_str(), &statAfter), 0);
    EXPECT_EQ(readBytes(file), before);
    EXPECT_EQ(statAfter.st_mtim.tv_sec, statBefore.st_mtim.tv_sec);
    EXPECT_EQ(statAfter.st_mtim.tv_nsec, statBefore.st_mtim.tv_nsec);
    // Nothing written beside it either.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator()),
              1);
}

class CalcWrongArguments : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(CalcWrongArguments, PrintUsageAndExitWithTwo)
{
    TempFolder folder;
    const std::string file = saveAs(workedExample(','), folder.path(), "Kvordat.txt", ',');
    std::vector<std::string> args = GetParam();
    for (std::string& a : args)
        if (a == "FILE")
            a = file;
    const CalcRun run = runCalc(args);
    EXPECT_EQ(run.status, kWrongArguments);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Použití: kvor-calc [--group SEZNAM] [--tables] [--stresses] [--loads] [--forces] [--check] SOUBOR\n"), std::string::npos)
        << run.err;
}

INSTANTIATE_TEST_SUITE_P(Arguments, CalcWrongArguments,
                         ::testing::Values(std::vector<std::string>{},
                                           std::vector<std::string>{"FILE", "FILE"},
                                           std::vector<std::string>{"--tables"},
                                           std::vector<std::string>{"FILE", "--group"},
                                           std::vector<std::string>{"--group", "0", "FILE"},
                                           std::vector<std::string>{"--group", "6", "FILE"},
                                           std::vector<std::string>{"--group", "1,,2", "FILE"},
                                           std::vector<std::string>{"--group", "1,", "FILE"},
                                           std::vector<std::string>{"--group", "12", "FILE"},
                                           std::vector<std::string>{"--group", "1", "--group", "2", "FILE"},
                                           std::vector<std::string>{"--tables", "--tables", "FILE"},
                                           std::vector<std::string>{"--stresses", "--stresses", "FILE"},
                                           std::vector<std::string>{"--table", "FILE"},
                                           std::vector<std::string>{"-", "FILE"}));

TEST(CalcArgumentsMessage, QuotesTheWholeGroupList)
{
    const CalcRun run = runCalc({"--group", "1,,2", "soubor.txt"});
    EXPECT_EQ(run.status, kWrongArguments);
    EXPECT_EQ(run.firstErrLine(), "Seznam kabelů „1,,2“ má obsahovat čísla kabelů 1 až 5 oddělená čárkou");
}

TEST(CalcHelp, OutputThatCannotBeWrittenIsReported)
{
    const CalcRun run = runCalc({"--help"}, "/dev/full");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Nápovědu nelze vypsat na standardní výstup: Disk full\n");
    TempFolder folder;
    const CalcRun results = runCalc({saveAs(workedExample(','), folder.path(), "Kvordat.txt", ',')}, "/dev/full");
    EXPECT_EQ(results.status, 1);
    EXPECT_EQ(results.err, "Výsledky nelze vypsat na standardní výstup: Disk full\n");
}

TEST(CalcHelp, IsPrintedInCzechWhateverElseIsGiven)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--help"}, std::vector<std::string>{"--bogus", "--help", "a", "b"}}) {
        const CalcRun run = runCalc(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.err, "");
        EXPECT_TRUE(run.out.starts_with("Použití: kvor-calc [--group SEZNAM] [--tables] [--stresses] [--loads] [--forces] [--check] SOUBOR\n")) << run.out;
        EXPECT_NE(run.out.find("--group SEZNAM  čísla kabelů skupiny"), std::string::npos);
        EXPECT_NE(run.out.find("než 1 GB (1073741824 bajtů) program odmítne"), std::string::npos);
    }
}

}  // namespace
}  // namespace kvor::testing
