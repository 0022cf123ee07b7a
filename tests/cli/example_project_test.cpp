// The example project shipped in examples/ is what the core's writer writes
// for it, passes the checks of the windows, and evaluates as the README shows.

#include "influence/table_checks.h"
#include "support/example_project.h"
#include "support/program_run.h"
#include "tendons/tendon_checks.h"

#include <gtest/gtest.h>

namespace kvor::testing {
namespace {

const std::filesystem::path kExampleFile = std::filesystem::path(KVOR_EXAMPLES_DIR) / kExampleFileName;

TEST(ExampleProject, ShippedFileIsWhatTheWriterWrites)
{
    EXPECT_EQ(readBytes(kExampleFile), encodeProjectFile(exampleProject(), SaveVariant::InputOnly, ','));
}

TEST(ExampleProject, PassesTheChecksOfTheWindows)
{
    const Project p = exampleProject();
    EXPECT_FALSE(checkMemberLengths(p.beam, ','));
    EXPECT_DOUBLE_EQ(static_cast<double>(totalBeamLength(p.beam, ',')), 27.0);
    for (int k = 0; k < 2; ++k)
        EXPECT_TRUE(checkInfluenceTable(p.beam, p.quantities[k].line, ',').empty()) << "line " << k + 1;
    const TextTable& straight = p.tendons[0].points;
    EXPECT_TRUE(checkFirstAnchorage(straight.cell(1, 0), p.beam, ',').empty());
    EXPECT_TRUE(checkSecondAnchorage(straight.cell(1, 0), straight.cell(2, 0), p.beam, ',').empty());
    EXPECT_TRUE(checkEccentricity(straight.cell(1, 1), p.section, ',').empty());
    EXPECT_TRUE(checkPointTable(p.tendons[1].points, p.beam, p.section, ',').empty());
}

// The README shows this very run; keep the two together.
TEST(ExampleProject, EvaluatesAsTheReadmeShows)
{
    const CalcRun run = runCalc({"--group", "1,2", kExampleFile.string()});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = run.outLines();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_TRUE(lines[0].starts_with("1\t- Ohybový moment\tMoment nad vnitřní podporou b\t[kNm]\t")) << lines[0];
    EXPECT_TRUE(lines[1].starts_with("2\t- Reakce\tReakce vnitřní podpory b\t[kN]\t")) << lines[1];
    const std::string readme = readBytes(std::filesystem::path(KVOR_EXAMPLES_DIR).parent_path() / "README.md");
    EXPECT_NE(readme.find(run.out), std::string::npos) << "README.md should show:\n" << run.out;
}

}  // namespace
}  // namespace kvor::testing
