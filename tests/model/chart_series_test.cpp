#include "model/chart_series.h"

#include <gtest/gtest.h>

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
