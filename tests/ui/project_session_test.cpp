// The session's commands: each changes the project and announces it once,
// and a refused or failed command announces only what it did.

#include "support/project_builders.h"
#include "support/ui_test_support.h"

#include "model/error.h"
#include "model/slots.h"
#include "ui/project_session.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kvor::ui
