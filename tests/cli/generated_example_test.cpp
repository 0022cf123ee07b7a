// The second example project: its lines are kvor-il's output, the shipped file
// is what the writer writes for them, and it evaluates as the README shows.

#include "influence/table_checks.h"
#include "support/generated_example.h"
#include "support/program_run.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kvor::testing {
namespace {

const std::filesystem::path kExamples(KVOR_EXAMPLES_DIR);

std::vector<std::string> runKvorIlForTheExample()
{
    std::vector<std::string> outputs;
    for (const auto& line : generatedExampleLines()) {
        const CalcRun run = runIl(line.arguments);
        EXPECT_EQ(run.status, 0) << run.err;
        outputs.push_back(run.out);
    }
    return outputs;
}

TEST(GeneratedExample, ShippedFileHoldsKvorIlsLines)
{
    const Project p = generatedExampleProject(runKvorIlForTheExample());
    for (int k = 0; k < 4; ++k)
        EXPECT_TRUE(checkInfluenceTable(p.beam, p.quantities[k].line, ',').empty()) << "line " << k + 1;
    const std::string written = encodeProjectFile(p, SaveVariant::InputOnly, ',');
    // KVOR_WRITE_EXAMPLES=1 writes the file anew after a deliberate change.
    if (std::getenv("KVOR_WRITE_EXAMPLES"))
        writeBytes(kExamples / kGeneratedExampleFileName, written);
    EXPECT_EQ(readBytes(kExamples / kGeneratedExampleFileName), written);
}

// The README shows this very run; keep the two together.
TEST(GeneratedExample, EvaluatesAsTheReadmeShows)
{
    const CalcRun run = runCalc({"--group", "1,2", (kExamples / kGeneratedExampleFileName).string()});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_EQ(run.outLines().size(), 6u);
    const std::string readme = readBytes(kExamples.parent_path() / "README.md");
    EXPECT_NE(readme.find(run.out), std::string::npos) << "README.md should show:\n" << run.out;
    const CalcRun stresses = runCalc({"--stresses", (kExamples / kGeneratedExampleFileName).string()});
    ASSERT_EQ(stresses.status, 0) << stresses.err;
    const std::string tables = stresses.out.substr(stresses.out.find("[napětí]"));
    EXPECT_NE(readme.find(tables), std::string::npos) << "README.md should show:\n" << tables;
}

}  // namespace
}  // namespace kvor::testing
