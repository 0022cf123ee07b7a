// A run whose formulas overflow or have no value ends with the error report,
// like a division by zero: no value text is ever "INF" or "NAN", and what the
// run wrote before the failure stays.

#include "evaluation/evaluation_run.h"
#include "evaluation_fixtures.h"
#include "model/error.h"

#include <gtest/gtest.h>

#include <string>

namespace kvor {
namespace {

using testing::stationTable;
using testing::tendonStore;
using testing::triangleLine;

void enterLine(Project& p, int q, const TextTable& line)
{
    QuantitySlot& slot = p.quantities[static_cast<size_t>(q)];
    slot.shown = true;
    slot.status = SlotStatus::Entered;
    slot.kindText = "Ohybový moment";
    slot.line = line;
}

void enterTendon(Project& p, int t, TendonType type, const TextTable& points)
{
    TendonSlot& slot = p.tendons[static_cast<size_t>(t)];
    slot.shown = true;
    slot.status = SlotStatus::Entered;
    slot.type = type;
    slot.points = points;
}

// A straight tendon that evaluates to -200 against the triangle line.
const TextTable kSound = tendonStore({{"0", "0,2", "-1000"}, {"10", "0,2", "-1000"}});

bool holdsNoNumberText(std::string_view text)
{
    return text.find("INF") != std::string_view::npos || text.find("NAN") != std::string_view::npos;
}

// Every computed text of the run: values, slopes and the computed tendon columns.
void expectOnlyNumbersWritten(const EvaluationResult& r)
{
    for (int q = 0; q < kSlotCount; ++q) {
        for (int t = 0; t < kSlotCount; ++t) {
            EXPECT_FALSE(holdsNoNumberText(r.value[q][t])) << q << "," << t;
            const TextTable& table = r.tendonTables[q][t];
            for (int row = 1; row < table.rowCount(); ++row)
                for (int c = 4; c < table.colCount(); ++c)
                    EXPECT_FALSE(holdsNoNumberText(table.cell(row, c))) << q << "," << t << " " << row << "," << c;
        }
        for (int row = 1; row < r.derivatives[q].rowCount(); ++row)
            EXPECT_FALSE(holdsNoNumberText(r.derivatives[q].cell(row, 1))) << q << " " << row;
    }
}

struct FailingFormula {
    const char* name;
    TextTable line;     // influence line of quantity 2
    TendonType type;    // tendon 2, evaluated after the sound tendon 1
    TextTable tendon;
    const char* error;  // the text of the error box
    int failingQuantity;  // 0: tendon 2 fails already against the triangle line
};

// Shown by its name in the test list and in failures.
void PrintTo(const FailingFormula& c, std::ostream* out) { *out << c.name; }

class FailingFormulas : public ::testing::TestWithParam<FailingFormula> {};

TEST_P(FailingFormulas, EndTheRunWithTheErrorReportAndNoValueOfIt)
{
    const FailingFormula& c = GetParam();
    Project p;
    enterLine(p, 0, triangleLine());
    enterLine(p, 1, c.line);
    enterTendon(p, 0, TendonType::Straight, kSound);
    enterTendon(p, 1, c.type, c.tendon);
    p.results.value[0][1] = "z minula";
    p.results.value[1][1] = "z minula";

    try {
        evaluateProject(p, ',');
        FAIL() << "the run ended normally";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), c.error);
    }
    // Tendon 1 of quantity 1 comes first and keeps its value; the failing value
    // is not written and its block is not finished.
    EXPECT_EQ(p.results.value[0][0], "-200");
    const auto q = static_cast<size_t>(c.failingQuantity);
    EXPECT_EQ(p.results.value[q][1], "z minula");
    EXPECT_FALSE(p.results.evaluated(c.failingQuantity));
    if (c.failingQuantity == 1) {
        EXPECT_TRUE(p.results.evaluated(0));
        EXPECT_NE(p.results.value[0][1], "z minula");
    }
    expectOnlyNumbersWritten(p.results);
}

INSTANTIATE_TEST_SUITE_P(
    Run, FailingFormulas,
    ::testing::Values(
        // e·N = 1E4000 · 1E1000 lies beyond the extended range.
        FailingFormula{"MomentOverflows", triangleLine(), TendonType::Straight,
                       tendonStore({{"0", "1E4000", "-1E1000"}, {"10", "1E4000", "-1E1000"}}),
                       "Floating point overflow", 0},
        // The slope itself is finite, the product with the moment is not.
        FailingFormula{"SlopeTimesMomentOverflows", stationTable({{"0", "0"}, {"10", "1E4900"}}),
                       TendonType::Straight, tendonStore({{"0", "1E30", "-1E10"}, {"10", "1E30", "-1E10"}}),
                       "Floating point overflow", 1},
        // Ordinates 1E4932 and -1E4932: their difference overflows in the derivative.
        FailingFormula{"DerivativeOverflows", stationTable({{"0", "1E4932"}, {"10", "-1E4932"}}),
                       TendonType::Straight, kSound, "Floating point overflow", 1},
        // A vertical force of a broken tendon times a huge ordinate.
        FailingFormula{"LiftingOverflows", stationTable({{"0", "1E4930"}, {"10", "1E4930"}}), TendonType::Broken,
                       tendonStore({{"2", "0", "-1E10"}, {"5", "0,5", "-1E10"}, {"8", "0", "-1E10"}}),
                       "Floating point overflow", 1},
        // Equal stations with equal ordinates: 0/0 has no value.
        FailingFormula{"ZeroOverZero", stationTable({{"0", "1"}, {"0", "1"}, {"10", "0"}}), TendonType::Straight,
                       kSound, "Invalid floating point operation", 1},
        // Equal stations with different ordinates: the slope is infinite.
        FailingFormula{"DivisionByZero", stationTable({{"0", "0"}, {"0", "1"}, {"10", "0"}}),
                       TendonType::Straight, kSound, "Floating point division by zero", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FailingFormulas, ValuesAtTheEdgeOfTheRangeStillEvaluate)
{
    // Large but finite all the way through: written in scientific notation.
    Project p;
    enterLine(p, 0, triangleLine());
    enterTendon(p, 0, TendonType::Straight, tendonStore({{"0", "1E2000", "-1E2000"}, {"10", "1E2000", "-1E2000"}}));
    evaluateProject(p, ',');
    EXPECT_EQ(p.results.value[0][0], "-1E4000");
    expectOnlyNumbersWritten(p.results);
}

}  // namespace
}  // namespace kvor
