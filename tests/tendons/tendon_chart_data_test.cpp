#include "model/error.h"
#include "tendons/tendon_chart_data.h"
#include "tendons/tendon_store.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

using namespace kvor;

namespace {

using Points = std::vector<ChartPoint>;

void storeStraight(TendonSlot& slot, StraightTendonInput input)
{
    slot.shown = true;
    ASSERT_EQ(storeTendon(slot, input), std::nullopt);
    slot.draw = true;
}

// Points (station, eccentricity) with every segment at -1000 kN.
void storeBroken(TendonSlot& slot, std::initializer_list<std::pair<const char*, const char*>> points)
{
    const int m = static_cast<int>(points.size());
    TextTable pointTable(m + 1, 2);
    TextTable forceTable(m, 1);
    int r = 1;
    for (const auto& [station, e] : points)
        pointTable.setRow(r++, {station, e});
    for (int s = 1; s < m; ++s)
        forceTable.setCell(s, 0, "-1000");
    slot.shown = true;
    ASSERT_EQ(storeTendon(slot, BrokenTendonInput{pointTable, forceTable}), std::nullopt);
    slot.draw = true;
}

Project withSection(Project project)
{
    project.section.eBottom = "0,3";
    project.section.eTop = "-0,3";
    return project;
}

Project simpleBeam(const char* length)
{
    Project project;
    project.beam.length = length;
    return withSection(std::move(project));
}

Project continuousBeam(std::initializer_list<const char*> lengths)
{
    Project project;
    project.beam.kind = BeamKind::Continuous;
    project.beam.members.resize(static_cast<int>(lengths.size()) + 1, 2);
    int r = 1;
    for (const char* length : lengths)
        project.beam.members.setRow(r, {std::to_string(r), length}), ++r;
    return withSection(std::move(project));
}

ChartDrawing draw(const Project& project)
{
    ChartDrawing drawing;
    buildTendonChart(project, ',', drawing);
    return drawing;
}

std::vector<std::string> namesOf(const ChartDrawing& drawing)
{
    std::vector<std::string> names;
    for (const ChartSeries& s : drawing.series)
        names.push_back(s.name);
    return names;
}

const ChartSeries& series(const ChartDrawing& drawing, const char* name)
{
    const ChartSeries* found = drawing.find(name);
    if (!found)
        throw std::runtime_error(std::string("no series ") + name);
    return *found;
}

}  // namespace

TEST(TendonChart, SimpleBeamWithAStraightTendonDrawsThreeBlackLinesAndARedOne)
{
    Project project = simpleBeam("20");
    storeStraight(project.tendons[0], {"0", "20", "0,15", "-1000"});

    const ChartDrawing drawing = draw(project);

    EXPECT_FALSE(drawing.nothingChosen);
    EXPECT_EQ(drawing.report, std::nullopt);
    ASSERT_EQ(namesOf(drawing), (std::vector<std::string>{"topFibres", "bottomFibres", "neutralAxis", "tendon1"}));
    EXPECT_EQ(series(drawing, "topFibres").points, (Points{{0.0L, -0.3L}, {20.0L, -0.3L}}));
    EXPECT_EQ(series(drawing, "bottomFibres").points, (Points{{0.0L, 0.3L}, {20.0L, 0.3L}}));
    EXPECT_EQ(series(drawing, "neutralAxis").points, (Points{{0.0L, 0.0L}, {20.0L, 0.0L}}));
    EXPECT_EQ(series(drawing, "tendon1").points, (Points{{0.0L, 0.15L}, {20.0L, 0.15L}}));
    for (const ChartSeries& s : drawing.series)
        EXPECT_EQ(s.colour, s.name == "tendon1" ? ChartColour::Red : ChartColour::Black) << s.name;
}

TEST(TendonChart, TwoMemberSupportsRunTopDownAlongTheBottomAndUpAtTheEnd)
{
    Project project = continuousBeam({"10", "12"});
    storeStraight(project.tendons[0], {"0", "22", "0,1", "-1000"});

    const ChartDrawing drawing = draw(project);

    EXPECT_EQ(series(drawing, "supports").points,
              (Points{{0.0L, -0.3L}, {10.0L, -0.3L}, {10.0L, 0.3L}, {22.0L, 0.3L}, {22.0L, -0.3L}}));
    EXPECT_EQ(series(drawing, "supports").colour, ChartColour::Black);
    EXPECT_EQ(series(drawing, "neutralAxis").points, (Points{{0.0L, 0.0L}, {22.0L, 0.0L}}));
    EXPECT_EQ(series(drawing, "topFibres").points, (Points{{0.0L, -0.3L}, {22.0L, -0.3L}}));
}

TEST(TendonChart, ThreeMembersGoBackDownAtTheEndOfTheThird)
{
    Project project = continuousBeam({"10", "12,5", "10"});
    storeStraight(project.tendons[0], {"0", "32,5", "0", "-1000"});

    const ChartDrawing drawing = draw(project);

    EXPECT_EQ(series(drawing, "supports").points,
              (Points{{0.0L, -0.3L}, {10.0L, -0.3L}, {10.0L, 0.3L}, {22.5L, 0.3L}, {22.5L, -0.3L},
                      {32.5L, -0.3L}, {32.5L, 0.3L}}));
    EXPECT_EQ(series(drawing, "bottomFibres").points, (Points{{0.0L, 0.3L}, {32.5L, 0.3L}}));
}

TEST(TendonChart, ASimpleBeamHasNoSupportsSeries)
{
    Project project = simpleBeam("20");
    storeStraight(project.tendons[0], {"0", "20", "0", "-1000"});
    EXPECT_EQ(draw(project).find("supports"), nullptr);
}

TEST(TendonChart, ABrokenTendonInSlotThreeIsAGreenPolygon)
{
    Project project = simpleBeam("20");
    storeBroken(project.tendons[2], {{"0", "0"}, {"10", "0,25"}, {"20", "0"}});

    const ChartDrawing drawing = draw(project);

    EXPECT_EQ(series(drawing, "tendon3").colour, ChartColour::Green);
    EXPECT_EQ(series(drawing, "tendon3").points, (Points{{0.0L, 0.0L}, {10.0L, 0.25L}, {20.0L, 0.0L}}));
}

TEST(TendonChart, TendonsAreDrawnOnTopOfTheOutlineInSlotOrder)
{
    Project project = continuousBeam({"10", "12"});
    storeStraight(project.tendons[4], {"0", "22", "0,2", "-1000"});
    storeStraight(project.tendons[1], {"0", "22", "0,1", "-1000"});
    storeStraight(project.tendons[3], {"0", "22", "-0,1", "-1000"});

    const ChartDrawing drawing = draw(project);

    EXPECT_EQ(namesOf(drawing), (std::vector<std::string>{"supports", "topFibres", "bottomFibres", "neutralAxis",
                                                          "tendon2", "tendon4", "tendon5"}));
    EXPECT_EQ(series(drawing, "tendon2").colour, ChartColour::Blue);
    EXPECT_EQ(series(drawing, "tendon4").colour, ChartColour::Maroon);
    EXPECT_EQ(series(drawing, "tendon5").colour, ChartColour::Black);
}

TEST(TendonChart, NoDrawFlagCheckedAsksForTheWarningPanelAndDrawsNothing)
{
    Project project = simpleBeam("20");
    storeStraight(project.tendons[0], {"0", "20", "0", "-1000"});
    project.tendons[0].draw = false;

    const ChartDrawing drawing = draw(project);

    EXPECT_TRUE(drawing.nothingChosen);
    EXPECT_TRUE(drawing.series.empty());
    EXPECT_EQ(drawing.report, std::nullopt);
}

TEST(TendonChart, ALaterDrawingShowsOnlyTheTendonsChosenThenAndAChosenUnstoredOneIsSkipped)
{
    Project project = simpleBeam("20");
    storeStraight(project.tendons[0], {"0", "20", "0", "-1000"});
    storeStraight(project.tendons[1], {"0", "20", "0,1", "-1000"});
    ChartDrawing drawing;
    buildTendonChart(project, ',', drawing);
    ASSERT_NE(drawing.find("tendon1"), nullptr);

    project.tendons[0].draw = false;
    project.tendons[2].draw = true;  // chosen, never stored
    buildTendonChart(project, ',', drawing);

    EXPECT_EQ(namesOf(drawing), (std::vector<std::string>{"topFibres", "bottomFibres", "neutralAxis", "tendon2"}));
}

struct MissingOutlineCase {
    const char* label;
    BeamKind kind;
    const char* length;       // L, or the first member's length
    const char* eBottom;
    const char* eTop;
    Field focus;
};

class TendonChartMissingOutline : public ::testing::TestWithParam<MissingOutlineCase> {};

TEST_P(TendonChartMissingOutline, KeepsTheTendonsLeavesOutTheOutlineAndSendsToTheStructurePage)
{
    const MissingOutlineCase& c = GetParam();
    Project project = c.kind == BeamKind::Simple ? simpleBeam(c.length) : continuousBeam({c.length, "12"});
    project.section.eBottom = c.eBottom;
    project.section.eTop = c.eTop;
    storeStraight(project.tendons[0], {"0", "20", "0,1", "-1000"});

    const ChartDrawing drawing = draw(project);

    EXPECT_EQ(namesOf(drawing), (std::vector<std::string>{"tendon1"}));
    EXPECT_EQ(drawing.report, (Report{"Zadejte tvar konstrukce", Beep::None, c.focus, Page::Structure}));
}

INSTANTIATE_TEST_SUITE_P(
    EachMissingText, TendonChartMissingOutline,
    ::testing::Values(MissingOutlineCase{"simpleWithoutL", BeamKind::Simple, "", "0,3", "-0,3", Field::BeamLength},
                      MissingOutlineCase{"simpleWithoutBottom", BeamKind::Simple, "20", "", "-0,3", Field::BeamLength},
                      MissingOutlineCase{"simpleWithoutTop", BeamKind::Simple, "20", "0,3", "", Field::BeamLength},
                      MissingOutlineCase{"continuousWithoutFirstMember", BeamKind::Continuous, "", "0,3", "-0,3",
                                         Field::MemberLengths},
                      MissingOutlineCase{"continuousWithoutTop", BeamKind::Continuous, "10", "0,3", "",
                                         Field::MemberLengths}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(TendonChart, AFibreDistanceThatIsNoNumberIsAConversionErrorWithTheTendonsDrawn)
{
    Project project = simpleBeam("20");
    project.section.eBottom = "0.3";
    storeStraight(project.tendons[0], {"0", "20", "0", "-1000"});

    ChartDrawing drawing;
    try {
        buildTendonChart(project, ',', drawing);
        FAIL() << "no conversion error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'0.3' is not a valid floating point value");
    }
    EXPECT_EQ(namesOf(drawing), (std::vector<std::string>{"tendon1"}));
}

TEST(TendonChart, AnEmptyLaterMemberStopsTheSupportsAtTheEndOfTheMemberBefore)
{
    Project project = continuousBeam({"10", "", "8"});
    storeStraight(project.tendons[0], {"0", "10", "0", "-1000"});

    ChartDrawing drawing;
    EXPECT_THROW(buildTendonChart(project, ',', drawing), Error);

    EXPECT_EQ(namesOf(drawing), (std::vector<std::string>{"supports", "tendon1"}));
    EXPECT_EQ(series(drawing, "supports").points, (Points{{0.0L, -0.3L}, {10.0L, -0.3L}, {10.0L, 0.3L}}));
}

// A composite parabola is drawn through its polygon, its given points marked.
TEST(TendonChartParabolic, DrawsThePolygonAndMarksTheGivenPoints)
{
    kvor::Project p;
    p.beam.length = "20";
    p.section.eBottom = "0,3";
    p.section.eTop = "-0,3";
    kvor::TendonSlot& slot = p.tendons[1];
    slot.shown = true;
    slot.draw = true;
    slot.status = kvor::SlotStatus::Entered;
    slot.type = kvor::TendonType::CompositeParabolic;
    slot.divisions = "4";
    slot.points = kvor::TextTable(4, 4);
    slot.points.setRow(1, {"0", "0", "-1000", "0,2"});
    slot.points.setRow(2, {"10", "0,1", "-1000", "0,2"});
    slot.points.setRow(3, {"20", "0", "-1000", ""});
    kvor::ChartDrawing drawing;
    kvor::buildTendonChart(p, ',', drawing);
    const kvor::ChartSeries* line = drawing.find("tendon2");
    ASSERT_NE(line, nullptr);
    ASSERT_EQ(line->points.size(), 9u);
    // Sag 0,15 over the first chord: at x = 5 the tendon is at 0,2.
    EXPECT_EQ(line->points[2], (kvor::ChartPoint{5, 0.2L}));
    ASSERT_EQ(drawing.marks.size(), 1u);
    EXPECT_EQ(drawing.marks[0].name, "tendon2Points");
    EXPECT_EQ(drawing.marks[0].colour, kvor::ChartColour::Blue);
    EXPECT_EQ(drawing.marks[0].points,
              (std::vector<kvor::ChartPoint>{{0, 0}, {10, 0.1L}, {20, 0}}));
}

// The legend names each tendon drawn, by its slot and its name as shown in a message.
TEST(TendonChart, TendonsAreLabelledWithTheirNamesTheOutlineIsNot)
{
    Project project = simpleBeam("20");
    for (int t : {0, 2, 4})
        storeStraight(project.tendons[t], {"0", "20", "0,15", "-1000"});
    project.tendons[0].name = " K1 spodní ";
    project.tendons[4].name = "a\tb";

    std::vector<std::string> labels;
    for (const ChartSeries& s : draw(project).series)
        labels.push_back(s.label);
    EXPECT_EQ(labels, (std::vector<std::string>{"", "", "", "Kabel 1: K1 spodní", "Kabel 3", "Kabel 5: a␉b"}));
}
