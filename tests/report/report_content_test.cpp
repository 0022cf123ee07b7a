// The calculation report's content: the facts it states and how it keeps
// very long tables readable.

#include "analysis/slot_generation.h"
#include "evaluation/evaluation_run.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "report/report_content.h"
#include "stressing/stressing_checks.h"
#include "stressing/tendon_stressing.h"
#include "support/project_builders.h"
#include "tendons/tendon_store.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kvor {
namespace {

TextTable line(std::initializer_list<std::pair<const char*, const char*>> rows)
{
    TextTable table(static_cast<int>(rows.size()) + 1, 2);
    table.setRow(0, {"x [m]", "y"});
    int r = 1;
    for (const auto& [station, ordinate] : rows)
        table.setRow(r++, {station, ordinate});
    return table;
}

TEST(ReportContent, OrdinateExtremesNameTheFirstStationOfEach)
{
    struct Case {
        TextTable table;
        std::optional<OrdinateExtremes> expected;
    };
    const std::vector<Case> cases = {
        {line({}), std::nullopt},
        {line({{"0", "x"}}), std::nullopt},
        {line({{"0", "0"}, {"5", "2,5"}, {"10", "0"}}), OrdinateExtremes{"0", "0", "2,5", "5"}},
        {line({{"0", "-1"}, {"1", "3"}, {"2", "-1"}, {"3", "3"}}), OrdinateExtremes{"-1", "0", "3", "1"}},
        {line({{"0", "1E-5"}, {"4", "-0,25"}}), OrdinateExtremes{"-0,25", "4", "1E-5", "0"}},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        const auto extremes = ordinateExtremes(cases[i].table, ',');
        ASSERT_EQ(extremes.has_value(), cases[i].expected.has_value()) << "case " << i;
        if (!extremes)
            continue;
        EXPECT_EQ(extremes->minimum, cases[i].expected->minimum) << "case " << i;
        EXPECT_EQ(extremes->minimumStation, cases[i].expected->minimumStation) << "case " << i;
        EXPECT_EQ(extremes->maximum, cases[i].expected->maximum) << "case " << i;
        EXPECT_EQ(extremes->maximumStation, cases[i].expected->maximumStation) << "case " << i;
    }
}

const ReportBlock* findTable(const ReportContent& content)
{
    const auto found = std::find_if(content.blocks.begin(), content.blocks.end(),
                                    [](const ReportBlock& b) { return b.kind == ReportBlock::Kind::Table && b.table.headings.size() == 3; });
    return found == content.blocks.end() ? nullptr : &*found;
}

TEST(ReportContent, ALongTendonTableKeepsItsFirstAndLastRows)
{
    Project project;
    project.beam.length = "100000";
    TendonSlot& slot = project.tendons[0];
    slot.shown = true;
    slot.typeText = kTendonTypeLabels[1];
    const int points = kReportTableRowLimit + 11;
    slot.points = TextTable(points + 1, 3);
    slot.points.setRow(0, {"x", "e", "N"});
    for (int r = 1; r <= points; ++r)
        slot.points.setRow(r, {std::to_string(r), "0", "-1"});
    slot.status = SlotStatus::Entered;

    const ReportContent content = buildReportContent(project, ',');
    const ReportBlock* table = findTable(content);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->table.rows.size(), static_cast<size_t>(kReportTableRowLimit));
    EXPECT_EQ(table->table.omittedRows, 11);
    EXPECT_EQ(table->table.omittedAfterRow, kReportTableRowLimit / 2);
    EXPECT_EQ(table->table.rows.front()[0], "1,000");
    EXPECT_EQ(table->table.rows.back()[0], std::to_string(points) + ",000");
}

TEST(ReportContent, AnUnevaluatedProjectSaysSo)
{
    Project project;
    project.info.name = "Most";
    const ReportContent content = buildReportContent(project, ',');
    EXPECT_EQ(content.projectName, "Most");
    auto has = [&](std::string_view text) {
        return std::any_of(content.blocks.begin(), content.blocks.end(),
                           [&](const ReportBlock& b) { return b.text == text; });
    };
    EXPECT_TRUE(has("Protokol výpočtu"));
    EXPECT_TRUE(has("Projekt nebyl vyhodnocen."));
    EXPECT_TRUE(has("Žádný kabel není zadán."));
}

TEST(ReportContent, TheSectionCheckFollowsTheResultsWhenAStationIsKnown)
{
    Project project = testing::workedExample(',');
    project.section.area = "0,48";
    project.section.inertia = "0,0576";
    project.quantities[0].station = "5";
    evaluateProject(project, ',');
    const ReportContent content = buildReportContent(project, ',');
    const auto heading = std::find_if(content.blocks.begin(), content.blocks.end(), [](const ReportBlock& b) {
        return b.text == "Napětí v průřezu od předpětí";
    });
    ASSERT_NE(heading, content.blocks.end());
    ASSERT_LT(heading + 2, content.blocks.end());
    EXPECT_EQ(heading[1].text, "1. posuzovaná veličina: Ohybový moment, X = 5,000 m");
    EXPECT_EQ(heading[2].table.headings.front(), "Kabel");
    // Rounded for reading: kN and kNm to 0,1, m to 0,001, MPa to 0,01.
    EXPECT_EQ(heading[2].table.rows.front(),
              (std::vector<std::string>{"1", "5,000", "-1000,0", "0,200", "-200,0", "0,0", "-200,0", "0,00", "-4,17"}));
    EXPECT_TRUE(heading[2].keepWithNext);  // the note under the table stays with it
    EXPECT_EQ(heading[3].kind, ReportBlock::Kind::Paragraph);
}

const ReportBlock* blockNamed(const ReportContent& content, std::string_view text)
{
    const auto found = std::find_if(content.blocks.begin(), content.blocks.end(),
                                    [&](const ReportBlock& b) { return b.text == text; });
    return found == content.blocks.end() ? nullptr : &*found;
}

const ReportTable& resultsTable(const ReportContent& content)
{
    const ReportBlock* heading = blockNamed(content, "Výsledky");
    EXPECT_NE(heading, nullptr);
    return heading[1].table;
}

TEST(ReportContent, NumbersAreRoundedByTheirUnitAndTheRuleIsStated)
{
    Project project = testing::workedExample(',');
    project.quantities[0].kindText = "Průhyb";
    evaluateProject(project, ',');
    project.results.value[0] = {"0,00355111159546643", "-1,18228641169546E-7", "###", "###", "###"};
    const ReportContent content = buildReportContent(project, ',');
    EXPECT_EQ(resultsTable(content).rows.front(),
              (std::vector<std::string>{"1 - Průhyb", "Moment uprostřed", "[m]", "0,003551", "0,000000", "###", "###",
                                        "###"}));
    EXPECT_NE(blockNamed(content,
                         "Čísla jsou v protokolu zaokrouhlena pro čtení: síly [kN] a momenty [kNm] na 0,1, napětí "
                         "[MPa] na 0,01, staničení, délky a excentricity [m] na 0,001, průhyby [m] a pootočení [rad] "
                         "na 0,000001, ostatní (pořadnice příčinkových čar, plocha a moment setrvačnosti průřezu) na 5 "
                         "platných číslic. Okna programu a soubory CSV ukazují všech 15 platných číslic."),
              nullptr);
    // A tendon's facts, table and chart share a page.
    const ReportBlock* tendon = blockNamed(content, "Kabel 2: –");
    ASSERT_NE(tendon, nullptr);
    EXPECT_TRUE(tendon[0].keepWithNext && tendon[1].keepWithNext && tendon[2].keepWithNext);
    EXPECT_EQ(tendon[2].table.headings.front(), "Staničení [m]");
    EXPECT_EQ(tendon[2].table.rows.front(), (std::vector<std::string>{"2,000", "0,100", "-1000,0"}));
    EXPECT_EQ(tendon[3].kind, ReportBlock::Kind::Figure);
}

TEST(ReportContent, AChosenGroupIsSummedWhetherOrNotItsSumsWereFormed)
{
    Project project = testing::workedExample(',');
    evaluateProject(project, ',');
    project.results.value[0][0] = "1,25";
    project.results.value[0][1] = "-0,5";
    project.results.group = {true, true, false, false, false};  // ticked, "Výsledky" never pressed
    ReportTable table = resultsTable(buildReportContent(project, ','));
    EXPECT_EQ(table.headings.back(), "Skupina");
    EXPECT_EQ(table.rows.front().back(), "0,8");  // 0,75 kNm to 0,1, half away from zero

    project.results.value[0][1].clear();  // the results were left: no sum to state
    table = resultsTable(buildReportContent(project, ','));
    EXPECT_EQ(table.rows.front().back(), "–");

    project.results.group.fill(false);
    EXPECT_EQ(resultsTable(buildReportContent(project, ',')).headings.back(), "Kabel 5");
}

TEST(ReportContent, AGeneratedLineTheBeamNoLongerGivesIsFlaggedWhereItsQuantityIsRead)
{
    Project project;
    testing::setContinuousBeam(project.beam, {"12", "15"});
    testing::setSectionValues(project.section, {"0,48", "0,0576", "0,6", "-0,6"});
    testing::storeGenerated(project, 0, "Ohybový moment", {"6", "0,5", ""});
    testing::storeStraight(project, 0, "0", "27", "0,2", "-1000", ',');
    project.beam.members.setCell(2, 1, "16");  // the beam changed since
    evaluateProject(project, ',');

    const ReportContent content = buildReportContent(project, ',');
    const std::string warning = staleLineWarning(1);
    std::vector<std::string> before;  // the heading each warning follows
    std::string heading;
    for (const ReportBlock& block : content.blocks) {
        if (block.kind == ReportBlock::Kind::Heading || block.kind == ReportBlock::Kind::Subheading)
            heading = block.text;
        if (block.text == warning)
            before.push_back(heading);
    }
    EXPECT_EQ(before, (std::vector<std::string>{"Veličina 1: Ohybový moment", "Výsledky",
                                                 "1. posuzovaná veličina: Ohybový moment, X = 6,000 m"}));
    EXPECT_EQ(warning, "Upozornění: příčinková čára 1. veličiny byla vygenerována z konstrukce, která se od té doby "
                       "změnila; vyhodnocena je uložená tabulka.");
}

TEST(ReportContent, TheLoadsFollowWithTheirEffectsOnlyWhenEntered)
{
    Project project = testing::workedExample(',');
    evaluateProject(project, ',');
    EXPECT_EQ(blockNamed(buildReportContent(project, ','), "Zatížení"), nullptr);

    // g0 = 10 kN/m and one axle of 100 kN on the midspan line of the 10 m beam.
    testing::setLoads(project, "10", "", "", {{"100", "0"}}, ',');
    const ReportContent content = buildReportContent(project, ',');
    const ReportBlock* heading = blockNamed(content, "Zatížení");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading[1].value, "10,0 kN/m");
    EXPECT_EQ(heading[2].value, "0 kN/m");
    const ReportBlock* effects = blockNamed(content, "Účinky zatížení");
    ASSERT_NE(effects, nullptr);
    ASSERT_EQ(effects[1].table.rows.size(), 1u);
    EXPECT_EQ(effects[1].table.rows[0],
              (std::vector<std::string>{"1 Ohybový moment (Moment uprostřed)", "[kNm]", "125,0", "0,0", "0,0", "0,0",
                                        "250,0", "5,000", "+", "0,0", "0,000", "+"}));
}

// A stressed tendon: its data, the anchor forces and its chart, in the slot it
// has; a note while its stored forces no longer follow from the data.
TEST(ReportContent, AStressedTendonHasItsDataAnchorForcesAndChart)
{
    Project project;
    project.beam.length = "30";
    testing::setRectangleSection(project, "0,5", "2");
    testing::storeBroken(project, 0, {{"0", "0", "-1"}, {"30", "0", ""}}, ',');
    testing::storeBroken(project, 1, {{"0", "0", "-1"}, {"15", "0,5", "-1"}, {"30", "0", ""}}, ',');
    const auto stressingOf = [&](const ReportContent& content) {
        std::vector<const ReportBlock*> part;
        bool in = false;
        for (const ReportBlock& b : content.blocks) {
            if (b.kind == ReportBlock::Kind::Heading)
                in = b.text == "Síly z napínání";
            if (in)
                part.push_back(&b);
        }
        return part;
    };
    EXPECT_TRUE(stressingOf(buildReportContent(project, ',')).empty());

    TendonSlot& slot = project.tendons[1];
    slot.stressing = defaultStressing(',');
    slot.stressing->jackingForce = "2000";
    slot.stressing->area = "1800";
    restressTendon(slot, ',');
    const ReportContent content = buildReportContent(project, ',');
    const auto part = stressingOf(content);
    const auto fact = [&](std::string_view name) {
        for (const ReportBlock* b : part)
            if (b->kind == ReportBlock::Kind::Fact && b->text == name)
                return b->value;
        return std::string("(none)");
    };
    EXPECT_EQ(fact("Napínaný konec"), "levý konec");
    EXPECT_EQ(fact("Napínací síla P0 [kN]"), "2000");
    const long double anchor = *stressTendon(slot, ',').forces.anchorLeft;
    EXPECT_NEAR(static_cast<double>(toNumber(fact("Síla v kotvě po zakotvení vlevo [kN]"), ',')),
                static_cast<double>(anchor), 0.05);
    EXPECT_EQ(fact("Síla v kotvě po zakotvení vpravo [kN]"), "–");
    const auto figure = std::find_if(part.begin(), part.end(),
                                     [](const ReportBlock* b) { return b->kind == ReportBlock::Kind::Figure; });
    ASSERT_NE(figure, part.end());
    EXPECT_EQ((*figure)->figure, ReportFigure::StressingForces);
    EXPECT_EQ((*figure)->slot, 1);
    const auto stale = [&](const std::vector<const ReportBlock*>& blocks) {
        return std::count_if(blocks.begin(), blocks.end(), [](const ReportBlock* b) {
            return b->text == "Síly zapsané u kabelu těmto údajům o napínání neodpovídají.";
        });
    };
    EXPECT_EQ(stale(part), 0);
    slot.points.setCell(2, 1, "0,6");
    const ReportContent staleContent = buildReportContent(project, ',');
    EXPECT_EQ(stale(stressingOf(staleContent)), 1);
}

}  // namespace
}  // namespace kvor
