#pragma once
// Pictures for print: a printed size in whole millimetres and a resolution in
// dots per inch, and the pixels they take.

namespace kvor {

// A chart printed as wide as a figure of the calculation report (the text
// width of an A4 page less its margins), at the resolution of print.
constexpr int kPrintedChartWidthMm = 170;
constexpr int kPrintResolutionDpi = 300;

struct PrintSize {
    int widthMm;
    int heightMm;
    int dpi;

    bool operator==(const PrintSize&) const = default;
};

// The printed size of a chart seen at width × height pixels: as wide as a
// report figure, as high as its proportions give (at least 1 mm), at 300 dpi.
PrintSize printSizeOf(int width, int height);

// Pixels of a printed length, the nearest whole number: 170 mm at 300 dpi are 2008.
int printPixels(int millimetres, int dpi);

// Whether a picture of that size can be made: at most 80 million pixels (an
// A3 page at 600 dpi is 70 million), so that a mistyped size cannot exhaust
// the memory; every side at least one pixel.
bool printable(const PrintSize& size);

// The resolution as a PNG file records it, in dots per metre: 300 dpi are 11811.
int dotsPerMetre(int dpi);

}  // namespace kvor
