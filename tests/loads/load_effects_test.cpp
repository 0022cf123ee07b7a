// The loads' effects through influence lines, against the closed forms of
// simple and continuous beams, and the moving group against its definition.

#include "loads/project_loads.h"
#include "model/numbers.h"
#include "support/project_builders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace kvor::testing {
namespace {

constexpr char kSep = ',';

LoadEffects effectsOf(const Project& p, int slot)
{
    for (const QuantityLoadEffects& q : projectLoadEffects(p, kSep))
        if (q.slot == slot)
            return q.effects;
    ADD_FAILURE() << "slot " << slot + 1 << " has no effects";
    return {};
}

Project simpleBeam(std::string_view length)
{
    Project p;
    p.beam.length = length;
    setRectangleSection(p, "0,4", "1");
    return p;
}

Project twoSpans(std::string_view span)
{
    Project p;
    setContinuousBeam(p.beam, {span, span});
    setRectangleSection(p, "0,4", "1");
    return p;
}

void expectPlacement(const std::optional<GroupPlacement>& t, long double value, long double position, int direction)
{
    ASSERT_TRUE(t);
    EXPECT_NEAR(static_cast<double>(t->value), static_cast<double>(value), 1e-9 * std::fabs(static_cast<double>(value)));
    EXPECT_NEAR(static_cast<double>(t->position), static_cast<double>(position), 1e-12);
    EXPECT_EQ(t->direction, direction);
}

// A simple beam's midspan moment line is the triangle of height L/4: every
// uniform load's effect is g·L²/8 exactly.
TEST(LoadEffects, SimpleBeamMidspanMomentUnderUniformLoads)
{
    Project p = simpleBeam("10");
    storeGenerated(p, 0, "Ohybový moment", {"5", "0,1", ""});
    setLoads(p, "12", "3", "4", {}, kSep);
    const LoadEffects e = effectsOf(p, 0);
    EXPECT_NEAR(static_cast<double>(e.selfWeight), 12 * 100 / 8.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(e.permanent), 3 * 100 / 8.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(e.variablePlus), 4 * 100 / 8.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(e.variableMinus), 0, 1e-12);
    EXPECT_FALSE(e.groupPlus);
    EXPECT_FALSE(e.groupMinus);
}

// Two equal axles F at a on a simple beam of span L: the largest moment of
// the beam stands under the axle at X = L/2 − a/4 (midspan halves the distance
// between it and the resultant): F·(L − a/2)²/(2L), the other axle following.
struct TwoAxleCase {
    const char* span;
    const char* spacing;
    const char* force;
    const char* station;  // L/2 − a/4
    double largest;
};

class TwoAxleGroup : public ::testing::TestWithParam<TwoAxleCase> {};

TEST_P(TwoAxleGroup, GivesTheLargestMomentOfTheBeam)
{
    const TwoAxleCase& c = GetParam();
    Project p = simpleBeam(c.span);
    storeGenerated(p, 0, "Ohybový moment", {c.station, "0,1", ""});
    setLoads(p, "", "", "", {{c.force, "0"}, {c.force, c.spacing}}, kSep);
    const LoadEffects e = effectsOf(p, 0);
    expectPlacement(e.groupPlus, c.largest, toNumber(c.station, kSep), 1);
    // The line is nowhere negative: the least the group can do is nothing.
    ASSERT_TRUE(e.groupMinus);
    EXPECT_EQ(e.groupMinus->value, 0);
}

INSTANTIATE_TEST_SUITE_P(ClosedForm, TwoAxleGroup,
                         ::testing::Values(TwoAxleCase{"10", "1,2", "300", "4,7", 300 * 9.4 * 9.4 / 20},
                                           TwoAxleCase{"24", "4", "150", "11", 150 * 22.0 * 22.0 / 48}));

// Two equal spans L under q: the inner support's moment with both spans
// loaded is −q·L²/8, all of it adverse for Q−; the first span's midspan
// moment is 3q·L²/32 with its own span loaded, −q·L²/32 with the other. The
// generated line is exact at its stations and straight between them, so it
// misses the cubic spans by the trapezoid rule's h²/12 of the slope change.
TEST(LoadEffects, TwoEqualSpansUnderUniformLoad)
{
    Project p = twoSpans("10");
    storeGenerated(p, 0, "Ohybový moment", {"10", "0,01", ""});
    storeGenerated(p, 1, "Ohybový moment", {"5", "0,01", ""});
    setLoads(p, "8", "", "8", {}, kSep);
    const double tolerance = 8 * 0.01 * 0.01 / 12 * 2;
    const LoadEffects support = effectsOf(p, 0);
    EXPECT_NEAR(static_cast<double>(support.variableMinus), -100, tolerance);
    EXPECT_NEAR(static_cast<double>(support.variablePlus), 0, 1e-12);
    EXPECT_NEAR(static_cast<double>(support.selfWeight), -100, tolerance);
    const LoadEffects midspan = effectsOf(p, 1);
    EXPECT_NEAR(static_cast<double>(midspan.variablePlus), 75, tolerance);
    EXPECT_NEAR(static_cast<double>(midspan.variableMinus), -25, tolerance);
}

// One axle F: T+ = F·max η and T− = F·min η over the rows (and the 0 beyond
// the line's ends), standing on a row of that ordinate.
struct SingleAxleCase {
    const char* kind;
    const char* station;
    int spans;
};

class SingleAxle : public ::testing::TestWithParam<SingleAxleCase> {};

TEST_P(SingleAxle, GivesTheForceTimesTheExtremeOrdinate)
{
    const SingleAxleCase& c = GetParam();
    Project p = c.spans == 1 ? simpleBeam("10") : twoSpans("10");
    storeGenerated(p, 0, c.kind, {c.station, "0,5", ""});
    setLoads(p, "", "", "", {{"100", "0"}}, kSep);
    const LinePoints line = slotLinePoints(p.quantities[0], kSep);
    const auto [low, high] = std::minmax_element(line.ordinates.begin(), line.ordinates.end());
    const LoadEffects e = effectsOf(p, 0);
    ASSERT_TRUE(e.groupPlus && e.groupMinus);
    EXPECT_NEAR(static_cast<double>(e.groupPlus->value), static_cast<double>(100 * std::max(*high, 0.0L)), 1e-12);
    EXPECT_NEAR(static_cast<double>(e.groupMinus->value), static_cast<double>(100 * std::min(*low, 0.0L)), 1e-12);
    for (const GroupPlacement& t : {*e.groupPlus, *e.groupMinus}) {
        bool onARow = false;
        for (size_t i = 0; i < line.stations.size(); ++i)
            onARow = onARow || (line.stations[i] == t.position && std::fabs(100 * line.ordinates[i] - t.value) < 1e-12);
        EXPECT_TRUE(onARow || t.value == 0) << "T = " << static_cast<double>(t.value) << " at "
                                            << static_cast<double>(t.position);
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, SingleAxle,
                         ::testing::Values(SingleAxleCase{"Ohybový moment", "3", 1},
                                           SingleAxleCase{"Ohybový moment", "5", 2},
                                           SingleAxleCase{"Reakce", "0", 1},
                                           SingleAxleCase{"Reakce", "10", 2},
                                           SingleAxleCase{"Posouvající síla", "4", 2}));

// A simple beam's shear at X = 4 jumps from −0,4 to +0,6: an axle on the jump
// takes the side adverse for each extreme.
struct JumpCase {
    std::vector<std::pair<std::string_view, std::string_view>> axles;
    double plus, plusAt;
    double minus, minusAt;
};

class ShearJump : public ::testing::TestWithParam<JumpCase> {};

TEST_P(ShearJump, TakesTheAdverseSide)
{
    const JumpCase& c = GetParam();
    Project p = simpleBeam("10");
    storeLine(p, 0, "Posouvající síla", "", {{"0", "0"}, {"4", "-0,4"}, {"4", "0,6"}, {"10", "0"}}, kSep);
    setLoads(p, "", "", "", {}, kSep);
    setAxleCount(p.loads, static_cast<int>(c.axles.size()));
    for (size_t i = 0; i < c.axles.size(); ++i)
        p.loads.axles.setRow(static_cast<int>(i) + 1, {c.axles[i].first, c.axles[i].second});
    const LoadEffects e = effectsOf(p, 0);
    expectPlacement(e.groupPlus, c.plus, c.plusAt, 1);
    expectPlacement(e.groupMinus, c.minus, c.minusAt, 1);
}

// The tandem: 300·(0,6 + 0,48) with the second axle following at 5,2; the
// least 300·(−0,28 − 0,4) with the first axle at 2,8 and the second on the
// jump (the same value the other way round comes later and is not taken).
INSTANTIATE_TEST_SUITE_P(Groups, ShearJump,
                         ::testing::Values(JumpCase{{{"100", "0"}}, 60, 4, -40, 4},
                                           JumpCase{{{"300", "0"}, {"300", "1,2"}}, 324, 4, -204, 2.8}));

// Q+ and Q− split a piece where it crosses zero; R cuts a line that reaches
// past the beam, and a jump has no width.
TEST(LoadEffects, IntegralsSplitAtZeroAndStayOnTheBeam)
{
    struct Case {
        LinePoints line;
        long double length;
        long double whole, positive, negative;
    };
    const Case cases[] = {
        {{{0, 4}, {1, -3}}, 4, -4, 0.5L, -4.5L},
        {{{0, 4}, {1, -3}}, 2, 0, 0.5L, -0.5L},
        {{{0, 2, 2, 4}, {0, -1, 1, 0}}, 4, 0, 1, -1},
        {{{-2, 2}, {2, 2}}, 4, 4, 4, 0},
    };
    for (const Case& c : cases) {
        const LineIntegrals i = lineIntegrals(c.line, c.length);
        EXPECT_EQ(i.whole, c.whole);
        EXPECT_EQ(i.positive, c.positive);
        EXPECT_EQ(i.negative, c.negative);
    }
}

// The definition itself: f(p) = Σ F_i·η(p + d·a_i) at every candidate, each
// axle on a station taking its adverse side, evaluated axle by axle.
long double envelopeAt(const LinePoints& line, long double x, bool highest)
{
    const auto& s = line.stations;
    const auto& v = line.ordinates;
    if (x < s.front() - 1e-12L || x > s.back() + 1e-12L)
        return 0;
    long double best = highest ? -INFINITY : INFINITY;
    bool onStation = false;
    for (size_t i = 0; i < s.size(); ++i)
        if (std::fabs(s[i] - x) < 1e-12L) {
            onStation = true;
            best = highest ? std::max(best, v[i]) : std::min(best, v[i]);
        }
    if (onStation) {
        if (std::fabs(x - s.front()) < 1e-12L || std::fabs(x - s.back()) < 1e-12L)
            best = highest ? std::max(best, 0.0L) : std::min(best, 0.0L);
        return best;
    }
    const size_t j = static_cast<size_t>(std::upper_bound(s.begin(), s.end(), x) - s.begin());
    return v[j - 1] + (v[j] - v[j - 1]) / (s[j] - s[j - 1]) * (x - s[j - 1]);
}

GroupExtremes byDefinition(const LinePoints& line, const AxleGroup& group)
{
    GroupExtremes best{{-INFINITY, 0, 1}, {INFINITY, 0, 1}};
    for (int d : {1, -1})
        for (long double x : line.stations)
            for (long double a : group.distances) {
                const long double p = x - d * a;
                long double high = 0, low = 0;
                for (size_t i = 0; i < group.forces.size(); ++i) {
                    high += group.forces[i] * envelopeAt(line, p + d * group.distances[i], true);
                    low += group.forces[i] * envelopeAt(line, p + d * group.distances[i], false);
                }
                best.plus.value = std::max(best.plus.value, high);
                best.minus.value = std::min(best.minus.value, low);
            }
    return best;
}

// Lines with jumps and sign changes on a grid, where many axles meet
// stations at once, against the definition at the candidates; no position
// sampled between them does better.
TEST(LoadEffects, MovingGroupEqualsItsDefinition)
{
    std::mt19937 random(25);
    std::uniform_int_distribution<int> ordinate(-20, 20), step(1, 3), force(1, 9);
    for (int trial = 0; trial < 40; ++trial) {
        LinePoints line;
        int at = 0;
        for (int i = 0; i < 30; ++i) {
            at += step(random) * (i % 3 == 1 ? 0 : 1);  // every third row a jump
            line.stations.push_back(at * 0.1L);
            line.ordinates.push_back(ordinate(random) / 10.0L);
        }
        AxleGroup group;
        long double a = 0;
        for (int i = 0; i < 1 + trial % 5; ++i) {
            group.forces.push_back(force(random));
            group.distances.push_back(a);
            a += step(random) * 0.1L;
        }
        const long double length = line.stations.back();
        const GroupExtremes swept = groupExtremes(line, length, group);
        const GroupExtremes expected = byDefinition(line, group);
        EXPECT_NEAR(static_cast<double>(swept.plus.value), static_cast<double>(expected.plus.value), 1e-12) << trial;
        EXPECT_NEAR(static_cast<double>(swept.minus.value), static_cast<double>(expected.minus.value), 1e-12) << trial;
        // No position between the candidates does better.
        for (int d : {1, -1})
            for (long double p = -a - 1; p < length + 1; p += 0.0137L) {
                long double value = 0;
                for (size_t i = 0; i < group.forces.size(); ++i)
                    value += group.forces[i] * envelopeAt(line, p + d * group.distances[i], true);
                EXPECT_LE(static_cast<double>(value), static_cast<double>(swept.plus.value) + 1e-12) << trial;
                EXPECT_GE(static_cast<double>(value), static_cast<double>(swept.minus.value) - 1e-12) << trial;
            }
        // The reported placements give the reported values.
        for (const auto& [t, highest] : {std::pair{swept.plus, true}, std::pair{swept.minus, false}}) {
            long double value = 0;
            for (size_t i = 0; i < group.forces.size(); ++i)
                value += group.forces[i] * envelopeAt(line, t.position + t.direction * group.distances[i], highest);
            EXPECT_NEAR(static_cast<double>(value), static_cast<double>(t.value), 1e-12) << trial;
        }
    }
}

}  // namespace
}  // namespace kvor::testing
