// The calculation report's content: the facts it states and how it keeps
// very long tables readable.

#include "evaluation/evaluation_run.h"
#include "model/slots.h"
#include "report/report_content.h"
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
    EXPECT_EQ(table->table.rows.front()[0], "1");
    EXPECT_EQ(table->table.rows.back()[0], std::to_string(points));
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
    EXPECT_EQ(heading[1].text, "1. posuzovaná veličina: Ohybový moment, X = 5 m");
    EXPECT_EQ(heading[2].table.headings.front(), "Kabel");
    EXPECT_EQ(heading[2].table.rows.front(),
              (std::vector<std::string>{"1", "5", "-1000", "0,2", "-200", "0", "-200", "0", "-4,16666666666667"}));
}

}  // namespace
}  // namespace kvor
