#include "ui/widgets/grid_geometry.h"

#include <gtest/gtest.h>

namespace kvor::ui {
namespace {

TEST(MemberTable, GeometryGrowsUpToSevenMembersThenScrolls)
{
    EXPECT_EQ(memberTableGeometry(2), (MemberTableGeometry{83, 176, 30, false}));
    EXPECT_EQ(memberTableGeometry(7), (MemberTableGeometry{218, 176, 30, false}));
    EXPECT_EQ(memberTableGeometry(8), (MemberTableGeometry{218, 194, 22, true}));
    EXPECT_EQ(memberTableGeometry(15), (MemberTableGeometry{218, 194, 22, true}));
}

TEST(EntryTableGeometry, ScrollsBeyondFourPoints)
{
    EXPECT_EQ(entryTableGeometry(1), (EntryTableGeometry{176, 58, false}));
    EXPECT_EQ(entryTableGeometry(2), (EntryTableGeometry{176, 85, false}));
    EXPECT_EQ(entryTableGeometry(4), (EntryTableGeometry{176, 139, false}));
    EXPECT_EQ(entryTableGeometry(5), (EntryTableGeometry{194, 139, true}));
}

TEST(TendonDialogState, SixPointsFitSevenNeedScrollBars)
{
    EXPECT_EQ(tendonTablesGeometry(2), (TendonTablesGeometry{176, 83, 89, 56, 0, false}));
    EXPECT_EQ(tendonTablesGeometry(6), (TendonTablesGeometry{176, 191, 89, 164, 0, false}));
    EXPECT_EQ(tendonTablesGeometry(7), (TendonTablesGeometry{194, 191, 107, 164, 18, true}));
    EXPECT_EQ(tendonTablesGeometry(32766), tendonTablesGeometry(7));
}

}  // namespace
}  // namespace kvor::ui
