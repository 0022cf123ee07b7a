// The loads and the stress check's inputs in the data section: the blocks
// "[loads]" and "[check]" of version 3, each written only when entered, read
// back across separators, and refused, naming the line, when damaged.

#include "results/project_file.h"

#include "model/error.h"
#include "results/data_section.h"
#include "support/file_lines.h"
#include "support/project_builders.h"
#include "support/sample_project.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kvor::testing {
namespace {

Project withLoads()
{
    Project p = sampleProject();
    setLoads(p, "12,5", "", "9", {{"300", "0"}, {"300", "1,2"}}, ',');
    return p;
}

// With the stress check's concrete and ψ2 as well.
Project withLoadsAndCheck()
{
    Project p = withLoads();
    p.check = CheckInput{"30", "2,9", "", "2,5", "0,3"};
    return p;
}

TEST(LoadsDataSection, WrittenAsVersion3AfterTheTendonsOnlyWhenEntered)
{
    const auto lines = fileLines(encodeProjectFile(withLoads(), SaveVariant::WithResults, ','));
    EXPECT_EQ(lines.at(5), "[data]\t3");
    const auto loads = std::find(lines.begin(), lines.end(), "[loads]");
    ASSERT_NE(loads, lines.end());
    EXPECT_EQ(std::vector<std::string>(loads, loads + 6),
              (std::vector<std::string>{"[loads]", "uniform\t12,5\t\t9", "axles\t2", "300\t0", "300\t1,2",
                                        "[results]"}));

    // A project whose loads were entered and taken away again is written as before, byte for byte.
    Project cleared = withLoads();
    cleared.loads = LoadInput();
    const std::string before = encodeProjectFile(sampleProject(), SaveVariant::WithResults, ',');
    EXPECT_EQ(encodeProjectFile(cleared, SaveVariant::WithResults, ','), before);
    EXPECT_EQ(before.find("[loads]"), std::string::npos);
    EXPECT_EQ(fileLines(before).at(5), "[data]\t1");
}

TEST(LoadsDataSection, TheCheckFollowsTheLoadsAndRoundTrips)
{
    Project onlyCheck = sampleProject();
    onlyCheck.check.psi2 = "0,5";
    const auto lines = fileLines(encodeProjectFile(onlyCheck, SaveVariant::WithResults, ','));
    EXPECT_EQ(lines.at(5), "[data]\t3");
    const auto check = std::find(lines.begin(), lines.end(), "[check]");
    ASSERT_NE(check, lines.end());
    EXPECT_EQ(std::vector<std::string>(check, check + 4),
              (std::vector<std::string>{"[check]", "concrete\t\t\t\t", "psi2\t0,5", "[results]"}));

    const Project saved = withLoadsAndCheck();
    const auto dotted = decodeProjectFile(encodeProjectFile(saved, SaveVariant::WithResults, ','), '.');
    ASSERT_TRUE(dotted);
    EXPECT_EQ(dotted->project.check, (CheckInput{"30", "2.9", "", "2.5", "0.3"}));
    EXPECT_EQ(dotted->project.loads.selfWeight, "12.5");
}

TEST(LoadsDataSection, RoundTripsAcrossSeparators)
{
    const Project saved = withLoads();
    const auto loaded = decodeProjectFile(encodeProjectFile(saved, SaveVariant::WithResults, ','), ',');
    ASSERT_TRUE(loaded);
    expectSameProject(saved, loaded->project, true);

    const auto dotted = decodeProjectFile(encodeProjectFile(saved, SaveVariant::InputOnly, ','), '.');
    ASSERT_TRUE(dotted);
    EXPECT_EQ(dotted->project.loads.selfWeight, "12.5");
    EXPECT_EQ(dotted->project.loads.axles.cell(2, 1), "1.2");
    EXPECT_EQ(dotted->project.loads.axles.cell(0, 0), "Síla F [kN]");
}

// A damaged block is refused with the line at fault.
struct DamageCase {
    const char* what;
    std::string from, to;    // the line replaced
    std::string message;     // after "poškozen na řádku N: "
    std::string named = {};  // N: the line of this text (of `from` when empty)
};

class DamagedLoads : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedLoads, AreRefusedNamingTheLine)
{
    const DamageCase& c = GetParam();
    std::vector<std::string> lines = fileLines(encodeProjectFile(withLoadsAndCheck(), SaveVariant::InputOnly, ','));
    const auto at = std::find(lines.begin(), lines.end(), c.from);
    const auto named = std::find(lines.begin(), lines.end(), c.named.empty() ? c.from : c.named);
    ASSERT_NE(at, lines.end()) << c.from;
    const int line = static_cast<int>(named - lines.begin()) + 1;
    *at = c.to;
    try {
        decodeProjectFile(joinLines(lines), ',');
        ADD_FAILURE() << c.what << " was read";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Soubor projektu je poškozen na řádku " + std::to_string(line) + ": " + c.message)
            << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, DamagedLoads,
    ::testing::Values(
        DamageCase{"loads in a version-2 file", "[data]\t3", "[data]\t2",
                   "sekce „[loads]“ patří až do datové části verze 3, soubor je označen verzí 2", "[loads]"},
        DamageCase{"a missing load text", "uniform\t12,5\t\t9", "uniform\t12,5\t9",
                   "položka „uniform“ má mít 3 hodnoty"},
        DamageCase{"a load that is no number", "uniform\t12,5\t\t9", "uniform\t12,5\tx\t9",
                   "Ostatní stálé zatížení g1 musí být zadáno jako číslo!"},
        DamageCase{"too many axles", "axles\t2", "axles\t21", "neplatná hodnota „21“ položky „axles“"},
        DamageCase{"a force not above 0", "300\t1,2", "-300\t1,2", "Síla nápravy v 2.řádku musí být větší než 0!"},
        DamageCase{"a row with one field", "300\t1,2", "300", "řádek tabulky má mít 2 hodnoty oddělené tabulátorem"},
        DamageCase{"a concrete line short of a value", "concrete\t30\t2,9\t\t2,5", "concrete\t30\t2,9\t2,5",
                   "položka „concrete“ má mít 4 hodnoty"},
        DamageCase{"f_ck that is no number", "concrete\t30\t2,9\t\t2,5", "concrete\tx\t2,9\t\t2,5",
                   "Charakteristická pevnost betonu v tlaku f_ck musí být číslo větší než 0!"},
        DamageCase{"ψ2 above 1", "psi2\t0,3", "psi2\t1,5",
                   "Součinitel ψ2 proměnného zatížení musí být číslo od 0 do 1!"},
        DamageCase{"ψ2 without its value", "psi2\t0,3", "psi2", "položka „psi2“ má mít 1 hodnotu"}));

}  // namespace
}  // namespace kvor::testing
