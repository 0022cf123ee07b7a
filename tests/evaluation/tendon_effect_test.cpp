#include "evaluation/derivative_table.h"
#include "evaluation/tendon_effect.h"
#include "evaluation_fixtures.h"
#include "model/error.h"
#include "model/numbers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kvor;
using kvor::testing::stationTable;
using kvor::testing::tendonStore;
using kvor::testing::triangleLine;

namespace {

using Row = std::vector<std::string>;

// A quantity's influence line with its derivative table and both indexes.
struct Quantity {
    TextTable line;
    TextTable slopes;
    StationIndex lineIndex;
    StationIndex slopeIndex;

    explicit Quantity(TextTable l) : line(std::move(l)), slopes(derive(line)), lineIndex(line, ','), slopeIndex(slopes, ',') {}
    Quantity(TextTable l, TextTable s) : line(std::move(l)), slopes(std::move(s)), lineIndex(line, ','), slopeIndex(slopes, ',') {}

    static TextTable derive(const TextTable& line)
    {
        TextTable d;
        buildDerivativeTable(line, d, ',');
        return d;
    }

    std::optional<long double> effect(TendonType type, const TextTable& store, TextTable& table) const
    {
        return tendonEffect(type, store, lineIndex, slopeIndex, table, ',');
    }
};

void expectTable(const TextTable& table, const std::vector<Row>& rows)
{
    ASSERT_EQ(table.rowCount(), static_cast<int>(rows.size()) + 1);
    ASSERT_EQ(table.colCount(), 9);
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(table.cell(0, c), kTendonTableHeadings[static_cast<size_t>(c)]);
    for (size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < 9; ++c)
            EXPECT_EQ(table.cell(static_cast<int>(r) + 1, c), rows[r][static_cast<size_t>(c)])
                << "row " << r + 1 << " column " << c;
}

std::string errorOf(const Quantity& q, TendonType type, const TextTable& store, TextTable& table)
{
    try {
        q.effect(type, store, table);
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(TendonTableHeadings, AreTheNineColumnTitles)
{
    EXPECT_STREQ(kTendonTableHeadings[0], "Bod");
    EXPECT_STREQ(kTendonTableHeadings[4], "Svislá síla");
    EXPECT_STREQ(kTendonTableHeadings[8], "Derivace př.čáry");
}

TEST(StraightTendon, WorkedExampleOnTheTriangleLine)
{
    const Quantity q(triangleLine());
    TextTable table;
    const auto effect = q.effect(TendonType::Straight, tendonStore({{"0", "0,2", "-1000"}, {"10", "0,2", "-1000"}}), table);
    ASSERT_TRUE(effect);
    EXPECT_EQ(formatNumber(*effect, ','), "-200");
    expectTable(table, {{"1", "0", "0,2", "-1000", "0", "0", "-200", "0", "0,5"},
                        {"2", "10", "0,2", "-1000", "0", "0", "200", "0", "-0,5"}});
}

TEST(StraightTendon, UsesOnlyTheEndSlopesWhateverTheInclination)
{
    // e differs at the two anchorages (not possible from the dialog): the moments
    // are e(1)·N(1) and -e(2)·N(2), the inclination adds nothing.
    const Quantity q(triangleLine());
    TextTable table;
    const auto effect = q.effect(TendonType::Straight, tendonStore({{"2", "0,1", "-1000"}, {"8", "0,3", "-500"}}), table);
    EXPECT_EQ(table.cell(1, 6), "-100");
    EXPECT_EQ(table.cell(2, 6), "150");
    EXPECT_EQ(formatNumber(*effect, ','), "-75");  // 0,3·(-100) + (-0,3)·150
}

TEST(StraightTendon, ASlopeFoundAtTheFirstRowIsCopiedAsItsText)
{
    // A slope text with trailing zeros stays as it is for a straight tendon and is
    // re-read from that text; an interpolated slope is written in 15 digits.
    const Quantity q(triangleLine(), stationTable({{"0", "0,50"}, {"5", "0"}, {"10", "-0,5"}}));
    TextTable table;
    const auto effect = q.effect(TendonType::Straight, tendonStore({{"-1", "1", "-10"}, {"7,5", "1", "-10"}}), table);
    EXPECT_EQ(table.cell(1, 8), "0,50");
    EXPECT_EQ(table.cell(2, 8), "-0,25");
    EXPECT_EQ(formatNumber(*effect, ','), "-7,5");

    TextTable broken;
    q.effect(TendonType::Broken, tendonStore({{"-1", "1", "-10"}, {"7,5", "1", "-10"}}), broken);
    EXPECT_EQ(broken.cell(1, 8), "0,5");
}

TEST(BrokenTendon, TwoPointsGiveTheStraightTendonsEffect)
{
    const Quantity q(triangleLine());
    TextTable table;
    const auto effect = q.effect(TendonType::Broken, tendonStore({{"0", "0,2", "-1000"}, {"10", "0,2", "-1000"}}), table);
    EXPECT_EQ(formatNumber(*effect, ','), "-200");
    expectTable(table, {{"1", "0", "0,2", "-1000", "0", "-1000", "-200", "0", "0,5"},
                        {"2", "10", "0,2", "-1000", "0", "1000", "200", "0", "-0,5"}});
}

TEST(BrokenTendon, WorkedExampleDippingToTheMiddle)
{
    const Quantity q(triangleLine());
    TextTable table;
    const auto effect = q.effect(
        TendonType::Broken,
        tendonStore({{"2", "0,1", "-1000"}, {"5", "0,5", "-1000"}, {"8", "0,1", "-1000"}}), table);
    // α(1) = atan2(-0,4; 3) ≈ -0,132552 rad, α(2) = -α(1).
    EXPECT_NEAR(static_cast<double>(*effect), -455.9648, 5e-5);
    EXPECT_EQ(formatNumber(*effect, ','), "-455,964834314012");
    expectTable(table,
                {{"1", "2", "0,1", "-1000", "132,163720091018", "-991,227900682635", "-99,1227900682635", "1", "0,3"},
                 {"2", "5", "0,5", "-1000", "-264,327440182036", "0", "0", "2,5", "0"},
                 {"3", "8", "0,1", "-1000", "132,163720091018", "991,227900682635", "99,1227900682635", "1", "-0,3"}});
}

TEST(BrokenTendon, WorkedExampleFromTheAxis)
{
    const Quantity q(triangleLine());
    TextTable table;
    const auto effect = q.effect(
        TendonType::Broken, tendonStore({{"2", "0", "-1000"}, {"5", "0,5", "-1000"}, {"8", "0", "-1000"}}), table);
    EXPECT_NEAR(static_cast<double>(*effect), -493.1970, 5e-5);
    // All moments vanish, so the effect is V(1) + 2,5·V(2) + V(3) from the re-read texts.
    const long double v1 = toNumber("164,398987305357", ',');
    const long double v2 = toNumber("-328,797974610715", ',');
    EXPECT_EQ(*effect, (0.0L + v1) + v2 * 2.5L + v1);
    expectTable(table, {{"1", "2", "0", "-1000", "164,398987305357", "-986,393923832144", "0", "1", "0,3"},
                        {"2", "5", "0,5", "-1000", "-328,797974610715", "0", "0", "2,5", "0"},
                        {"3", "8", "0", "-1000", "164,398987305357", "986,393923832144", "0", "1", "-0,3"}});
}

TEST(BrokenTendon, EachPointTakesTheForcesOfItsOwnSegments)
{
    // Level segments: H is the force, V vanishes. Interior points carry the
    // difference of the starting and the ending segment's force; the last row
    // repeats the last segment's force as the store writes it.
    const Quantity q(stationTable({{"0", "1"}, {"10", "1"}}));
    TextTable table;
    q.effect(TendonType::Broken,
             tendonStore({{"0", "0,1", "-800"}, {"2", "0,1", "-700"}, {"4", "0,1", "-600"}, {"6", "0,1", "-600"}}),
             table);
    EXPECT_EQ(table.cell(1, 5), "-800");
    EXPECT_EQ(table.cell(2, 5), "100");
    EXPECT_EQ(table.cell(3, 5), "100");
    EXPECT_EQ(table.cell(4, 5), "600");
    EXPECT_EQ(table.cell(3, 6), "10");
    for (int r = 1; r <= 4; ++r) {
        EXPECT_EQ(table.cell(r, 4), "0") << r;
        EXPECT_EQ(table.cell(r, 0), std::to_string(r));
    }
}

TEST(BrokenTendon, AFallingSegmentHasANegativeAngle)
{
    // Down by 3 over a run of 4: sin α = -0,6, cos α = 0,8; compression -1000
    // pushes the first anchorage up (V > 0) and the second down.
    const Quantity q(stationTable({{"0", "0"}, {"4", "0"}}));
    TextTable table;
    q.effect(TendonType::Broken, tendonStore({{"0", "0", "-1000"}, {"4", "3", "-1000"}}), table);
    EXPECT_EQ(table.cell(1, 4), "600");
    EXPECT_EQ(table.cell(1, 5), "-800");
    EXPECT_EQ(table.cell(2, 4), "-600");
    EXPECT_EQ(table.cell(2, 5), "800");
    EXPECT_EQ(table.cell(2, 6), "2400");
}

TEST(BrokenTendon, AVerticalSegmentActsWhollyVertically)
{
    const Quantity q(triangleLine());
    TextTable table;
    const auto effect = q.effect(TendonType::Broken,
                                 tendonStore({{"5", "0,5", "-1000"}, {"5", "-0,5", "-1000"}}), table);
    EXPECT_EQ(table.cell(1, 4), "-1000");
    EXPECT_EQ(table.cell(2, 4), "1000");
    // cos(π/2) is not exactly zero in extended precision: a tiny horizontal force remains.
    EXPECT_LT(std::abs(toNumber(table.cell(1, 5), ',')), 1e-15L);
    // Both points stand at the influence line's peak (the left value of row 2).
    EXPECT_EQ(table.cell(1, 7), "2,5");
    EXPECT_NEAR(static_cast<double>(*effect), 0.0, 1e-9);
}

TEST(BrokenTendon, BeforeTheFirstStationAndAtAJump)
{
    const Quantity q(stationTable({{"1", "3"}, {"5", "0,5"}, {"5", "-0,5"}, {"10", "0"}}));
    TextTable table;
    q.effect(TendonType::Broken, tendonStore({{"0", "0", "-1"}, {"5", "0", "-1"}}), table);
    EXPECT_EQ(table.cell(1, 7), "3");
    EXPECT_EQ(table.cell(1, 8), q.slopes.cell(1, 1));
    EXPECT_EQ(table.cell(2, 7), "0,5");
    EXPECT_EQ(table.cell(2, 8), q.slopes.cell(2, 1));
}

TEST(TendonFailures, ATendonPastTheLastStationEndsWithTheEmptyCellsError)
{
    const Quantity q(triangleLine());
    TextTable table(5, 9);
    table.setCell(3, 7, "old");
    const TextTable store = tendonStore({{"2", "0", "-1"}, {"6", "0", "-1"}, {"10,5", "0", "-1"}});
    EXPECT_EQ(errorOf(q, TendonType::Broken, store, table), "'' is not a valid floating point value");
    // Ordinates are looked up point by point: the first two are written.
    EXPECT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.cell(1, 7), "1");
    EXPECT_EQ(table.cell(2, 7), "2");
    EXPECT_EQ(table.cell(3, 7), "old");
    EXPECT_EQ(table.cell(1, 0), "");  // point columns come after the lookups

    TextTable straight;
    EXPECT_EQ(errorOf(q, TendonType::Straight, tendonStore({{"0", "0", "-1"}, {"11", "0", "-1"}}), straight),
              "'' is not a valid floating point value");
}

TEST(TendonFailures, TextsThatAreNoNumbersAreNamed)
{
    const Quantity q(triangleLine());
    TextTable table;
    EXPECT_EQ(errorOf(q, TendonType::Broken, tendonStore({{"1", "0", "-1"}, {"2", "e", "-1"}}), table),
              "'e' is not a valid floating point value");
    EXPECT_EQ(table.cell(2, 2), "e");  // copied before the angles are formed

    EXPECT_EQ(errorOf(q, TendonType::Broken, tendonStore({{"1", "0", "-1"}, {"2", "0", "-1"}, {"3", "0", "N"}}), table),
              "'N' is not a valid floating point value");
    EXPECT_EQ(table.cell(2, 5), "0");  // the interior point was finished before the last one failed
    EXPECT_EQ(table.cell(3, 5), "");

    EXPECT_EQ(errorOf(q, TendonType::Straight, tendonStore({{"1", "0", "-1"}, {"2", "0", ""}}), table),
              "'' is not a valid floating point value");
    EXPECT_EQ(table.cell(1, 6), "0");  // 0·(-1) is a negative zero, written "0"
}

TEST(TendonFailures, ABrokenTendonOfOnePointFailsOnItsMissingNeighbour)
{
    const Quantity q(triangleLine());
    TextTable table;
    EXPECT_EQ(errorOf(q, TendonType::Broken, tendonStore({{"1", "0", "-1"}}), table),
              "'' is not a valid floating point value");
}

TEST(TendonFailures, AnOverflowIsNeverShownAsAValue)
{
    const Quantity q(triangleLine());
    TextTable table;
    EXPECT_EQ(errorOf(q, TendonType::Broken, tendonStore({{"1", "1E4000", "-1E4000"}, {"2", "1E4000", "-1E4000"}}), table),
              "Floating point overflow");
    EXPECT_EQ(table.cell(1, 5), "-1E4000");
    EXPECT_EQ(table.cell(1, 6), "");
}

TEST(TendonLoadsCarriedOver, GiveTheTablesOfAFreshComputation)
{
    // One tendon on three lines, its loads formed on the first and copied into
    // the others: every table and effect equals its own fresh computation.
    const TextTable store = tendonStore({{"0,5", "0,05", "-900"}, {"3,25", "0,2", "-850"}, {"6", "-0,1", "-800"},
                                         {"6", "0,1", "-750"}, {"9,75", "0", "-750"}});
    const Quantity lines[] = {Quantity(triangleLine()),
                              Quantity(stationTable({{"0", "0"}, {"2", "-1"}, {"2", "1"}, {"10", "0,3"}})),
                              Quantity(stationTable({{"0", "1,5"}, {"4", "0,25"}, {"10", "7"}}))};
    TendonLoads loads;
    TextTable tables[3];
    for (int k = 0; k < 3; ++k) {
        const Quantity& q = lines[k];
        TextTable fresh;
        const auto withLoads = tendonEffect(TendonType::Broken, store, q.lineIndex, q.slopeIndex, tables[k], ',', loads);
        const auto alone = q.effect(TendonType::Broken, store, fresh);
        EXPECT_EQ(*withLoads, *alone) << k;
        EXPECT_TRUE(tables[k] == fresh) << k;
        EXPECT_EQ(loads.table, &tables[0]);  // the loads stay with the table they were formed in
    }
}

TEST(TendonFailures, AnOverflowingContributionLeavesTheLaterMomentsUnwritten)
{
    const TextTable store = tendonStore({{"2", "0,1", "-1000"}, {"5", "0,5", "-1000"}, {"8", "0,1", "-1000"}});
    const Quantity first(triangleLine());
    const Quantity huge(stationTable({{"0", "1E4930"}, {"10", "1E4930"}}));  // V(1)·η(1) overflows
    TendonLoads loads;
    TextTable t1, t2, t3;
    ASSERT_TRUE(tendonEffect(TendonType::Broken, store, first.lineIndex, first.slopeIndex, t1, ',', loads));
    for (TendonLoads* l : {&loads, static_cast<TendonLoads*>(nullptr)}) {
        TendonLoads none;
        TextTable& t = l ? t2 : t3;
        try {
            tendonEffect(TendonType::Broken, store, huge.lineIndex, huge.slopeIndex, t, ',', l ? *l : none);
            ADD_FAILURE() << "no error";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Floating point overflow");
        }
        EXPECT_EQ(t.cell(1, 6), "-99,1227900682635");
        EXPECT_EQ(t.cell(2, 6), "");
        EXPECT_EQ(t.cell(3, 5), "991,227900682635");
    }
}

TEST(TendonEffect, OtherTypesComputeNothing)
{
    const Quantity q(triangleLine());
    TextTable table(5, 9);
    table.setCell(1, 1, "kept");
    const TextTable before = table;
    for (TendonType t : {TendonType::SimpleParabolic, TendonType::CompositeParabolic, TendonType::Combined, TendonType::None})
        EXPECT_FALSE(q.effect(t, tendonStore({{"0", "0", "-1"}, {"1", "0", "-1"}}), table));
    EXPECT_EQ(table, before);
}

}  // namespace
