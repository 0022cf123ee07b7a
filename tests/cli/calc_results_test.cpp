// kvor-calc on projects whose results are known: the lines, the separator of
// the file, the group line and the working tables.

#include "support/program_run.h"
#include "support/project_builders.h"

#include <gtest/gtest.h>

namespace kvor::testing {
namespace {

const std::string kNotEvaluatedLines =
    "2\tVeličina nebyla vyhodnocována!\n"
    "3\tVeličina nebyla vyhodnocována!\n"
    "4\tVeličina nebyla vyhodnocována!\n"
    "5\tVeličina nebyla vyhodnocována!\n";

struct SeparatorCase {
    char sep;
    std::string firstLine;
};

class CalcWorkedExamples : public ::testing::TestWithParam<SeparatorCase> {};

// Straight tendon: d(0)·e·N - d(10)·e·N = 0,5·(-200) - (-0,5)·200 = -200;
// the broken tendon gives about -455,9648. Numbers carry the file's separator.
TEST_P(CalcWorkedExamples, GiveTheirEffectsWithTheSeparatorOfTheFile)
{
    const SeparatorCase& c = GetParam();
    TempFolder folder;
    const std::string file = saveAs(workedExample(c.sep), folder.path(), "Kvordat.txt", c.sep);
    const CalcRun run = runCalc({file});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, c.firstLine + "\n" + kNotEvaluatedLines);
}

INSTANTIATE_TEST_SUITE_P(
    BothSeparators, CalcWorkedExamples,
    ::testing::Values(
        SeparatorCase{',', "1\t- Ohybový moment\tMoment uprostřed\t[kNm]\t-200\t-455,964834314012\t###\t###\t###"},
        SeparatorCase{'.', "1\t- Ohybový moment\tMoment uprostřed\t[kNm]\t-200\t-455.964834314012\t###\t###\t###"}));

// A file saved with its results is evaluated anew: what it stored is not shown.
TEST(CalcResults, ComputesAgainWhateverResultsTheFileHolds)
{
    Project p = workedExample(',');
    p.results.block.fill(BlockState::Evaluated);
    p.results.caption.fill("- stará");
    p.results.value[0] = {"1", "2", "3", "4", "5"};
    p.results.value[2] = {"1", "2", "3", "4", "5"};
    TempFolder folder;
    const std::string file = saveAs(p, folder.path(), "Kvorprj.txt", ',', SaveVariant::WithResults);
    const CalcRun run = runCalc({file});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1\t- Ohybový moment\tMoment uprostřed\t[kNm]\t-200\t-455,964834314012\t###\t###\t###\n" +
                           kNotEvaluatedLines);
}

// Blocks follow the slots: slots 1 and 2 shown but not entered, slot 3 with an
// empty kind text ("[-]") and a description holding a TAB and a line break,
// which are printed as blanks so the line keeps its fields.
TEST(CalcResults, EachSlotHasItsLineAndTextsKeepTheLayout)
{
    Project p = workedExample(',');
    p.quantities[0] = QuantitySlot();
    p.quantities[0].shown = true;
    p.quantities[1].shown = true;
    storeLine(p, 2, "", "Průhyb\tv poli\r\n1", {{"0", "0"}, {"5", "2,5"}, {"10", "0"}}, ',');
    TempFolder folder;
    const CalcRun run = runCalc({saveAs(p, folder.path(), "Kvordat.txt", ',')});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "1\tVeličina nebyla vyhodnocována!\n"
              "2\tVeličina nebyla vyhodnocována!\n"
              "3\t- \tPrůhyb v poli  1\t[-]\t-200\t-455,964834314012\t###\t###\t###\n"
              "4\tVeličina nebyla vyhodnocována!\n"
              "5\tVeličina nebyla vyhodnocována!\n");
}

struct GroupCase {
    std::string list;
    std::string sumOfSlot1;
};

class CalcGroup : public ::testing::TestWithParam<GroupCase> {};

TEST_P(CalcGroup, SumsTheEnteredTendonsOfTheList)
{
    Project p = workedExample(',');
    p.tendons[2].shown = true;  // shown, never stored: cannot join the group
    TempFolder folder;
    const CalcRun run = runCalc({"--group", GetParam().list, saveAs(p, folder.path(), "Kvordat.txt", ',')});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = run.outLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[5], "skupina\t" + GetParam().sumOfSlot1 + "\t###\t###\t###\t###");
}

INSTANTIATE_TEST_SUITE_P(Lists, CalcGroup,
                         ::testing::Values(GroupCase{"1,2", "-655,964834314012"},
                                           GroupCase{"2,1", "-655,964834314012"},
                                           GroupCase{"2,2,2", "-455,964834314012"},
                                           GroupCase{"1,3,5", "-200"},
                                           GroupCase{"3", "0"},
                                           GroupCase{"", "0"},
                                           GroupCase{" 1 , 2 ", "-655,964834314012"}));

// The section check of slot 1 at X = 5 (decimal point in the file): the
// straight tendon's moment is all primary; missing section values give the
// one line that names them; without a known station nothing is printed.
TEST(CalcStresses, PrintTheCheckOfEachMomentWithAKnownStation)
{
    Project p = workedExample('.');
    p.quantities[0].station = "5";
    p.section.area = "0.48";
    p.section.inertia = "0.0576";
    TempFolder folder;
    const CalcRun run = runCalc({"--stresses", "--group", "2", saveAs(p, folder.path(), "Kvordat.txt", '.')});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = run.outLines();
    ASSERT_EQ(lines.size(), 6u + 2 + 7);
    EXPECT_EQ(lines[6], "[napětí]\t1\t5");
    EXPECT_EQ(lines[7], "Kabel\tX [m]\tP [kN]\te [m]\tM1 [kNm]\tM2 [kNm]\tM [kNm]\tσ_h [MPa]\tσ_d [MPa]");
    EXPECT_EQ(lines[8], "1\t5\t-1000\t0.2\t-200\t0\t-200\t0\t-4.16666666666667");
    EXPECT_EQ(lines[10], "3\t5\t###\t###\t###\t###\t###\t###\t###");
    EXPECT_TRUE(lines[13].starts_with("skupina\t5\t")) << lines[13];
    EXPECT_TRUE(lines[14].starts_with("celkem\t5\t")) << lines[14];

    p.section.area.clear();
    const CalcRun missing = runCalc({"--stresses", saveAs(p, folder.path(), "Kvordat.txt", '.')});
    EXPECT_EQ(missing.outLines().back(), "[napětí]\tPro posouzení napětí v průřezu chybí hodnoty průřezu: plocha A.");
    p.quantities[0].station.clear();
    EXPECT_EQ(runCalc({"--stresses", saveAs(p, folder.path(), "Kvordat.txt", '.')}).outLines().size(), 5u);
}

// Slots 1 and 3 evaluated, tendons 1 and 2 entered, tendon 3 shown but not
// entered: tables in slot order, each with its headings, after the group line.
TEST(CalcTables, FollowTheGroupLineInSlotOrder)
{
    Project p = workedExample(',');
    storeLine(p, 2, "Reakce", "", {{"0", "1"}, {"10", "0"}}, ',');
    p.tendons[2].shown = true;
    TempFolder folder;
    const CalcRun run = runCalc({"--tables", "--group", "1", saveAs(p, folder.path(), "Kvordat.txt", ',')});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_FALSE(run.out.empty());
    EXPECT_EQ(run.out.back(), '\n');
    EXPECT_EQ(run.out.find('\r'), std::string::npos);

    const std::vector<std::string> lines = run.outLines();
    const std::vector<std::string> expected = {
        "1\t- Ohybový moment\tMoment uprostřed\t[kNm]\t-200\t-455,964834314012\t###\t###\t###",
        "2\tVeličina nebyla vyhodnocována!",
        "3\t- Reakce\t\t[kN]\t0\t0\t###\t###\t###",
        "4\tVeličina nebyla vyhodnocována!",
        "5\tVeličina nebyla vyhodnocována!",
        "skupina\t-200\t###\t0\t###\t###",
        "[derivace]\t1",
        "Staničení\tDerivace příč.č.",
        "0\t0,5",
        "5\t0",
        "10\t-0,5",
        "[kabel]\t1\t1",
        "Bod\tStaničení\tExcentricita\tPředp.síla\tSvislá síla\tVodorovná síla\tMoment\tPříč.čára\tDerivace př.čáry",
        "1\t0\t0,2\t-1000\t0\t0\t-200\t0\t0,5",
        "2\t10\t0,2\t-1000\t0\t0\t200\t0\t-0,5",
        "[kabel]\t1\t2",
    };
    ASSERT_GE(lines.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;

    // Each table marker with the number of rows that follow it.
    std::vector<std::pair<std::string, int>> tables;
    const size_t firstTableLine = 6;  // after the five result lines and the group line
    for (size_t i = firstTableLine; i < lines.size(); ++i) {
        if (lines[i].starts_with('['))
            tables.emplace_back(lines[i], 0);
        else
            ++tables.back().second;
    }
    const std::vector<std::pair<std::string, int>> expectedTables = {
        {"[derivace]\t1", 4}, {"[kabel]\t1\t1", 3}, {"[kabel]\t1\t2", 4},
        {"[derivace]\t3", 3}, {"[kabel]\t3\t1", 3}, {"[kabel]\t3\t2", 4}};
    EXPECT_EQ(tables, expectedTables);
}

}  // namespace
}  // namespace kvor::testing
