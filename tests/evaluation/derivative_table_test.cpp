#include "evaluation/derivative_table.h"
#include "evaluation_fixtures.h"
#include "model/error.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace kvor;
using kvor::testing::stationTable;

namespace {

struct SlopeCase {
    const char* name;
    TextTable line;
    std::vector<std::string> slopes;
    std::optional<long double> station = std::nullopt;  // the quantity's X, when known
};

// Shown by its name in the test list and in failures.
void PrintTo(const SlopeCase& c, std::ostream* out) { *out << c.name; }

class DerivativeSlopes : public ::testing::TestWithParam<SlopeCase> {};

TEST_P(DerivativeSlopes, MatchTheDifferenceRules)
{
    const SlopeCase& c = GetParam();
    TextTable d;
    buildDerivativeTable(c.line, d, ',', c.station);
    ASSERT_EQ(d.rowCount(), c.line.rowCount());
    ASSERT_EQ(d.colCount(), 2);
    EXPECT_EQ(d.cell(0, 0), "Staničení");
    EXPECT_EQ(d.cell(0, 1), "Derivace příč.č.");
    for (size_t i = 0; i < c.slopes.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        EXPECT_EQ(d.cell(row, 0), c.line.cell(row, 0)) << c.name << " row " << row;
        EXPECT_EQ(d.cell(row, 1), c.slopes[i]) << c.name << " row " << row;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DerivativeSlopes,
    ::testing::Values(
        SlopeCase{"triangle", stationTable({{"0", "0"}, {"5", "1"}, {"10", "0"}}), {"0,2", "0", "-0,2"}},
        SlopeCase{"two points", stationTable({{"0", "1"}, {"10", "3"}}), {"0,2", "0,2"}},
        // The central difference is the chord over both neighbours, not an average of side slopes.
        SlopeCase{"unequal spacing", stationTable({{"0", "0"}, {"2", "2"}, {"10", "3"}}), {"1", "0,3", "0,125"}},
        // Each side of a jump is differentiated from its own side only.
        SlopeCase{"jump", stationTable({{"0", "0"}, {"5", "0,5"}, {"5", "-0,5"}, {"10", "0"}}),
                  {"0,1", "0,1", "0,1", "0,1"}},
        SlopeCase{"jump between neighbours", stationTable({{"0", "0"}, {"2", "1"}, {"2", "3"}, {"6", "1"}, {"7", "0"}}),
                  {"0,5", "0,5", "-0,5", "-0,6", "-1"}},
        // At the quantity's own X the line may kink: the mean of both sides.
        SlopeCase{"kink at X", stationTable({{"0", "0"}, {"4", "2"}, {"12", "0"}}), {"0,5", "0,125", "-0,25"}, 4.0L},
        SlopeCase{"X between stations", stationTable({{"0", "0"}, {"4", "2"}, {"12", "0"}}), {"0,5", "0", "-0,25"},
                  5.0L},
        SlopeCase{"worked-example line", kvor::testing::triangleLine(), {"0,5", "0", "-0,5"}},
        // Station texts are copied as they stand, not reformatted.
        SlopeCase{"station texts", stationTable({{" 0,0", "0"}, {"2,50 ", "1"}, {"5E0", "0"}}), {"0,4", "0", "-0,4"}},
        SlopeCase{"fifteen digits", stationTable({{"0", "0"}, {"3", "1"}}), {"0,333333333333333", "0,333333333333333"}}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

std::string errorOf(const TextTable& line, TextTable& d)
{
    try {
        buildDerivativeTable(line, d, ',');
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TextTable oldTable(int rows)
{
    TextTable d(rows, 2);
    for (int r = 0; r < rows; ++r)
        d.setRow(r, {"old", "old"});
    return d;
}

TEST(DerivativeFailures, EqualFirstStationsFailAfterTheInteriorRowsAreWritten)
{
    TextTable d = oldTable(20);
    const TextTable line = stationTable({{"0", "0"}, {"0", "1"}, {"5", "2"}, {"10", "3"}});
    EXPECT_EQ(errorOf(line, d), "Floating point division by zero");
    EXPECT_EQ(d.rowCount(), 5);
    EXPECT_EQ(d.cell(2, 1), "0,2");  // right of the jump at 0, from its own side
    EXPECT_EQ(d.cell(3, 1), "0,2");
    EXPECT_EQ(d.cell(4, 0), "10");
    // Row 1 failed and row n comes after it: both keep what they held.
    EXPECT_EQ(d.cell(1, 1), "old");
    EXPECT_EQ(d.cell(4, 1), "old");
}

TEST(DerivativeFailures, EqualStationsAndOrdinatesAreAnInvalidOperation)
{
    TextTable d;
    EXPECT_EQ(errorOf(stationTable({{"0", "1"}, {"5", "2"}, {"5", "2"}}), d), "Invalid floating point operation");
}

TEST(DerivativeFailures, ThreePointsAtOneStationStopTheInteriorPass)
{
    TextTable d = oldTable(6);
    const TextTable line = stationTable({{"0", "0"}, {"5", "1"}, {"5", "2"}, {"5", "3"}, {"10", "0"}});
    EXPECT_EQ(errorOf(line, d), "Floating point division by zero");
    EXPECT_EQ(d.cell(2, 1), "0,2");
    EXPECT_EQ(d.cell(3, 0), "5");  // its station was copied before its slope failed
    EXPECT_EQ(d.cell(3, 1), "old");
    EXPECT_EQ(d.cell(4, 0), "old");
    EXPECT_EQ(d.cell(1, 1), "old");
}

TEST(DerivativeFailures, ASinglePointFailsOnItsMissingNeighbour)
{
    TextTable d;
    EXPECT_EQ(errorOf(stationTable({{"3", "1"}}), d), "'' is not a valid floating point value");
    EXPECT_EQ(d.cell(1, 0), "3");
}

TEST(DerivativeFailures, ATextThatIsNoNumberIsNamed)
{
    TextTable d;
    EXPECT_EQ(errorOf(stationTable({{"0", "0"}, {"5", "1,5.2"}, {"10", "0"}}), d),
              "'1,5.2' is not a valid floating point value");
}

// Between X and a neighbour the slope is that of X's side facing it; X
// itself takes the row's mean.
TEST(DerivativeTable, LookupsNextToAKinkTakeTheirOwnSide)
{
    const TextTable line = stationTable({{"0", "0"}, {"4", "2"}, {"12", "0"}});
    TextTable d;
    const auto sides = buildDerivativeTable(line, d, ',', 4.0L);
    ASSERT_EQ(sides.size(), 1u);
    EXPECT_EQ(sides[0].row, 2);
    const StationIndex index(line, ',');
    const StationIndex slopes = index.withValues(d, ',', sides);
    for (const auto& [x, slope] : {std::pair{2.0L, 0.5L}, {3.999L, 0.5L}, {4.0L, 0.125L}, {4.001L, -0.25L}, {8.0L, -0.25L}})
        EXPECT_DOUBLE_EQ(static_cast<double>(lookupAtStation(slopes, x).value), static_cast<double>(slope)) << x;
}

TEST(DerivativeTable, ShrinksToTheLineAndKeepsNoStaleRows)
{
    TextTable d = oldTable(20);
    buildDerivativeTable(stationTable({{"0", "1"}, {"10", "3"}}), d, ',');
    EXPECT_EQ(d.rowCount(), 3);
}

TEST(DerivativeTable, WritesWithTheGivenSeparator)
{
    TextTable d;
    buildDerivativeTable(stationTable({{"0", "0"}, {"2.5", "1"}}), d, '.');
    EXPECT_EQ(d.cell(1, 1), "0.4");
}

}  // namespace
