#include "model/print_size.h"

#include <algorithm>
#include <cmath>

namespace kvor {

namespace {
constexpr long double kMillimetresPerInch = 25.4L;
constexpr long long kMaxPixels = 80'000'000;
}  // namespace

PrintSize printSizeOf(int width, int height)
{
    const long double proportion = width > 0 ? static_cast<long double>(std::max(height, 0)) / width : 0.0L;
    const int heightMm = static_cast<int>(std::lround(kPrintedChartWidthMm * proportion));
    return {kPrintedChartWidthMm, std::max(heightMm, 1), kPrintResolutionDpi};
}

int printPixels(int millimetres, int dpi)
{
    return static_cast<int>(std::lround(millimetres * static_cast<long double>(dpi) / kMillimetresPerInch));
}

bool printable(const PrintSize& size)
{
    const long long width = printPixels(size.widthMm, size.dpi);
    const long long height = printPixels(size.heightMm, size.dpi);
    return width >= 1 && height >= 1 && width * height <= kMaxPixels;
}

int dotsPerMetre(int dpi)
{
    return static_cast<int>(std::lround(dpi * 1000.0L / kMillimetresPerInch));
}

}  // namespace kvor
