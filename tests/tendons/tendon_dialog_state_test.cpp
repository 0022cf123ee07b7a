#include "model/error.h"
#include "tendons/tendon_dialog_state.h"

#include <gtest/gtest.h>

using namespace kvor;

namespace {

TEST(TendonDialogState, PanelsFollowTheTypeLabels)
{
    EXPECT_EQ(panelForType(tendonTypeOf("přímý kabel")), TendonPanel::Straight);
    EXPECT_EQ(panelForType(tendonTypeOf("lomený kabel")), TendonPanel::Broken);
    EXPECT_EQ(panelForType(tendonTypeOf("prostý parabolický")), TendonPanel::SimpleParabolic);
    for (const char* label : {"složený parabolický", "kombinovaný"})
        EXPECT_EQ(panelForType(tendonTypeOf(label)), TendonPanel::ParabolicTables) << label;
    // Typed text must equal a label exactly.
    EXPECT_EQ(panelForType(tendonTypeOf("přímý kabel ")), TendonPanel::None);
    EXPECT_EQ(panelForType(tendonTypeOf("přímý")), TendonPanel::None);
}

TEST(TendonDialogState, TitleAndTypeLine)
{
    EXPECT_EQ(tendonDialogTitle(2), "Zadání 2.předpínacího kabelu");
    EXPECT_EQ(tendonTypeLine("přímý kabel"), "Typ předpínacího kabelu: přímý kabel");
    EXPECT_EQ(tendonTypeLine(""), "Typ předpínacího kabelu: ");
}

TEST(TendonDialogState, AnEmptyTypeBoxIsReportedWithTheSlotsOwnBeep)
{
    TendonSlot slot;
    const Beep expected[] = {Beep::None, Beep::AfterMessage, Beep::AfterMessage, Beep::None,
                             Beep::AfterMessage};
    for (int k = 1; k <= 5; ++k) {
        const auto report = checkTendonTypeChosen(slot, k);
        ASSERT_TRUE(report) << k;
        EXPECT_EQ(report->message, "Vyberte typ " + std::to_string(k) + ".předpínacího kabelu!");
        EXPECT_EQ(report->beep, expected[k - 1]) << k;
        EXPECT_EQ(report->focus, nthField(Field::TendonType1, k - 1));
        EXPECT_FALSE(report->page);
    }
    // Any text passes here, also one that names no type.
    slot.typeText = "můj kabel";
    EXPECT_EQ(checkTendonTypeChosen(slot, 2), std::nullopt);
}

TEST(TendonDialogState, APointCountSizesBothTablesAndKeepsTheirCells)
{
    TextTable points, forces;
    resetBrokenTendonTables(points, forces);
    EXPECT_EQ(points.rowCount(), 3);
    EXPECT_EQ(forces.rowCount(), 2);
    points.setRow(2, {"5", "0,1"});
    forces.setCell(1, 0, "-800");

    EXPECT_EQ(rebuildBrokenTendonTables(points, forces, "4"), 4);
    ASSERT_EQ(points.rowCount(), 5);
    ASSERT_EQ(forces.rowCount(), 4);
    EXPECT_EQ(points.colCount(), 2);
    EXPECT_EQ(forces.colCount(), 1);
    EXPECT_EQ(points.cell(2, 1), "0,1");
    EXPECT_EQ(forces.cell(1, 0), "-800");
    EXPECT_EQ(points.cell(0, 0), "  Staničení [m]");
    EXPECT_EQ(points.cell(0, 1), "  Excentricita [m]");
    EXPECT_EQ(forces.cell(0, 0), "  Předp. síla [kN]");
}

TEST(TendonDialogState, APointCountThatIsNoIntegerChangesNothing)
{
    TextTable points, forces;
    resetBrokenTendonTables(points, forces);
    rebuildBrokenTendonTables(points, forces, "5");
    EXPECT_THROW(rebuildBrokenTendonTables(points, forces, ""), Error);
    EXPECT_THROW(rebuildBrokenTendonTables(points, forces, "sedm"), Error);
    EXPECT_EQ(points.rowCount(), 6);
    EXPECT_EQ(forces.rowCount(), 5);
}

TEST(TendonDialogState, CountsOutsideTheSpinnerAreClamped)
{
    TextTable points, forces;
    const std::pair<const char*, int> cases[] = {{"0", 2}, {"1", 2}, {"32766", 32766}, {"99999999", 32766}};
    for (const auto& [typed, m] : cases) {
        EXPECT_EQ(rebuildBrokenTendonTables(points, forces, typed), m) << typed;
        EXPECT_EQ(points.rowCount(), m + 1);
        EXPECT_EQ(forces.rowCount(), m);
    }
}

TEST(TendonDialogState, OpensWithTheStructureOrForAStoredTendon)
{
    Project noStructure;
    noStructure.beam.length = "";
    Project simpleBeam;
    simpleBeam.beam.length = "20";
    simpleBeam.section.eBottom = "0,3";
    simpleBeam.section.eTop = "-0,3";
    TendonSlot stored;
    stored.shown = true;  // a row on the page
    ASSERT_FALSE(storeTendon(stored, StraightTendonInput{"0", "20", "0,15", "-1000"}));
    TendonSlot fresh;
    fresh.shown = true;
    EXPECT_TRUE(tendonDialogOpens(simpleBeam, fresh));
    EXPECT_TRUE(tendonDialogOpens(simpleBeam, stored));
    EXPECT_TRUE(tendonDialogOpens(noStructure, stored));
    EXPECT_FALSE(tendonDialogOpens(noStructure, fresh));
}

TEST(TendonDialogState, AStoredStraightTendonFillsTheFourFields)
{
    TendonSlot slot;
    ASSERT_FALSE(storeTendon(slot, StraightTendonInput{"0", "20", "0,15", "-1000"}));
    const StraightTendonInput in = straightInputFromStore(slot);
    EXPECT_EQ(in.s1, "0");
    EXPECT_EQ(in.s2, "20");
    EXPECT_EQ(in.e, "0,15");
    EXPECT_EQ(in.n, "-1000");
}

TEST(TendonDialogState, AStoredBrokenTendonLoadsAndStoresBackUnchanged)
{
    TextTable points, forces;
    rebuildBrokenTendonTables(points, forces, "4");
    const char* stations[] = {"0", "5", "12", "20"};
    const char* eccentricities[] = {"0", "0,2", "0,25", "-0,1"};
    const char* segmentForces[] = {"-800", "-700", "-650"};
    for (int r = 1; r <= 4; ++r)
        points.setRow(r, {stations[r - 1], eccentricities[r - 1]});
    for (int r = 1; r <= 3; ++r)
        forces.setCell(r, 0, segmentForces[r - 1]);
    TendonSlot slot;
    ASSERT_FALSE(storeTendon(slot, BrokenTendonInput{points, forces}));

    TextTable loadedPoints, loadedForces;
    resetBrokenTendonTables(loadedPoints, loadedForces);
    EXPECT_EQ(loadBrokenTendonTables(slot, loadedPoints, loadedForces), 4);
    EXPECT_EQ(loadedPoints, points);
    EXPECT_EQ(loadedForces, forces);  // the repeated last force is not a fourth segment

    TendonSlot again;
    ASSERT_FALSE(storeTendon(again, BrokenTendonInput{loadedPoints, loadedForces}));
    EXPECT_EQ(again.points, slot.points);
}

}  // namespace
