#include "model/chart_series.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace kvor;

TEST(SlotColour, FollowsTheSlotOrder)
{
    EXPECT_EQ(slotColour(0), ChartColour::Red);
    EXPECT_EQ(slotColour(1), ChartColour::Blue);
    EXPECT_EQ(slotColour(2), ChartColour::Green);
    EXPECT_EQ(slotColour(3), ChartColour::Maroon);
    EXPECT_EQ(slotColour(4), ChartColour::Black);
}

struct RangesCase {
    const char* label;
    std::vector<ChartSeries> series;
    ChartRanges expected;
};

// Shown by its name in the test list and in failures.
void PrintTo(const RangesCase& c, std::ostream* out) { *out << c.label; }

class ChartScaling : public ::testing::TestWithParam<RangesCase> {};

TEST_P(ChartScaling, HoldsEveryPoint)
{
    EXPECT_EQ(chartRanges(GetParam().series), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChartScaling,
    ::testing::Values(
        RangesCase{"noPoints", {}, {{0.0L, 1.0L}, {0.0L, 1.0L}}},
        RangesCase{"acrossSeries",
                   {{"a", ChartColour::Red, {{2.0L, 1.0L}, {5.0L, -3.0L}}},
                    {"b", ChartColour::Black, {{0.0L, 0.0L}, {20.0L, 0.5L}}}},
                   {{0.0L, 20.0L}, {-3.0L, 1.0L}}},
        // A beam axis alone: y is flat and is widened to both sides.
        RangesCase{"flatAxis", {{"beamAxis", ChartColour::Black, {{0.0L, 0.0L}, {20.0L, 0.0L}}}},
                   {{0.0L, 20.0L}, {-1.0L, 1.0L}}},
        RangesCase{"singlePoint", {{"a", ChartColour::Red, {{3.0L, 2.0L}}}}, {{2.0L, 4.0L}, {1.0L, 3.0L}}},
        RangesCase{"emptySeriesIgnored",
                   {{"a", ChartColour::Red, {}}, {"b", ChartColour::Red, {{-1.0L, -2.0L}, {1.0L, 2.0L}}}},
                   {{-1.0L, 1.0L}, {-2.0L, 2.0L}}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(StructureMissingReport, GoesToTheLengthFieldOrTheMemberTable)
{
    BeamModel beam;
    EXPECT_EQ(structureMissingReport(beam), (Report{"Zadejte tvar konstrukce", Beep::None, Field::BeamLength, Page::Structure}));
    beam.kind = BeamKind::Continuous;
    EXPECT_EQ(structureMissingReport(beam).focus, Field::MemberLengths);
    EXPECT_EQ(static_cast<int>(Page::Structure), 1);  // the second part of the input
}

// A long line drawn in few columns keeps its ends, every peak and at most
// four points per column, in the line's order.
TEST(PointsForColumns, KeepEndsAndPeaksWithinFourPointsPerColumn)
{
    std::vector<ChartPoint> line;
    const int n = 32750;
    for (int i = 0; i < n; ++i)
        line.push_back({i * 0.01L, std::sin(i * 0.001L)});
    line[12345].y = 7.5L;   // a spike one point wide, up
    line[20000].y = -3.0L;  // and one down
    const int columns = 720;
    const std::vector<ChartPoint> kept = pointsForColumns(line, columns);
    EXPECT_LE(kept.size(), 4u * columns);
    EXPECT_GE(kept.size(), 2u * columns);
    EXPECT_EQ(kept.front(), line.front());
    EXPECT_EQ(kept.back(), line.back());
    EXPECT_NE(std::find(kept.begin(), kept.end(), line[12345]), kept.end());
    EXPECT_NE(std::find(kept.begin(), kept.end(), line[20000]), kept.end());
    EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end(), [](const ChartPoint& a, const ChartPoint& b) { return a.x < b.x; }));

    // Short lines, and lines of one station (a vertical stroke), as they are or by their extremes.
    const std::vector<ChartPoint> few = {{0, 0}, {1, 2}, {2, 0}};
    EXPECT_EQ(pointsForColumns(few, 1), few);
    std::vector<ChartPoint> stroke;
    for (int i = 0; i < 100; ++i)
        stroke.push_back({5, static_cast<long double>(i % 7)});
    EXPECT_EQ(pointsForColumns(stroke, 10), (std::vector<ChartPoint>{{5, 0}, {5, 6}, {5, 1}}));
}
