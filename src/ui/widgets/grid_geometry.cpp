#include "ui/widgets/grid_geometry.h"

namespace kvor::ui {

MemberTableGeometry memberTableGeometry(int n)
{
    if (n <= 7)
        return {27 * n + 29, 176, 30, false};
    return {218, 194, 22, true};
}

EntryTableGeometry entryTableGeometry(int pointCount)
{
    if (pointCount > 4)
        return {194, 139, true};
    return {176, 27 * (pointCount + 1) + 4, false};
}

TendonTablesGeometry tendonTablesGeometry(int m)
{
    if (m + 1 > 7)
        return {194, 191, 107, 164, 18, true};
    return {176, 27 * m + 29, 89, 27 * m + 2, 0, false};
}

TendonTablesGeometry parabolicTablesGeometry(int m)
{
    TendonTablesGeometry g = tendonTablesGeometry(m);
    g.forceWidth = g.pointWidth;
    return g;
}

}  // namespace kvor::ui
