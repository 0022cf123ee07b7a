#include "tendons/tendon_store.h"

#include <gtest/gtest.h>

using namespace kvor;

namespace {

const Report kIncompleteStraight{"Zadejte parametry předpínacího kabelu", Beep::None, Field::StraightFirstStation, std::nullopt};
const Report kIncompleteBroken{"Zadejte parametry předpínacího kabelu", Beep::None, Field::BrokenPoints, std::nullopt};

TEST(StoreStraightTendon, WritesBothAnchoragesWithTheOneEccentricityAndForce)
{
    TendonSlot slot;
    slot.shown = true;
    EXPECT_FALSE(storeTendon(slot, StraightTendonInput{"0", "20", "0,15", "-1000"}));
    ASSERT_EQ(slot.points.rowCount(), 3);
    ASSERT_EQ(slot.points.colCount(), 3);
    EXPECT_EQ(slot.points.cell(0, 0), "Staničení");
    EXPECT_EQ(slot.points.cell(0, 1), "Excentricita");
    EXPECT_EQ(slot.points.cell(0, 2), "Předpínací síla");
    EXPECT_EQ(slot.points.cell(1, 0), "0");
    EXPECT_EQ(slot.points.cell(2, 0), "20");
    for (int r = 1; r <= 2; ++r) {
        EXPECT_EQ(slot.points.cell(r, 1), "0,15");
        EXPECT_EQ(slot.points.cell(r, 2), "-1000");
    }
    EXPECT_EQ(slot.status, SlotStatus::Entered);
    EXPECT_EQ(slot.type, TendonType::Straight);
    EXPECT_TRUE(slot.entered());
    EXPECT_TRUE(slot.drawEnabled());
    EXPECT_TRUE(slot.storeMark());
    EXPECT_FALSE(slot.typeBoxEnabled());
}

TEST(StoreStraightTendon, AnyEmptyFieldStoresNothing)
{
    const StraightTendonInput complete{"0", "20", "0,15", "-1000"};
    for (int missing = 0; missing < 4; ++missing) {
        StraightTendonInput in = complete;
        std::string* fields[] = {&in.s1, &in.s2, &in.e, &in.n};
        fields[missing]->clear();
        TendonSlot slot;
        const TextTable before = slot.points;
        EXPECT_EQ(storeTendon(slot, in), kIncompleteStraight) << missing;
        EXPECT_EQ(slot.points, before);
        EXPECT_EQ(slot.status, SlotStatus::NotEntered);
        EXPECT_EQ(slot.type, TendonType::None);
    }
}

TEST(StoreStraightTendon, CorrectingAStoredTendonReplacesItsTable)
{
    TendonSlot slot;
    TextTable points(5, 2), forces(4, 1);
    const BrokenTendonInput broken{points, forces};
    for (int r = 1; r <= 4; ++r)
        points.setRow(r, {"1", "0"});
    forces.setCell(1, 0, "-1");
    ASSERT_FALSE(storeTendon(slot, broken));
    ASSERT_FALSE(storeTendon(slot, StraightTendonInput{"1", "2", "0", "-5"}));
    EXPECT_EQ(slot.points.rowCount(), 3);
    EXPECT_EQ(slot.type, TendonType::Straight);
}

struct BrokenTables {
    TextTable points;
    TextTable forces;
};

BrokenTables brokenTables(std::initializer_list<std::pair<const char*, const char*>> pts,
                          std::initializer_list<const char*> segmentForces)
{
    const int m = static_cast<int>(pts.size());
    BrokenTables t{TextTable(m + 1, 2), TextTable(m, 1)};
    t.points.setRow(0, {"  Staničení [m]", "  Excentricita [m]"});
    t.forces.setCell(0, 0, "  Předp. síla [kN]");
    int r = 1;
    for (const auto& [s, e] : pts)
        t.points.setRow(r++, {s, e});
    r = 1;
    for (const char* f : segmentForces)
        t.forces.setCell(r++, 0, f);
    return t;
}

TEST(StoreBrokenTendon, TheLastRowRepeatsTheLastSegmentsForce)
{
    const BrokenTables in = brokenTables({{"1", "0,1"}, {"2,5", "0,2"}, {"4", "0,05"}}, {"-800", "-700"});
    TendonSlot slot;
    EXPECT_FALSE(storeTendon(slot, BrokenTendonInput{in.points, in.forces}));
    TextTable expected(4, 3);
    expected.setRow(0, {"Staničení", "Excentricita", "Předpínací síla"});
    expected.setRow(1, {"1", "0,1", "-800"});
    expected.setRow(2, {"2,5", "0,2", "-700"});
    expected.setRow(3, {"4", "0,05", "-700"});
    EXPECT_EQ(slot.points, expected);
    EXPECT_EQ(slot.type, TendonType::Broken);
    EXPECT_EQ(slot.status, SlotStatus::Entered);
}

TEST(StoreBrokenTendon, OnlyTheFirstStationAndTheFirstForceAreTested)
{
    BrokenTables in = brokenTables({{"1", ""}, {"", "0,2"}}, {"-800"});
    TendonSlot slot;
    EXPECT_FALSE(storeTendon(slot, BrokenTendonInput{in.points, in.forces}));
    EXPECT_EQ(slot.points.cell(1, 1), "");
    EXPECT_EQ(slot.points.cell(2, 0), "");
    EXPECT_EQ(slot.points.cell(2, 2), "-800");

    for (auto [station, force] : {std::pair{"", "-800"}, std::pair{"1", ""}}) {
        BrokenTables incomplete = brokenTables({{station, "0"}, {"2", "0"}}, {force});
        TendonSlot fresh;
        EXPECT_EQ(storeTendon(fresh, BrokenTendonInput{incomplete.points, incomplete.forces}), kIncompleteBroken);
        EXPECT_EQ(fresh.status, SlotStatus::NotEntered);
        EXPECT_EQ(fresh.points, TendonSlot().points);
    }
}

TEST(StoreBrokenTendon, AnIncompleteCorrectionKeepsTheStoredTendon)
{
    TendonSlot slot;
    ASSERT_FALSE(storeTendon(slot, StraightTendonInput{"0", "20", "0,15", "-1000"}));
    const TextTable stored = slot.points;
    BrokenTables in = brokenTables({{"", "0"}, {"2", "0"}}, {"-1"});
    EXPECT_EQ(storeTendon(slot, BrokenTendonInput{in.points, in.forces}), kIncompleteBroken);
    EXPECT_EQ(slot.points, stored);
    EXPECT_EQ(slot.type, TendonType::Straight);
}

TEST(StoreBrokenTendon, APolygonOfOnePointIsIncomplete)
{
    // A point count typed below 2 leaves no segment; the force table may still
    // hold a force from before.
    TextTable points(2, 2), forces(2, 1);
    points.setRow(1, {"1", "0"});
    forces.setCell(1, 0, "-5");
    TendonSlot slot;
    EXPECT_EQ(storeTendon(slot, BrokenTendonInput{points, forces}), kIncompleteBroken);
    EXPECT_EQ(slot.status, SlotStatus::NotEntered);
}

}  // namespace
