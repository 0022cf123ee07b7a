#include "evaluation/derivative_table.h"

#include "model/error.h"
#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace kvor {

void buildDerivativeTable(const TextTable& line, TextTable& derivatives, char sep)
{
    const int rows = line.rowCount();
    const int n = rows - 1;
    derivatives.resize(rows, 2);
    derivatives.setRow(0, {"Staničení", "Derivace příč.č."});

    // Reading past the last row gives the empty text, so a line of a single
    // point fails on its missing neighbour with the conversion error of ''.
    const auto read = [&](int i, int col) {
        if (const auto v = line.number(i, col, sep))
            return *v;
        throw Error::invalidFloat(line.cell(i, col));
    };
    // Each point's two numbers are parsed once; NaN (never a parsed value)
    // marks a text that is no number, which fails where the formula reads it.
    std::vector<long double> parsed(2 * static_cast<size_t>(std::max(n, 0)) + 2);
    for (int i = 1; i <= n; ++i)
        for (int col = 0; col < 2; ++col)
            parsed[2 * static_cast<size_t>(i) + static_cast<size_t>(col)] =
                line.number(i, col, sep).value_or(std::numeric_limits<long double>::quiet_NaN());
    const auto value = [&](int i, int col) {
        if (i < 1 || i > n)
            return read(i, col);
        const long double v = parsed[2 * static_cast<size_t>(i) + static_cast<size_t>(col)];
        return std::isnan(v) ? read(i, col) : v;
    };
    const auto station = [&](int i) { return value(i, 0); };
    const auto ordinate = [&](int i) { return value(i, 1); };
    const auto writeSlope = [&](int row, int ahead, int behind) {
        // Read in the formula's order, so the first bad text is the one reported.
        const long double yAhead = ordinate(ahead);
        const long double yBehind = ordinate(behind);
        const long double xAhead = station(ahead);
        const long double xBehind = station(behind);
        const long double dy = yAhead - yBehind;
        const long double dx = xAhead - xBehind;
        derivatives.setNumber(row, 1, checkedDivide(dy, dx), sep);
    };

    for (int i = 1; i <= n; ++i) {
        derivatives.copyCell(i, 0, line, i, 0);
        // The central difference spans both neighbours, unweighted by spacing.
        if (i > 1 && i < n)
            writeSlope(i, i + 1, i - 1);
    }
    writeSlope(1, 2, 1);
    writeSlope(n, n, n - 1);
    // Every station is now a copy of the line's: hold that column once.
    derivatives.shareColumn(0, line, 0);
}

}  // namespace kvor
