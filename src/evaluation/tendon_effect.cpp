#include "evaluation/tendon_effect.h"

#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kvor {

const std::array<const char*, 9> kTendonTableHeadings = {
    "Bod", "Staničení", "Excentricita", "Předp.síla", "Svislá síla",
    "Vodorovná síla", "Moment", "Příč.čára", "Derivace př.čáry"};

namespace {

enum Column { kPoint = 0, kStation, kEccentricity, kForce, kVertical, kHorizontal, kMoment, kOrdinate, kSlope };

// Store table columns of a tendon point.
constexpr int kStoreStation = 0;
constexpr int kStoreEccentricity = 1;
constexpr int kStoreForce = 2;

void startTable(TextTable& table, int rows)
{
    table.resize(rows, 9);
    for (int c = 0; c < 9; ++c)
        table.setCell(0, c, kTendonTableHeadings[static_cast<size_t>(c)]);
}

void copyPoint(const TextTable& points, int row, TextTable& table)
{
    table.setCell(row, kPoint, formatInteger(row));
    table.setCell(row, kStation, points.cell(row, kStoreStation));
    table.setCell(row, kEccentricity, points.cell(row, kStoreEccentricity));
    table.setCell(row, kForce, points.cell(row, kStoreForce));
}

// Writes a computed value as its 15-digit text and returns what re-reading the
// cell gives. A value that is not a finite number is never written.
long double writeNumber(TextTable& table, int row, int col, long double value, char sep)
{
    FormattedNumber f = formatAndReread(checkedFinite(value), sep);
    table.setCell(row, col, std::move(f.text));
    return f.reread;
}

long double straightEffect(const TextTable& points, const StationIndex& slopes, TextTable& table, char sep)
{
    startTable(table, 3);
    for (int row = 1; row <= 2; ++row)
        copyPoint(points, row, table);

    // A slope found at the first station is that row's text itself; an
    // interpolated one is written as 15 digits. Either way it is re-read.
    long double d[3];
    for (int row = 1; row <= 2; ++row) {
        const StationValue found = lookupAtStation(slopes, toNumber(points.cell(row, kStoreStation), sep));
        if (found.row == 1) {
            const std::string_view text = slopes.table().cell(1, 1);
            table.setCell(row, kSlope, text);
            d[row] = toNumber(text, sep);
        } else {
            d[row] = writeNumber(table, row, kSlope, found.value, sep);
        }
    }
    for (int row = 1; row <= 2; ++row) {
        table.setCell(row, kVertical, "0");
        table.setCell(row, kHorizontal, "0");
        table.setCell(row, kOrdinate, "0");
    }

    // The anchorage moments have opposite signs: N·e at the first, -N·e at the
    // second. They enter the sum unrounded.
    const long double e1 = toNumber(table.cell(1, kEccentricity), sep);
    const long double n1 = toNumber(table.cell(1, kForce), sep);
    const long double m1 = checkedFinite(e1 * n1);
    writeNumber(table, 1, kMoment, m1, sep);
    const long double e2 = toNumber(table.cell(2, kEccentricity), sep);
    const long double n2 = toNumber(table.cell(2, kForce), sep);
    const long double m2 = checkedFinite(-e2 * n2);
    writeNumber(table, 2, kMoment, m2, sep);

    const long double first = checkedFinite(d[1] * m1);
    const long double second = checkedFinite(d[2] * m2);
    return checkedFinite(first + second);
}

long double brokenEffect(const TextTable& points, const StationIndex& line, const StationIndex& slopes,
                         TextTable& table, char sep)
{
    const int rows = points.rowCount();
    const int n = rows - 1;
    startTable(table, rows);

    const auto at = [](auto& v, int i) -> auto& { return v[static_cast<size_t>(i)]; };  // 1-based use
    std::vector<long double> x(static_cast<size_t>(std::max(n, 1)) + 2);
    std::vector<long double> eta(x.size()), d(x.size()), v(x.size()), h(x.size()), e(x.size());

    for (int i = 1; i <= n; ++i) {
        at(x, i) = toNumber(points.cell(i, kStoreStation), sep);
        at(eta, i) = writeNumber(table, i, kOrdinate, lookupAtStation(line, at(x, i)).value, sep);
    }
    for (int i = 1; i <= n; ++i)
        at(d, i) = writeNumber(table, i, kSlope, lookupAtStation(slopes, at(x, i)).value, sep);
    for (int i = 1; i <= n; ++i)
        copyPoint(points, i, table);

    // Segment k runs from point k to k+1. Eccentricities grow downwards, so the
    // rise is e(k) - e(k+1) and a tendon going down has a negative angle; a
    // vertical segment (equal stations) gets ±π/2 without dividing. A table
    // without a second point fails on the empty cell of its missing neighbour.
    const int segments = std::max(n - 1, 1);
    std::vector<long double> sinA(static_cast<size_t>(segments) + 1), cosA(sinA.size());
    for (int k = 1; k <= segments; ++k) {
        const long double eFrom = toNumber(points.cell(k, kStoreEccentricity), sep);
        const long double eTo = toNumber(points.cell(k + 1, kStoreEccentricity), sep);
        const long double xTo = toNumber(points.cell(k + 1, kStoreStation), sep);
        const long double xFrom = toNumber(points.cell(k, kStoreStation), sep);
        const long double alpha = ::atan2l(eFrom - eTo, xTo - xFrom);
        at(sinA, k) = ::sinl(alpha);
        at(cosA, k) = ::cosl(alpha);
        at(e, k) = eFrom;
        at(e, k + 1) = eTo;
    }

    const auto force = [&](int i) { return toNumber(points.cell(i, kStoreForce), sep); };
    const auto writeForces = [&](int i, long double vertical, long double horizontal) {
        at(v, i) = writeNumber(table, i, kVertical, vertical, sep);
        at(h, i) = writeNumber(table, i, kHorizontal, horizontal, sep);
    };
    // First anchorage: the first segment's force. Interior point: the segment
    // starting there minus the segment ending there, each with the force of its
    // starting row. Last anchorage: minus the last segment, with the force of
    // its own row (the store repeats the last segment's force there).
    {
        const long double n1 = force(1);
        writeForces(1, n1 * at(sinA, 1), n1 * at(cosA, 1));
    }
    for (int i = 2; i <= n - 1; ++i) {
        const long double own = force(i);
        const long double before = force(i - 1);
        writeForces(i, own * at(sinA, i) - before * at(sinA, i - 1), own * at(cosA, i) - before * at(cosA, i - 1));
    }
    if (n >= 2) {
        const long double last = -force(n);
        writeForces(n, last * at(sinA, n - 1), last * at(cosA, n - 1));
    }

    long double effect = 0.0L;
    for (int i = 1; i <= n; ++i) {
        const long double moment = checkedFinite(at(e, i) * at(h, i));
        writeNumber(table, i, kMoment, moment, sep);
        const long double bending = checkedFinite(at(d, i) * moment);
        const long double lifting = checkedFinite(at(v, i) * at(eta, i));
        const long double contribution = checkedFinite(bending + lifting);
        effect = checkedFinite(effect + contribution);
    }
    return effect;
}

}  // namespace

std::optional<long double> tendonEffect(TendonType type, const TextTable& tendonPoints, const StationIndex& line,
                                        const StationIndex& slopes, TextTable& tendonTable, char sep)
{
    switch (type) {
    case TendonType::Straight:
        return straightEffect(tendonPoints, slopes, tendonTable, sep);
    case TendonType::Broken:
        return brokenEffect(tendonPoints, line, slopes, tendonTable, sep);
    default:
        return std::nullopt;
    }
}

}  // namespace kvor
