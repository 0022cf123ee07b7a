#include "evaluation/derivative_table.h"

#include "model/error.h"
#include "model/numbers.h"

namespace kvor {

void buildDerivativeTable(const TextTable& line, TextTable& derivatives, char sep)
{
    buildDerivativeTable(StationIndex(line, sep), derivatives, sep);
}

void buildDerivativeTable(const StationIndex& index, TextTable& derivatives, char sep)
{
    const TextTable& line = index.table();
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
    // The index holds each point's two numbers as parsed once (an ordinate that
    // is no number fails where the formula reads it); rows from the first
    // station that is no number on are read here, which fails there.
    const int indexed = index.numberedRows();
    const auto value = [&](int i, int col) {
        if (i < 1 || i > indexed)
            return read(i, col);
        return col == 0 ? index.station(i) : index.value(i);
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
