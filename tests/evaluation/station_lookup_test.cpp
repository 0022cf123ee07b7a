#include "evaluation/station_lookup.h"
#include "evaluation_fixtures.h"
#include "model/error.h"
#include "model/numbers.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <variant>
#include <vector>

using namespace kvor;
using kvor::testing::stationTable;

namespace {

// The search as the rule states it: scan from row 1, parsing each station when
// it is reached, stop at the first station >= x; interpolate from the row before.
StationValue literalScan(const TextTable& table, long double x, char sep)
{
    int j = 1;
    while (toNumber(table.cell(j, 0), sep) < x)
        ++j;
    if (j == 1)
        return {toNumber(table.cell(1, 1), sep), 1};
    const long double right = toNumber(table.cell(j, 1), sep);
    const long double left = toNumber(table.cell(j - 1, 1), sep);
    const long double slope = checkedDivide(right - left, toNumber(table.cell(j, 0), sep) - toNumber(table.cell(j - 1, 0), sep));
    return {checkedFinite(checkedFinite(slope * checkedFinite(x - toNumber(table.cell(j - 1, 0), sep))) + left), j};
}

using Outcome = std::variant<StationValue, std::string>;

template <class F>
Outcome outcomeOf(F&& f)
{
    try {
        return f();
    } catch (const Error& e) {
        return std::string(e.what());
    }
}

struct LookupCase {
    const char* name;
    long double x;
    long double value;
    int row;
};

// Shown by its name in the test list and in failures.
void PrintTo(const LookupCase& c, std::ostream* out) { *out << c.name; }

class LookupOnAJump : public ::testing::TestWithParam<LookupCase> {};

TEST_P(LookupOnAJump, FollowsTheScan)
{
    // (0; 0), (5; 0,5), (5; -0,5), (10; 0): a jump at station 5.
    const TextTable t = stationTable({{"0", "0"}, {"5", "0,5"}, {"5", "-0,5"}, {"10", "0"}});
    const StationIndex index(t, ',');
    const LookupCase& c = GetParam();
    const StationValue v = lookupAtStation(index, c.x);
    EXPECT_EQ(v.row, c.row) << c.name;
    EXPECT_EQ(v.value, c.value) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LookupOnAJump,
    ::testing::Values(LookupCase{"before the first station", -3.0L, 0.0L, 1},
                      LookupCase{"at the first station", 0.0L, 0.0L, 1},
                      LookupCase{"interpolated", 2.0L, (0.5L / 5.0L) * 2.0L, 2},
                      // At the jump the search stops at the first row of the pair: the left value.
                      LookupCase{"at the jump", 5.0L, 0.5L, 2},
                      LookupCase{"right of the jump", 7.5L, (0.5L / 5.0L) * 2.5L - 0.5L, 4},
                      LookupCase{"at the last station", 10.0L, 0.0L, 4}));

TEST(Lookup, InterpolatesAsWrittenAtAnExactStation)
{
    // At x = s(2) the chord formula v(1) + (v(2) - v(1)) / (s(2) - s(1)) * (s(2) - s(1))
    // is evaluated, which here misses v(2) = 0,1 in the last bit.
    const TextTable t = stationTable({{"0", "0"}, {"3", "0,1"}});
    const StationValue v = lookupAtStation(StationIndex(t, ','), 3.0L);
    const long double expected = (0.1L / 3.0L) * 3.0L;
    EXPECT_EQ(v.row, 2);
    EXPECT_EQ(v.value, expected);
    EXPECT_NE(v.value, toNumber("0,1", ','));
}

TEST(Lookup, PastTheLastStationIsTheErrorOfAnEmptyCell)
{
    const TextTable t = kvor::testing::triangleLine();
    const StationIndex index(t, ',');
    EXPECT_EQ(std::get<std::string>(outcomeOf([&] { return lookupAtStation(index, 10.0001L); })),
              "'' is not a valid floating point value");
}

TEST(Lookup, AStationThatIsNoNumberFailsOnlyWhenTheScanReachesIt)
{
    const TextTable t = stationTable({{"0", "0"}, {"5", "1"}, {"x5", "2"}, {"10", "0"}});
    const StationIndex index(t, ',');
    EXPECT_EQ(lookupAtStation(index, 4.0L).value, (1.0L / 5.0L) * 4.0L);
    EXPECT_EQ(lookupAtStation(index, 5.0L).value, 1.0L);
    EXPECT_EQ(std::get<std::string>(outcomeOf([&] { return lookupAtStation(index, 5.5L); })),
              "'x5' is not a valid floating point value");
}

TEST(Lookup, AValueThatIsNoNumberFailsWhenItIsUsed)
{
    const TextTable t = stationTable({{"0", "a"}, {"5", "1"}, {"10", "b"}});
    const StationIndex index(t, ',');
    EXPECT_EQ(std::get<std::string>(outcomeOf([&] { return lookupAtStation(index, 0.0L); })),
              "'a' is not a valid floating point value");
    EXPECT_EQ(std::get<std::string>(outcomeOf([&] { return lookupAtStation(index, 7.0L); })),
              "'b' is not a valid floating point value");
}

TEST(Lookup, AnUnsortedColumnStopsWhereTheScanStops)
{
    // The scan stops at the first station >= x, even when a later one is smaller.
    const TextTable t = stationTable({{"0", "0"}, {"8", "8"}, {"2", "2"}, {"10", "10"}});
    const StationIndex index(t, ',');
    EXPECT_EQ(lookupAtStation(index, 3.0L).row, 2);
    EXPECT_EQ(lookupAtStation(index, 9.0L).row, 4);
    // Between rows 3 and 4 the chord runs from (2; 2) to (10; 10).
    EXPECT_EQ(lookupAtStation(index, 9.0L).value, 9.0L);
}

// Random tables against the literal scan: sorted, unsorted, with repeated
// stations and with cells that are no numbers; the same value bit for bit, the
// same stopping row, or the same error text.
TEST(Lookup, MatchesTheLiteralScanOnRandomTables)
{
    std::mt19937 rng(20240611);
    std::uniform_int_distribution<int> size(1, 40);
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_int_distribution<int> small(-50, 150);
    int compared = 0, errors = 0, interpolations = 0;
    for (int round = 0; round < 400; ++round) {
        const int m = size(rng);
        const bool sorted = round % 2 == 0;
        const int badStations = round % 3 == 0 ? 5 : 0;
        TextTable t(m + 1, 2);
        int s = small(rng) / 10;
        for (int r = 1; r <= m; ++r) {
            if (sorted)
                s += percent(rng) < 20 ? 0 : percent(rng) % 7;  // repeats make jumps
            else
                s = small(rng) / 10;
            std::string station = formatNumber(s + (percent(rng) % 4) / 4.0L, ',');
            if (percent(rng) < badStations)
                station = percent(rng) % 2 ? "" : "n/a";
            std::string value = formatNumber(small(rng) / 7.0L, ',');
            if (percent(rng) < 3)
                value = "?";
            t.setRow(r, {station, value});
        }
        const StationIndex index(t, ',');
        // A table with the same stations and other values (as a derivative
        // table and its line): its index takes the stations from this one.
        TextTable other = t;
        for (int r = 1; r <= m; ++r)
            other.setCell(r, 1, percent(rng) < 3 ? "?" : formatNumber(small(rng) / 3.0L, ','));
        const StationIndex otherIndex = index.withValues(other, ',');
        // The same with one-sided values at a few rows, as at a kink.
        std::vector<OneSidedSlope> sides;
        for (int r = 1; r <= m; ++r)
            if (percent(rng) < 15)
                sides.push_back({r, small(rng) / 5.0L, small(rng) / 6.0L});
        const StationIndex sidedIndex = index.withValues(other, ',', sides);
        for (int k = 0; k < 30; ++k) {
            long double x;
            if (k % 3 == 0)  // often exactly a station of the table
                x = parseNumber(t.cell(1 + percent(rng) % m, 0), ',').value_or(1.5L);
            else
                x = small(rng) / 9.0L - 1.0L;
            const Outcome fast = outcomeOf([&] { return lookupAtStation(index, x); });
            const Outcome slow = outcomeOf([&] { return literalScan(t, x, ','); });
            const Outcome otherFast = outcomeOf([&] { return lookupAtStation(otherIndex, x); });
            const Outcome otherSlow = outcomeOf([&] { return literalScan(other, x, ','); });
            ASSERT_EQ(otherFast.index(), otherSlow.index());
            if (otherFast.index() == 0)
                EXPECT_EQ(std::get<0>(otherFast).value, std::get<0>(otherSlow).value) << "round " << round;
            else
                EXPECT_EQ(std::get<1>(otherFast), std::get<1>(otherSlow)) << "round " << round;
            ASSERT_EQ(fast.index(), slow.index()) << "round " << round << " x " << static_cast<double>(x);
            // Where the inline interpolation applies, it is the lookup itself.
            const Outcome sidedFast = outcomeOf([&] { return lookupAtStation(sidedIndex, x); });
            for (const auto& [idx, outcome] :
                 {std::pair{&index, &fast}, std::pair{&otherIndex, &otherFast}, std::pair{&sidedIndex, &sidedFast}}) {
                long double interpolated;
                if (idx->interpolate(x, idx->stoppingRow(x), interpolated)) {
                    ASSERT_EQ(outcome->index(), 0u) << "round " << round;
                    EXPECT_EQ(interpolated, std::get<0>(*outcome).value) << "round " << round;
                    ++interpolations;
                }
            }
            // A starting row anywhere, even past the end, changes nothing.
            const int nearRow = percent(rng) % (m + 3);
            const Outcome hinted = outcomeOf([&] { return lookupAtStation(index, x, nearRow); });
            ASSERT_EQ(hinted.index(), fast.index());
            if (hinted.index() == 0) {
                EXPECT_EQ(std::get<0>(hinted).row, std::get<0>(fast).row) << "round " << round << " near " << nearRow;
            }
            if (fast.index() == 0) {
                EXPECT_EQ(std::get<0>(fast).value, std::get<0>(slow).value) << "round " << round;
                EXPECT_EQ(std::get<0>(fast).row, std::get<0>(slow).row) << "round " << round;
            } else {
                EXPECT_EQ(std::get<1>(fast), std::get<1>(slow)) << "round " << round;
                ++errors;
            }
            ++compared;
        }
    }
    // Both kinds of outcome were exercised.
    EXPECT_GT(errors, 100);
    EXPECT_LT(errors, compared - 1000);
    EXPECT_GT(interpolations, 1000);
}

}  // namespace
