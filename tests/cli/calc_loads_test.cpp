// kvor-calc --loads: the loads' line, the heading and the effects on each
// entered quantity, after the result lines and the group line.

#include "support/program_run.h"
#include "support/project_builders.h"

#include <gtest/gtest.h>

namespace kvor::testing {
namespace {

const std::string kHeading = "veličina\tG0\tG1\tQ+\tQ-\tT+\tp+\td+\tT-\tp-\td-";

// The worked example's midspan moment (the triangle 0; 2,5; 0 over 10 m) and
// a second line with a negative part in slot 3: G0 = 12·12,5 = 150, Q+ = 4·12,5;
// the tandem's largest moment 300·(1,9 + 2,5), first found with the second
// axle at midspan (the first there gives the same), its least nothing (the
// group off the beam, its last axle on the support).
TEST(CalcLoads, PrintTheEffectsAfterTheGroupLineWithTheSeparatorOfTheFile)
{
    for (const char sep : {',', '.'}) {
        Project p = workedExample(sep);
        storeLine(p, 2, "Posouvající síla", "Posouvající síla v 4 m",
                  {{"0", "0"}, {"4", "-0,4"}, {"4", "0,6"}, {"10", "0"}}, sep);
        setLoads(p, "12", "", "4", {{"300", "0"}, {"300", "1,2"}}, sep);
        TempFolder folder;
        const CalcRun run = runCalc({"--loads", "--group", "1", saveAs(p, folder.path(), "Kvordat.txt", sep)});
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::string> lines = run.outLines();
        ASSERT_EQ(lines.size(), 10u) << run.out;
        EXPECT_TRUE(lines[5].starts_with("skupina\t"));
        EXPECT_EQ(lines[6], "[zatížení]\t12\t0\t4\tnápravy\t2");
        EXPECT_EQ(lines[7], kHeading);
        EXPECT_EQ(lines[8], typed("1\t150\t0\t50\t0\t1320\t3,8\t+\t0\t-1,2\t+", sep));
        EXPECT_EQ(lines[9], typed("3\t12\t0\t7,2\t-3,2\t324\t4\t+\t-204\t2,8\t+", sep));
    }
}

// Without loads the line shows zeros; without axles T, p and d stay empty.
TEST(CalcLoads, WithoutAxlesTheGroupsFieldsAreEmpty)
{
    Project p = workedExample(',');
    TempFolder folder;
    const std::string file = saveAs(p, folder.path(), "Kvordat.txt", ',');
    const CalcRun run = runCalc({"--loads", file});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = run.outLines();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[5], "[zatížení]\t0\t0\t0\tnápravy\t0");
    EXPECT_EQ(lines[6], kHeading);
    EXPECT_EQ(lines[7], "1\t0\t0\t0\t0\t\t\t\t\t\t");
}

TEST(CalcLoads, DamagedLoadsPrintNothing)
{
    Project p = workedExample(',');
    setLoads(p, "", "", "", {{"300", "0"}, {"300", "1,2"}}, ',');
    TempFolder folder;
    const std::string file = saveAs(p, folder.path(), "Kvordat.txt", ',');
    std::string bytes = readBytes(file);
    bytes.replace(bytes.find("300\t1,2"), 3, "-30");
    writeBytes(file, bytes);
    const CalcRun run = runCalc({"--loads", file});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.firstErrLine().find("Síla nápravy v 2.řádku musí být větší než 0!"), std::string::npos) << run.err;
    EXPECT_EQ(runCalc({"--loads", "--loads", file}).status, 2);
}

}  // namespace
}  // namespace kvor::testing
