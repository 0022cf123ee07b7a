#include "model/print_size.h"

#include <gtest/gtest.h>

using namespace kvor;

TEST(PrintSize, ChartsPrintAsWideAsAReportFigureAt300Dpi)
{
    EXPECT_EQ(printSizeOf(566, 155), (PrintSize{170, 47, 300}));  // the influence-line chart
    EXPECT_EQ(printSizeOf(593, 161), (PrintSize{170, 46, 300}));  // the tendon chart
    EXPECT_EQ(printSizeOf(1000, 0), (PrintSize{170, 1, 300}));
    EXPECT_EQ(printSizeOf(0, 0), (PrintSize{170, 1, 300}));

    struct Case {
        int millimetres, dpi, pixels;
    } const cases[] = {{170, 300, 2008}, {47, 300, 555}, {254, 72, 720}, {1, 300, 12}, {0, 300, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(printPixels(c.millimetres, c.dpi), c.pixels) << c.millimetres << " mm at " << c.dpi << " dpi";
    EXPECT_TRUE(printable({170, 47, 300}));
    EXPECT_TRUE(printable({297, 420, 600}));    // A3 at 600 dpi
    EXPECT_FALSE(printable({1000, 1000, 1200}));  // 2,2 billion pixels
    EXPECT_FALSE(printable({170, 0, 300}));
    EXPECT_EQ(dotsPerMetre(300), 11811);
    EXPECT_EQ(dotsPerMetre(96), 3780);
}
