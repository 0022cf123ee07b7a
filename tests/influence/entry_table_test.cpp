#include "influence/entry_table.h"
#include "model/error.h"
#include "model/slots.h"

#include <gtest/gtest.h>

using namespace kvor;

namespace {

TextTable filledTable(int points)
{
    TextTable t(points + 1, 2);
    writeEntryHeadings(t);
    for (int r = 1; r <= points; ++r)
        t.setRow(r, {std::to_string(r), std::to_string(10 * r)});
    return t;
}

TEST(EntryTable, TitleNamesTheSlot)
{
    EXPECT_EQ(influenceDialogTitle(1), "Zadání příčinkové čáry 1.vyhodnocované veličiny");
    EXPECT_EQ(influenceDialogTitle(5), "Zadání příčinkové čáry 5.vyhodnocované veličiny");
}

TEST(EntryTable, ANewCountKeepsTheRowsThatRemain)
{
    TextTable t = filledTable(4);
    EXPECT_EQ(rebuildEntryTable(t, "6"), 6);
    ASSERT_EQ(t.rowCount(), 7);
    EXPECT_EQ(t.cell(4, 1), "40");
    EXPECT_EQ(t.cell(6, 0), "");
    EXPECT_EQ(t.cell(0, 0), "  Staničení [m]");
    EXPECT_EQ(t.cell(0, 1), "    Pořadnice");

    EXPECT_EQ(rebuildEntryTable(t, "2"), 2);
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.cell(2, 0), "2");
}

TEST(EntryTable, ACountThatIsNoIntegerChangesNothing)
{
    for (const char* text : {"", "abc", "2,5", "99999999999"}) {
        TextTable t = filledTable(3);
        const TextTable before = t;
        try {
            rebuildEntryTable(t, text);
            ADD_FAILURE() << "no failure for '" << text << "'";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid integer value");
        }
        EXPECT_EQ(t, before) << text;
    }
}

struct ClampCase {
    const char* typed;
    int count;
};

class EntryCountOutsideTheSpinner : public ::testing::TestWithParam<ClampCase> {};

TEST_P(EntryCountOutsideTheSpinner, IsClampedToAUsableTable)
{
    TextTable t = filledTable(2);
    EXPECT_EQ(rebuildEntryTable(t, GetParam().typed), GetParam().count);
    EXPECT_EQ(t.rowCount(), GetParam().count + 1);
}

INSTANTIATE_TEST_SUITE_P(Counts, EntryCountOutsideTheSpinner,
                         ::testing::Values(ClampCase{"0", 2}, ClampCase{"1", 2}, ClampCase{"-7", 2},
                                           ClampCase{"32750", 32750}, ClampCase{"32751", 32750},
                                           ClampCase{"99999999", 32750}, ClampCase{" 5", 5}));

TEST(EntryTable, ResetGivesTwoEmptyPointRows)
{
    TextTable t = filledTable(40);
    resetEntryTable(t);
    ASSERT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.colCount(), 2);
    EXPECT_EQ(t.cell(1, 0), "");
    EXPECT_EQ(t.cell(2, 1), "");
    EXPECT_EQ(t.cell(0, 1), "    Pořadnice");
}

TEST(EntryTable, AStoredLineLoadsWithItsRowCountAndEntryHeadings)
{
    QuantitySlot slot;
    storeInfluenceLine(slot, filledTable(5), EntryMode::Manual, "");
    TextTable entry = filledTable(40);
    EXPECT_EQ(loadStoredLine(slot, entry), 5);
    ASSERT_EQ(entry.rowCount(), 6);
    EXPECT_EQ(entry.cell(0, 0), "  Staničení [m]");  // not the store's "Staničení [m]"
    EXPECT_EQ(entry.cell(5, 0), "5");
    EXPECT_EQ(entry.cell(5, 1), "50");
    // Storing what was loaded gives the same line again.
    QuantitySlot again;
    storeInfluenceLine(again, entry, EntryMode::Manual, "");
    EXPECT_EQ(again.line, slot.line);
}

TEST(EntryTable, ZpetNeedsAFirstStation)
{
    TextTable t = filledTable(2);
    EXPECT_EQ(checkLineEntered(t), std::nullopt);

    t.setCell(1, 0, "");
    t.setCell(2, 0, "5");
    const auto report = checkLineEntered(t);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->message, "Zadejte průběh příčinkové čáry");
    EXPECT_EQ(report->beep, Beep::None);
    EXPECT_EQ(report->focus, Field::LineEntryMode);

    // Only the presence counts: a station that is no number is the table check's business.
    t.setCell(1, 0, "x");
    EXPECT_EQ(checkLineEntered(t), std::nullopt);

    // A file of one value leaves no point row.
    TextTable headingsOnly(1, 2);
    EXPECT_TRUE(checkLineEntered(headingsOnly));
}

TEST(EntryTable, ClearingEmptiesThePointsAndKeepsTheSize)
{
    TextTable t = filledTable(7);
    clearEntryRows(t);
    ASSERT_EQ(t.rowCount(), 8);
    for (int r = 1; r <= 7; ++r) {
        EXPECT_EQ(t.cell(r, 0), "");
        EXPECT_EQ(t.cell(r, 1), "");
    }
    EXPECT_EQ(t.cell(0, 0), "  Staničení [m]");
}

}  // namespace
