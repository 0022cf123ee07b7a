#include "evaluation/derivative_table.h"

#include "model/numbers.h"

namespace kvor {

void buildDerivativeTable(const TextTable& line, TextTable& derivatives, char sep)
{
    const int rows = line.rowCount();
    const int n = rows - 1;
    derivatives.resize(rows, 2);
    derivatives.setRow(0, {"Staničení", "Derivace příč.č."});

    // Reading past the last row gives the empty text, so a line of a single
    // point fails on its missing neighbour with the conversion error of ''.
    const auto station = [&](int i) { return toNumber(line.cell(i, 0), sep); };
    const auto ordinate = [&](int i) { return toNumber(line.cell(i, 1), sep); };
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
        derivatives.setCell(i, 0, line.cell(i, 0));
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
