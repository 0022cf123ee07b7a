#include "evaluation/derivative_table.h"

#include "model/error.h"
#include "model/numbers.h"

namespace kvor {
namespace {

void startTable(const TextTable& line, TextTable& derivatives)
{
    derivatives.resize(line.rowCount(), 2);
    derivatives.setRow(0, {"Staničení", "Derivace příč.č."});
}

// Every station is a copy of the line's: hold that column once.
void finishTable(const TextTable& line, TextTable& derivatives) { derivatives.shareColumn(0, line, 0); }

// The stations of rows 1..rows copied one by one, for a table left unfinished.
void copyStations(const TextTable& line, TextTable& derivatives, int rows)
{
    for (int i = 1; i <= rows; ++i)
        derivatives.copyCell(i, 0, line, i, 0);
}

}  // namespace

std::vector<OneSidedSlope> buildDerivativeTable(const TextTable& line, TextTable& derivatives, char sep,
                                                std::optional<long double> station)
{
    return buildDerivativeTable(StationIndex(line, sep), derivatives, sep, station);
}

std::vector<OneSidedSlope> buildDerivativeTable(const StationIndex& index, TextTable& derivatives, char sep,
                                                std::optional<long double> station)
{
    const TextTable& line = index.table();
    const int n = line.rowCount() - 1;
    startTable(line, derivatives);

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
    const auto x = [&](int i) { return value(i, 0); };
    const auto y = [&](int i) { return value(i, 1); };
    const auto difference = [&](int ahead, int behind) {
        // Read in the formula's order, so the first bad text is the one reported.
        const long double yAhead = y(ahead);
        const long double yBehind = y(behind);
        const long double xAhead = x(ahead);
        const long double xBehind = x(behind);
        return checkedDivide(yAhead - yBehind, xAhead - xBehind);
    };
    // Stations compared without failing, so that a text that is no number is
    // reported where the difference formula reads it, as ever.
    const auto stationIfNumber = [&](int i) -> std::optional<long double> {
        if (i >= 1 && i <= indexed)
            return index.station(i);
        return line.number(i, 0, sep);
    };
    const auto sameStation = [&](int i, int j) {
        const auto a = stationIfNumber(i);
        const auto b = stationIfNumber(j);
        return a && b && *a == *b;
    };
    // A neighbour on the point's own side: not across a jump (equal stations).
    const auto ownLeft = [&](int i) { return i > 1 && !sameStation(i - 1, i); };
    const auto ownRight = [&](int i) { return i < n && !sameStation(i + 1, i); };
    const auto atStation = [&](int i) {
        const auto s = stationIfNumber(i);
        return station && s && *s == *station;
    };

    std::vector<OneSidedSlope> sides;
    const auto writeSlope = [&](int i) {
        const bool left = ownLeft(i);
        const bool right = ownRight(i);
        if (left && right && atStation(i)) {
            // The line may kink at its own section: both sides kept apart.
            const long double behind = roundTo15(difference(i, i - 1));
            const long double ahead = roundTo15(difference(i + 1, i));
            derivatives.setNumber(i, 1, checkedFinite((behind + ahead) / 2), sep);
            sides.push_back({i, behind, ahead});
        } else if (left && !right) {
            derivatives.setNumber(i, 1, difference(i, i - 1), sep);
        } else if (right && !left) {
            derivatives.setNumber(i, 1, difference(i + 1, i), sep);
        } else if (i == 1) {
            derivatives.setNumber(i, 1, difference(2, 1), sep);  // divides by zero unless both exist
        } else if (i == n) {
            derivatives.setNumber(i, 1, difference(n, n - 1), sep);
        } else {
            // The central difference spans both neighbours, unweighted by spacing.
            derivatives.setNumber(i, 1, difference(i + 1, i - 1), sep);
        }
    };

    // Each station is the line's own and the column is shared at the end; a
    // failure leaves the stations of the rows reached copied, as copying each
    // row's station before its slope does.
    int reached = 0;
    try {
        for (int i = 1; i <= n; ++i) {
            reached = i;
            if (i > 1 && i < n)
                writeSlope(i);
        }
        writeSlope(1);  // a single point fails here on its missing neighbour
        if (n > 1)
            writeSlope(n);
    } catch (...) {
        copyStations(line, derivatives, reached);
        throw;
    }
    finishTable(line, derivatives);
    return sides;
}

std::vector<OneSidedSlope> buildDerivativeTable(const StationIndex& index, const std::vector<StationSlopes>& exact,
                                                TextTable& derivatives, char sep)
{
    const TextTable& line = index.table();
    startTable(line, derivatives);
    std::vector<OneSidedSlope> sides;
    int reached = 0;  // as above: the stations are copied only for a failure
    try {
        for (int i = 1; i < line.rowCount(); ++i) {
            reached = i;
            const StationSlopes& s = exact.at(static_cast<size_t>(i - 1));
            const long double left = roundTo15(s.left);
            const long double right = roundTo15(s.right);
            if (left == right) {
                derivatives.setNumber(i, 1, s.left, sep);
                continue;
            }
            derivatives.setNumber(i, 1, checkedFinite((left + right) / 2), sep);
            sides.push_back({i, left, right});
        }
    } catch (...) {
        copyStations(line, derivatives, reached);
        throw;
    }
    finishTable(line, derivatives);
    return sides;
}

}  // namespace kvor
