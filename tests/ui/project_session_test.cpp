// The session's commands: each changes the project and announces it once,
// and a refused or failed command announces only what it did.

#include "support/project_builders.h"
#include "support/ui_test_support.h"

#include "evaluation/evaluation_run.h"
#include "model/error.h"
#include "model/slots.h"
#include "ui/project_session.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace kvor::ui {
namespace {

using testing::UiContext;

struct Spies {
    explicit Spies(ProjectSession& session)
        : replaced(&session, &ProjectSession::projectReplaced),
          stored(&session, &ProjectSession::slotStored),
          results(&session, &ProjectSession::resultsChanged)
    {
    }
    QSignalSpy replaced;
    QSignalSpy stored;
    QSignalSpy results;
};

TEST(ProjectSession, AStoreIsAnnouncedWithItsKindAndSlotAndARefusalIsNot)
{
    UiContext ui;
    Spies spies(ui.session);
    TextTable line(3, 2);
    line.setRow(1, {"0", "0"});
    line.setRow(2, {"10", "1"});

    ui.session.storeInfluenceLine(3, line, EntryMode::Manual, "", "5");
    EXPECT_TRUE(ui.project.quantities[2].storeMark());
    EXPECT_EQ(ui.project.quantities[2].station, "5");
    ASSERT_TRUE(ui.session.storeTendon(2, StraightTendonInput{"", "10", "0,2", "-1000"}));  // refused: s1 empty
    EXPECT_FALSE(ui.project.tendons[1].storeMark());
    EXPECT_FALSE(ui.session.storeTendon(2, StraightTendonInput{"0", "10", "0,2", "-1000"}));

    ASSERT_EQ(spies.stored.count(), 2);
    EXPECT_EQ(spies.stored[0][0].value<SlotKind>(), SlotKind::Quantity);
    EXPECT_EQ(spies.stored[0][1].toInt(), 3);
    EXPECT_EQ(spies.stored[1][0].value<SlotKind>(), SlotKind::Tendon);
    EXPECT_EQ(spies.stored[1][1].toInt(), 2);
    EXPECT_EQ(spies.replaced.count() + spies.results.count(), 0);
}

TEST(ProjectSession, ResultsAreAnnouncedAfterARunAlsoWhenItFailsAndWhenTheyAreLeft)
{
    UiContext ui;
    ui.project = kvor::testing::workedExample(',');
    Spies spies(ui.session);

    ui.session.evaluate(',');
    EXPECT_EQ(spies.results.count(), 1);
    EXPECT_FALSE(ui.project.results.value[0][0].empty());

    ui.session.returnToInput();
    EXPECT_EQ(spies.results.count(), 2);

    // Two first points at one station: the slope divides by zero and the run stops.
    kvor::testing::storeLine(ui.project, 1, "Reakce", "", {{"0", "1"}, {"0", "0,5"}, {"10", "0"}}, ',');
    EXPECT_THROW(ui.session.evaluate(','), kvor::Error);
    EXPECT_EQ(spies.results.count(), 3);
}

// "Přepočítat" of the question about stale input changes stored slots: each
// is announced as stored, and the input becomes unsaved.
TEST(ProjectSession, StaleLinesComputedAgainAreAnnouncedAsStored)
{
    UiContext ui;
    Project& p = ui.project;
    p.beam.length = "12";
    p.section.inertia = "0,0054";
    p.section.eBottom = "0,3";
    p.section.eTop = "-0,3";
    kvor::testing::storeGenerated(p, 0, "Průhyb", {"6", "0,5", "30000"});
    kvor::testing::storeGenerated(p, 2, "Průhyb", {"3", "0,5", "30000"});
    kvor::testing::storeStraight(p, 0, "0", "12", "0,25", "-2000", ',');
    p.section.inertia = "0,006";
    Spies spies(ui.session);

    const EvaluationStart start = ui.session.prepareEvaluation(',');
    ASSERT_FALSE(start.refusal);
    ASSERT_EQ(start.stale.lines, (std::vector<int>{1, 3}));
    EXPECT_EQ(spies.stored.count(), 0);  // preparing changes nothing
    ui.session.refreshStaleInput(start.stale, ',');
    ASSERT_EQ(spies.stored.count(), 2);
    EXPECT_EQ(spies.stored[1][0].value<SlotKind>(), SlotKind::Quantity);
    EXPECT_EQ(spies.stored[1][1].toInt(), 3);
    EXPECT_TRUE(ui.session.isModified());
    EXPECT_TRUE(ui.session.prepareEvaluation(',').stale.empty());
}

// "Výpočet" gives the values first and forms the tendon tables when they are
// asked for, from the input of the run: after any runs, whatever changed since,
// they are the tables that full runs one after another leave.
TEST(ProjectSession, TendonTablesFormedWhenAskedForAreThoseOfFullRuns)
{
    using Step = std::function<void(Project&)>;
    const Step nothing = [](Project&) {};
    const Step secondLine = [](Project& p) {
        kvor::testing::storeLine(p, 1, "Reakce", "", {{"0", "1"}, {"10", "0"}}, ',');
    };
    // Two first points at one station: the slope divides by zero and the run stops.
    const Step secondLineBroken = [](Project& p) {
        kvor::testing::storeLine(p, 1, "Reakce", "", {{"0", "1"}, {"0", "0,5"}, {"10", "0"}}, ',');
    };
    const Step secondTendonLeft = [](Project& p) { p.tendons[1].shown = false; };
    const Step tendonMoved = [](Project& p) { p.tendons[1].points.setCell(2, 1, "0,4"); };
    struct Case {
        const char* what;
        std::vector<Step> beforeEachRun;
        Step afterTheRuns;
    };
    const std::vector<Case> cases = {
        {"the input changed after the run", {nothing}, tendonMoved},
        {"a tendon left out of the second run", {secondLine, secondTendonLeft}, tendonMoved},
        {"the second run fails", {secondLine, secondLineBroken}, nothing},
    };
    for (const Case& c : cases) {
        UiContext ui;
        ui.project = kvor::testing::workedExample(',');
        Project full = ui.project;
        for (const Step& step : c.beforeEachRun) {
            step(ui.project);
            step(full);
            bool failed = false, fullFailed = false;
            try {
                ui.session.evaluate(',');
            } catch (const kvor::Error&) {
                failed = true;
            }
            try {
                evaluateProject(full, ',');
            } catch (const kvor::Error&) {
                fullFailed = true;
            }
            ASSERT_EQ(failed, fullFailed) << c.what;
        }
        c.afterTheRuns(ui.project);
        ui.session.formTendonTables();
        for (int q = 0; q < kSlotCount; ++q)
            for (int t = 0; t < kSlotCount; ++t)
                EXPECT_EQ(ui.project.results.tendonTables[q][t], full.results.tendonTables[q][t])
                    << c.what << ", quantity " << q + 1 << ", tendon " << t + 1;
        EXPECT_EQ(ui.project.results.value, full.results.value) << c.what;
    }
}

}  // namespace
}  // namespace kvor::ui
