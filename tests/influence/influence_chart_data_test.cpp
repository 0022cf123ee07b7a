#include "influence/influence_chart_data.h"
#include "model/error.h"
#include "model/slots.h"
#include "structure/beam.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

using namespace kvor;

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

void storeAndChoose(QuantitySlot& slot, const Rows& rows)
{
    TextTable entry(static_cast<int>(rows.size()) + 1, 2);
    for (int r = 1; r <= static_cast<int>(rows.size()); ++r)
        entry.setRow(r, {rows[r - 1].first, rows[r - 1].second});
    slot.shown = true;
    storeInfluenceLine(slot, entry, EntryMode::Manual, "");
    slot.draw = true;
}

Project simpleBeam(const char* length)
{
    Project project;
    project.beam.length = length;
    return project;
}

ChartDrawing draw(const Project& project)
{
    ChartDrawing drawing;
    buildInfluenceChart(project, ',', drawing);
    return drawing;
}

std::vector<std::string> namesOf(const ChartDrawing& drawing)
{
    std::vector<std::string> names;
    for (const ChartSeries& s : drawing.series)
        names.push_back(s.name);
    return names;
}

const Rows kLine = {{"0", "0"}, {"5", "1,25"}, {"20", "-0,5"}};

}  // namespace

TEST(InfluenceChart, OnlySlotTwoChosenGivesOneBlueLineAndTheBlackAxisToTheTotalLength)
{
    Project project = simpleBeam("20");
    storeAndChoose(project.quantities[1], kLine);

    const ChartDrawing drawing = draw(project);

    EXPECT_FALSE(drawing.nothingChosen);
    EXPECT_EQ(drawing.report, std::nullopt);
    ASSERT_EQ(namesOf(drawing), (std::vector<std::string>{"quantity2", "beamAxis"}));
    EXPECT_EQ(drawing.series[0].colour, ChartColour::Blue);
    EXPECT_EQ(drawing.series[0].points,
              (std::vector<ChartPoint>{{0.0L, 0.0L}, {5.0L, 1.25L}, {20.0L, -0.5L}}));
    EXPECT_EQ(drawing.series[1].colour, ChartColour::Black);
    EXPECT_EQ(drawing.series[1].points, (std::vector<ChartPoint>{{0.0L, 0.0L}, {20.0L, 0.0L}}));
}

TEST(InfluenceChart, AllFiveChosenAreDrawnInTheSlotColoursWithTheAxisOnTop)
{
    Project project = simpleBeam("20");
    for (int q = 0; q < kSlotCount; ++q)
        storeAndChoose(project.quantities[q], kLine);

    const ChartDrawing drawing = draw(project);

    ASSERT_EQ(namesOf(drawing), (std::vector<std::string>{"quantity1", "quantity2", "quantity3", "quantity4",
                                                          "quantity5", "beamAxis"}));
    const ChartColour expected[] = {ChartColour::Red, ChartColour::Blue, ChartColour::Green, ChartColour::Maroon,
                                    ChartColour::Black, ChartColour::Black};
    for (size_t i = 0; i < drawing.series.size(); ++i)
        EXPECT_EQ(drawing.series[i].colour, expected[i]) << drawing.series[i].name;
}

TEST(InfluenceChart, TheOrdinatesUnitIsTheKindsPerKilonewtonWhileTheLinesAgree)
{
    Project project = simpleBeam("20");
    const struct {
        std::vector<const char*> kinds;
        const char* unit;
    } cases[] = {{{"Ohybový moment"}, "m"},           {{"Reakce", "Posouvající síla"}, "kN/kN"},
                 {{"Průhyb"}, "m/kN"},                 {{"Pootočení", "Pootočení"}, "rad/kN"},
                 {{"Ohybový moment", "Průhyb"}, ""},  {{"Reakce", "xyz", "Reakce"}, ""}};
    for (const auto& c : cases) {
        Project p = project;
        for (size_t q = 0; q < c.kinds.size(); ++q) {
            storeAndChoose(p.quantities[q], kLine);
            p.quantities[q].kindText = c.kinds[q];
        }
        EXPECT_EQ(draw(p).valueUnit, c.unit) << c.kinds.front();
    }
}

TEST(InfluenceChart, ALaterDrawingShowsOnlyTheLinesChosenThen)
{
    Project project = simpleBeam("20");
    storeAndChoose(project.quantities[0], kLine);
    storeAndChoose(project.quantities[2], kLine);
    ChartDrawing drawing;
    buildInfluenceChart(project, ',', drawing);
    ASSERT_NE(drawing.find("quantity1"), nullptr);

    project.quantities[0].draw = false;
    buildInfluenceChart(project, ',', drawing);

    EXPECT_EQ(namesOf(drawing), (std::vector<std::string>{"quantity3", "beamAxis"}));
}

TEST(InfluenceChart, NoDrawFlagCheckedAsksForTheWarningPanelAndDrawsNothing)
{
    Project project = simpleBeam("20");
    storeAndChoose(project.quantities[0], kLine);
    project.quantities[0].draw = false;

    const ChartDrawing drawing = draw(project);

    EXPECT_TRUE(drawing.nothingChosen);
    EXPECT_TRUE(drawing.series.empty());
    EXPECT_EQ(drawing.report, std::nullopt);
}

TEST(InfluenceChart, AChosenLineThatWasNeverStoredIsSkippedWithoutAMessage)
{
    Project project = simpleBeam("20");
    project.quantities[0].draw = true;  // chosen, never stored
    storeAndChoose(project.quantities[1], kLine);

    const ChartDrawing drawing = draw(project);

    EXPECT_FALSE(drawing.nothingChosen);
    EXPECT_EQ(drawing.report, std::nullopt);
    EXPECT_EQ(namesOf(drawing), (std::vector<std::string>{"quantity2", "beamAxis"}));
}

TEST(InfluenceChart, PointsKeepTheStoreTableOrder)
{
    Project project = simpleBeam("20");
    storeAndChoose(project.quantities[0], {{"10", "1"}, {"0", "0"}, {"10", "-1"}});

    const ChartDrawing drawing = draw(project);

    EXPECT_EQ(drawing.series[0].points,
              (std::vector<ChartPoint>{{10.0L, 1.0L}, {0.0L, 0.0L}, {10.0L, -1.0L}}));
}

TEST(InfluenceChart, ContinuousBeamAxisRunsToTheSumOfTheMembers)
{
    Project project;
    project.beam.kind = BeamKind::Continuous;
    project.beam.members.setCell(1, 1, "10");
    project.beam.members.setCell(2, 1, "12,5");
    storeAndChoose(project.quantities[0], kLine);

    const ChartDrawing drawing = draw(project);

    const ChartSeries* axis = drawing.find("beamAxis");
    ASSERT_NE(axis, nullptr);
    EXPECT_EQ(axis->points, (std::vector<ChartPoint>{{0.0L, 0.0L}, {22.5L, 0.0L}}));
}

struct MissingLengthCase {
    const char* label;
    BeamKind kind;
    Field focus;
};

class InfluenceChartMissingLength : public ::testing::TestWithParam<MissingLengthCase> {};

TEST_P(InfluenceChartMissingLength, KeepsTheLinesLeavesOutTheAxisAndSendsToTheStructurePage)
{
    Project project;
    project.beam.kind = GetParam().kind;
    project.beam.length = "";
    project.beam.members.setCell(2, 1, "12");  // only the first member's length counts
    storeAndChoose(project.quantities[3], kLine);

    const ChartDrawing drawing = draw(project);

    EXPECT_EQ(namesOf(drawing), (std::vector<std::string>{"quantity4"}));
    EXPECT_EQ(drawing.series[0].colour, ChartColour::Maroon);
    EXPECT_EQ(drawing.report, (Report{"Zadejte tvar konstrukce", Beep::None, GetParam().focus, Page::Structure}));
}

INSTANTIATE_TEST_SUITE_P(BothBeamKinds, InfluenceChartMissingLength,
                         ::testing::Values(MissingLengthCase{"simple", BeamKind::Simple, Field::BeamLength},
                                           MissingLengthCase{"continuous", BeamKind::Continuous, Field::MemberLengths}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(InfluenceChart, AStoredTextThatIsNoNumberStopsTheDrawingWhereItFailed)
{
    Project project = simpleBeam("20");
    storeAndChoose(project.quantities[0], kLine);
    storeAndChoose(project.quantities[1], {{"0", "0"}, {"5", "1.5"}, {"20", "0"}});
    storeAndChoose(project.quantities[2], kLine);

    ChartDrawing drawing;
    try {
        buildInfluenceChart(project, ',', drawing);
        FAIL() << "no conversion error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'1.5' is not a valid floating point value");
    }
    // Slot 1 complete, slot 2 up to its faulty row, nothing after it.
    ASSERT_EQ(namesOf(drawing), (std::vector<std::string>{"quantity1", "quantity2"}));
    EXPECT_EQ(drawing.series[0].points.size(), 3u);
    EXPECT_EQ(drawing.series[1].points, (std::vector<ChartPoint>{{0.0L, 0.0L}}));
}

TEST(InfluenceChart, AnEmptyLaterMemberLengthIsAConversionErrorAfterTheLines)
{
    Project project;
    project.beam.kind = BeamKind::Continuous;
    project.beam.members.setCell(1, 1, "10");  // member 2 left empty
    storeAndChoose(project.quantities[0], kLine);

    ChartDrawing drawing;
    EXPECT_THROW(buildInfluenceChart(project, ',', drawing), Error);
    EXPECT_EQ(namesOf(drawing), (std::vector<std::string>{"quantity1"}));
}

TEST(InfluenceChart, TheLargestLineIsTakenWhole)
{
    Project project = simpleBeam("32749");
    Rows rows;
    for (int i = 0; i < 32750; ++i)
        rows.emplace_back(std::to_string(i), i % 2 ? "1" : "-1");
    storeAndChoose(project.quantities[4], rows);

    const ChartDrawing drawing = draw(project);

    ASSERT_EQ(drawing.series[0].points.size(), 32750u);
    EXPECT_EQ(drawing.series[0].points.back(), (ChartPoint{32749.0L, 1.0L}));
}

// A legend tells several lines apart; one line needs none.
TEST(InfluenceChart, SeveralLinesAreLabelledByTheirDescriptionOrElseTheirKind)
{
    Project project = simpleBeam("20");
    storeAndChoose(project.quantities[0], kLine);
    project.quantities[0].kindText = "Ohybový moment";
    project.quantities[0].description = "Moment uprostřed";
    EXPECT_EQ(draw(project).series[0].label, "");

    storeAndChoose(project.quantities[3], kLine);
    project.quantities[3].kindText = "Reakce";
    std::vector<std::string> labels;
    for (const ChartSeries& s : draw(project).series)
        labels.push_back(s.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"Veličina 1: Moment uprostřed", "Veličina 4: Reakce", ""}));
}
