#pragma once
// Pixel sizes and places of the grids that grow with their rows: the member
// table of the structure page, the influence-line entry table and the two
// tables of the tendon dialog. A grid grows row by row up to a limit; beyond
// it keeps its size and shows a vertical scroll bar, widened by the bar.

namespace kvor::ui {

// The member table for n members: height 27·n + 29, width 176, left 30 while
// n <= 7; from 8 members on the height stays at 218 and a vertical scroll bar
// (width 194, left 22) shows the rest.
struct MemberTableGeometry {
    int height;
    int width;
    int left;
    bool verticalScrollBar;

    bool operator==(const MemberTableGeometry&) const = default;
};
MemberTableGeometry memberTableGeometry(int memberCount);

// The visible influence-line entry table for a number of point rows: more
// than 4 points get 194 x 139 with a vertical scroll bar; otherwise 176 wide
// and 27 * (points + 1) + 4 high without a scroll bar.
struct EntryTableGeometry {
    int width = 0;
    int height = 0;
    bool verticalScrollBar = false;

    bool operator==(const EntryTableGeometry&) const = default;
};
EntryTableGeometry entryTableGeometry(int pointCount);

// The tendon dialog's two tables for m points. Up to 6 points (7 rows) the
// point table is 176 x (27 m + 29) and the force table 89 x (27 m + 2) in its
// normal place, without scroll bars; from 7 points on they are 194 x 191 and
// 107 x 164 with vertical scroll bars, the force table moved 18 pixels to the
// right.
struct TendonTablesGeometry {
    int pointWidth = 0;
    int pointHeight = 0;
    int forceWidth = 0;
    int forceHeight = 0;
    int forceShift = 0;  // pixels to the right of the force table's normal place
    bool scrollBars = false;

    bool operator==(const TendonTablesGeometry&) const = default;
};
TendonTablesGeometry tendonTablesGeometry(int pointCount);
// The same for the tables of a composite or combined tendon, whose segment
// table has two columns (force, mid-eccentricity): as wide as the point table.
TendonTablesGeometry parabolicTablesGeometry(int pointCount);

}  // namespace kvor::ui
