#include "results/group_sums.h"

#include "model/error.h"

#include <gtest/gtest.h>

namespace kvor {
namespace {

// Quantities 1 and 3 entered, tendons 1 and 2 entered, as after a run.
Project evaluatedProject()
{
    Project p;
    p.quantities[0].status = SlotStatus::Entered;
    p.quantities[2].shown = true;
    p.quantities[2].status = SlotStatus::Entered;
    auto& r = p.results;
    r.block = {BlockState::Evaluated, BlockState::NotEvaluated, BlockState::Evaluated,
               BlockState::NotEvaluated, BlockState::NotEvaluated};
    r.value[0] = {"1,5", "-0,25", "###", "###", "###"};
    r.value[2] = {"0,1", "0,2", "###", "###", "###"};
    r.selectable = {true, true, false, false, false};
    return p;
}

TEST(GroupSums, AddsTheShownValuesOfTheTickedTendons)
{
    Project p = evaluatedProject();
    p.results.group = {true, true, false, false, false};
    computeGroupSums(p, ',');
    EXPECT_EQ(p.results.groupSum[0], "1,25");
    // The shown texts, added in extended precision, give the decimal sum.
    EXPECT_EQ(p.results.groupSum[2], "0,3");
    EXPECT_EQ(p.results.groupSum[1], "###");
    EXPECT_EQ(p.results.groupSum[3], "###");
    EXPECT_EQ(p.results.groupSum[4], "###");
}

TEST(GroupSums, OneTickedTendonGivesItsValueAndNoneGivesZero)
{
    Project p = evaluatedProject();
    p.results.group = {false, true, false, false, false};
    computeGroupSums(p, ',');
    EXPECT_EQ(p.results.groupSum[0], "-0,25");

    p.results.group.fill(false);
    computeGroupSums(p, ',');
    EXPECT_EQ(p.results.groupSum[0], "0");
    EXPECT_EQ(p.results.groupSum[2], "0");
    EXPECT_EQ(p.results.groupSum[1], "###");
}

TEST(GroupSums, FollowsTheSlotStatusNowNotTheLastRun)
{
    Project p = evaluatedProject();
    // Quantity 3's row was hidden after the run: it no longer counts as entered.
    p.quantities[2].shown = false;
    computeGroupSums(p, ',');
    EXPECT_EQ(p.results.groupSum[0], "0");
    EXPECT_EQ(p.results.groupSum[2], "###");
}

TEST(GroupSums, TickedValueThatIsNoNumberStopsAfterUpdatingEarlierLines)
{
    Project p = evaluatedProject();
    p.results.group = {true, true, false, false, false};
    p.results.value[2][1] = "";  // emptied by a return to the input
    p.results.groupSum = {"old", "old", "old", "old", "old"};
    try {
        computeGroupSums(p, ',');
        FAIL() << "expected the conversion error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
    }
    EXPECT_EQ(p.results.groupSum[0], "1,25");
    EXPECT_EQ(p.results.groupSum[1], "###");
    EXPECT_EQ(p.results.groupSum[2], "old");
    EXPECT_EQ(p.results.groupSum[3], "old");
}

TEST(GroupSums, UsesTheSystemSeparator)
{
    Project p = evaluatedProject();
    p.results.value[0] = {"1.5", "-0.25", "###", "###", "###"};
    p.results.value[2] = {"2", "3E-1", "###", "###", "###"};
    p.results.group = {true, true, false, false, false};
    computeGroupSums(p, '.');
    EXPECT_EQ(p.results.groupSum[0], "1.25");
    EXPECT_EQ(p.results.groupSum[2], "2.3");
    // The comma text is no number on a system with a decimal point.
    p.results.value[0][0] = "1,5";
    EXPECT_THROW(computeGroupSums(p, '.'), Error);
}

TEST(GroupSums, ReturnToInputClearsValuesSumsAndSavedOnly)
{
    Project p = evaluatedProject();
    p.results.group = {true, false, false, false, false};
    computeGroupSums(p, ',');
    p.results.saved = true;
    returnToInput(p.results);
    EXPECT_FALSE(p.results.saved);
    for (int q = 0; q < kSlotCount; ++q) {
        EXPECT_EQ(p.results.groupSum[q], "");
        for (int t = 0; t < kSlotCount; ++t)
            EXPECT_EQ(p.results.value[q][t], "") << q << "," << t;
    }
    EXPECT_EQ(p.results.block[0], BlockState::Evaluated);
    EXPECT_TRUE(p.results.selectable[1]);
    EXPECT_TRUE(unsavedWarningShown(p.results));
}

TEST(GroupSums, ANewEvaluationKeepsTheGroupOfTheTendonsStillEntered)
{
    Project p = evaluatedProject();
    const std::array<bool, kSlotCount> before = {true, true, false, false, true};
    p.results.group = {};
    p.results.selectable = {true, true, false, false, false};  // tendon 5 is no longer entered
    keepGroup(p, before, ',');
    EXPECT_EQ(p.results.group, (std::array<bool, kSlotCount>{true, true, false, false, false}));
    EXPECT_EQ(p.results.groupSum[0], "1,25");

    p.results.groupSum[0].clear();
    keepGroup(p, {}, ',');  // no group: no sums
    EXPECT_FALSE(groupChosen(p.results));
    EXPECT_EQ(p.results.groupSum[0], "");
}

TEST(GroupSums, NotEvaluatedLabelOfAGroupLine)
{
    Project p = evaluatedProject();
    // Before a group computation the line shows what the run decided.
    EXPECT_FALSE(groupLineNotEvaluated(p.results, 0));
    EXPECT_TRUE(groupLineNotEvaluated(p.results, 1));
    // Afterwards it follows the sum: quantity 1 hidden meanwhile shows "###".
    p.quantities[0].shown = false;
    p.quantities[1].shown = true;
    p.quantities[1].status = SlotStatus::Entered;
    p.results.value[1] = {"4", "5", "###", "###", "###"};
    computeGroupSums(p, ',');
    EXPECT_TRUE(groupLineNotEvaluated(p.results, 0));
    EXPECT_FALSE(groupLineNotEvaluated(p.results, 1));
    // Before any run the blocks are initial: no label.
    EXPECT_FALSE(groupLineNotEvaluated(Project().results, 0));
}

}  // namespace
}  // namespace kvor
