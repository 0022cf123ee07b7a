#include "model/chart_axis.h"

#include <gtest/gtest.h>

using namespace kvor;

namespace {

struct ScaleCase {
    long double min, max;
    int maxTicks;
    long double shownMin, shownMax, step, firstTick;
    int decimals;
    int readOutDecimals;  // a tenth of the step
};

void expectScale(const AxisScale& s, const ScaleCase& c)
{
    EXPECT_NEAR(static_cast<double>(s.min), static_cast<double>(c.shownMin), 1e-12);
    EXPECT_NEAR(static_cast<double>(s.max), static_cast<double>(c.shownMax), 1e-12);
    EXPECT_NEAR(static_cast<double>(s.step), static_cast<double>(c.step), 1e-15);
    EXPECT_NEAR(static_cast<double>(s.firstTick), static_cast<double>(c.firstTick), 1e-12);
    EXPECT_EQ(s.decimals, c.decimals);
    EXPECT_EQ(s.readOutDecimals(), c.readOutDecimals);
    EXPECT_LE(s.tickCount(), c.maxTicks);
}

}  // namespace

TEST(NiceScale, WidensToMultiplesOfOneTwoOrFive)
{
    const ScaleCase cases[] = {
        // A tendon chart that labelled −1,375 and 0,125 before.
        {-1.375L, 0.125L, 6, -1.5L, 0.5L, 0.5L, -1.5L, 1, 2},
        {-1.375L, 0.125L, 9, -1.4L, 0.2L, 0.2L, -1.4L, 1, 2},
        {0, 27, 8, 0, 30, 5, 0, 0, 1},
        {-0.0125L, 0.2625L, 8, -0.05L, 0.3L, 0.05L, -0.05L, 2, 3},
        {0, 1, 6, 0, 1, 0.2L, 0, 1, 2},
        {2.3e-5L, 8.1e-5L, 6, 2e-5L, 1e-4L, 2e-5L, 2e-5L, 5, 6},
        {-350, 1240, 6, -500, 1500, 500, -500, 0, 0},
        {3, 3, 6, 2, 4, 0.5L, 2, 1, 2},  // flat: a unit either side
    };
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<double>(c.min) << ".." << static_cast<double>(c.max));
        expectScale(niceScale(c.min, c.max, c.maxTicks), c);
    }
}

TEST(SpanScale, KeepsTheRangeWithTicksInside)
{
    const ScaleCase cases[] = {
        // A beam of 27 m spans 0..27 with ticks 0, 5, …, 25.
        {0, 27, 8, 0, 27, 5, 0, 0, 1},
        {0, 27.000000000001L, 8, 0, 27.000000000001L, 5, 0, 0, 1},
        {0, 12.6L, 8, 0, 12.6L, 2, 0, 0, 1},
        {3.3L, 4.05L, 8, 3.3L, 4.05L, 0.1L, 3.3L, 1, 2},
        {-0.7L, 0.05L, 6, -0.7L, 0.05L, 0.2L, -0.6L, 1, 2},
    };
    for (const ScaleCase& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<double>(c.min) << ".." << static_cast<double>(c.max));
        expectScale(spanScale(c.min, c.max, c.maxTicks), c);
    }
}

TEST(AxisScaleTicks, AreWholeStepsFromTheFirstWithAnExactZero)
{
    const std::vector<long double> ticks = niceScale(-0.0125L, 0.2625L, 8).ticks();
    ASSERT_EQ(ticks.size(), 8u);
    EXPECT_EQ(ticks[1], 0.0L);
    EXPECT_NEAR(static_cast<double>(ticks[7]), 0.3, 1e-15);
    EXPECT_EQ(spanScale(0, 27, 8).ticks(), (std::vector<long double>{0, 5, 10, 15, 20, 25}));
}
