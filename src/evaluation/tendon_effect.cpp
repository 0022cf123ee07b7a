#include "evaluation/tendon_effect.h"

#include "model/error.h"
#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <string>
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

void writeText(TextTable& table, int row, int col, std::string_view text) { table.setCell(row, col, text); }

// The value of a cell; a text that is no number throws the conversion error.
// Tables read by several threads at once are read this way (no text is formed).
long double numberAt(const TextTable& table, int row, int col, char sep)
{
    if (const auto v = table.number(row, col, sep))
        return *v;
    throw Error::invalidFloat(table.cell(row, col));
}

// Writes a computed value as its 15-digit text and returns what re-reading the
// cell gives. A value that is not a finite number is never written.
long double writeNumber(TextTable& table, int row, int col, long double value, char sep)
{
    return table.setNumber(row, col, checkedFinite(value), sep);
}

void startTable(TextTable& table, int rows)
{
    table.resize(rows, 9);
    for (int c = 0; c < 9; ++c)
        table.setCell(0, c, kTendonTableHeadings[static_cast<size_t>(c)]);
}

void copyPoint(const TextTable& points, int row, TextTable& table)
{
    table.setCell(row, kPoint, formatInteger(row));
    table.copyCell(row, kStation, points, row, kStoreStation);
    table.copyCell(row, kEccentricity, points, row, kStoreEccentricity);
    table.copyCell(row, kForce, points, row, kStoreForce);
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
        const StationValue found = lookupAtStation(slopes, numberAt(points, row, kStoreStation, sep));
        if (found.row == 1) {
            table.copyCell(row, kSlope, slopes.table(), 1, 1);
            d[row] = found.value;  // row 1's value as its text reads
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
    const long double e1 = numberAt(table, 1, kEccentricity, sep);
    const long double n1 = numberAt(table, 1, kForce, sep);
    const long double m1 = checkedFinite(e1 * n1);
    writeNumber(table, 1, kMoment, m1, sep);
    const long double e2 = numberAt(table, 2, kEccentricity, sep);
    const long double n2 = numberAt(table, 2, kForce, sep);
    const long double m2 = checkedFinite(-e2 * n2);
    writeNumber(table, 2, kMoment, m2, sep);

    const long double first = checkedFinite(d[1] * m1);
    const long double second = checkedFinite(d[2] * m2);
    return checkedFinite(first + second);
}

// Rows 1..n of a computed column, filled in one go: valueAt(i) is row i's value,
// kept in `out` (1-based) as its cell re-reads. When valueAt fails, the rows
// before it are written all the same, as writing row by row leaves them.
// Skipped columns get only `out`.
template <class ValueAt>
void fillColumn(TextTable& table, int col, QuantityColumns columns, int n, std::vector<long double>& out, char sep,
                ValueAt&& valueAt)
{
    const auto write = [&](int rows) {
        if (columns == QuantityColumns::Written)
            table.setNumbers(col, std::span<const long double>(out).subspan(1, static_cast<size_t>(rows)), sep);
    };
    int i = 1;
    try {
        for (; i <= n; ++i)
            out[static_cast<size_t>(i)] = roundTo15(checkedFinite(valueAt(i)));
    } catch (...) {
        write(i - 1);
        throw;
    }
    write(n);
}

// Index i of a vector used 1-based, as the points are numbered.
template <class T>
auto& at(std::vector<T>& v, int i)
{
    return v[static_cast<size_t>(i)];
}

// The loads of a tendon's points while they are first formed: the angles and
// the point forces V and H in columns 4 and 5, written point 1 first, then the
// interior points in order, then point n. Keeps V and H as re-read from their
// texts and the parsed eccentricities for the moments.
void formPointForces(const TextTable& points, TextTable& table, TendonLoads& loads,
                     std::vector<long double>& eccentricity, std::vector<long double>& horizontal, char sep,
                     LoadColumns columns = LoadColumns::Written)
{
    const int n = points.rowCount() - 1;

    // Segment k runs from point k to k+1. Eccentricities grow downwards, so the
    // rise is e(k) - e(k+1) and a tendon going down has a negative angle; a
    // vertical segment (equal stations) gets ±π/2 without dividing. A table
    // without a second point fails on the empty cell of its missing neighbour.
    // Every eccentricity is read before any force; the angles, which cannot
    // fail, are taken as the points are formed.
    const int segments = std::max(n - 1, 1);
    eccentricity.assign(static_cast<size_t>(segments) + 2, 0.0L);
    at(eccentricity, 1) = numberAt(points, 1, kStoreEccentricity, sep);
    for (int k = 1; k <= segments; ++k)
        at(eccentricity, k + 1) = numberAt(points, k + 1, kStoreEccentricity, sep);
    struct Angle {
        long double sin, cos;
    };
    const auto angle = [&](int k) {
        const long double rise = at(eccentricity, k) - at(eccentricity, k + 1);
        const long double run = at(loads.station, k + 1) - at(loads.station, k);
        const long double alpha = ::atan2l(rise, run);
        return Angle{::sinl(alpha), ::cosl(alpha)};
    };

    horizontal.assign(static_cast<size_t>(n) + 1, 0.0L);
    loads.vertical.assign(horizontal.size(), 0.0L);
    const auto force = [&](int i) { return numberAt(points, i, kStoreForce, sep); };
    // The points are formed in row order and their columns written at once,
    // also the rows formed before a failure.
    int verticals = 0, horizontals = 0;
    const auto rows = [](const std::vector<long double>& v, int count) {
        return std::span<const long double>(v).subspan(1, static_cast<size_t>(count));
    };
    const auto writeColumns = [&] {
        if (columns == LoadColumns::Skipped)
            return;
        table.setNumbers(kVertical, rows(loads.vertical, verticals), sep);
        table.setNumbers(kHorizontal, rows(horizontal, horizontals), sep);
    };
    const auto writeForces = [&](int i, long double v, long double h) {
        at(loads.vertical, i) = roundTo15(checkedFinite(v));
        verticals = i;
        at(horizontal, i) = roundTo15(checkedFinite(h));
        horizontals = i;
    };
    // First anchorage: the first segment's force. Interior point: the segment
    // starting there minus the segment ending there, each with the force of its
    // starting row. Last anchorage: minus the last segment, with the force of
    // its own row (the store repeats the last segment's force there).
    try {
        const long double first = force(1);
        Angle ending = angle(1);  // of the segment that ends at the next point
        writeForces(1, first * ending.sin, first * ending.cos);
        long double before = first;  // each force is parsed once
        for (int i = 2; i <= n - 1; ++i) {
            const long double own = force(i);
            const Angle starting = angle(i);
            writeForces(i, own * starting.sin - before * ending.sin, own * starting.cos - before * ending.cos);
            before = own;
            ending = starting;
        }
        const long double last = -force(n);
        writeForces(n, last * ending.sin, last * ending.cos);
    } catch (...) {
        writeColumns();
        throw;
    }
    writeColumns();
}

// c(i) = d(i)·M(i) + V(i)·η(i), each step guarded against overflow.
long double contribution(long double d, long double moment, long double vertical, long double eta)
{
    const long double bending = checkedFinite(d * moment);
    const long double lifting = checkedFinite(vertical * eta);
    return checkedFinite(bending + lifting);
}

// lookupAtRow(index, x, row).value, interpolating inline where it can.
long double valueAtRow(const StationIndex& index, long double x, int row)
{
    long double value;
    if (!index.interpolate(x, row, value))
        value = lookupAtRow(index, x, row).value;
    return value;
}

// lookupAtStation(index, x, row).value, interpolating inline where it can;
// `row` becomes the row the lookup stopped at.
long double valueAt(const StationIndex& index, long double x, int& row)
{
    row = index.stoppingRow(x, row);
    return valueAtRow(index, x, row);
}

long double brokenEffect(const TextTable& points, const StationIndex& line, const StationIndex& slopes,
                         TextTable& table, char sep, TendonLoads& loads, QuantityColumns columns)
{
    const int rows = points.rowCount();
    const int n = rows - 1;
    const bool formed = loads.table != nullptr;
    // The effect alone goes in one pass over the points, keeping nothing per
    // point; where that fails, column by column, which meets the failure its
    // order meets first and reports that.
    if (formed && columns == QuantityColumns::Skipped) {
        const TendonLoads* const tendon = &loads;
        if (const auto effect = effectsAtSharedStations(line, slopes, {&tendon, 1}, n).front()) {
            tendonTableOfSharedEffect(points, loads, table);
            return *effect;
        }
    }
    startTable(table, rows);

    // Each station is parsed as its ordinate is looked up, point by point.
    std::vector<long double> eta(static_cast<size_t>(std::max(n, 0)) + 1), d(eta.size());
    if (!formed)
        loads.station.assign(static_cast<size_t>(std::max(n, 1)) + 2, 0.0L);
    // Tendon stations mostly ascend: each search starts from the row of the one before.
    int near = 0;
    fillColumn(table, kOrdinate, columns, n, eta, sep, [&](int i) {
        if (!formed)
            at(loads.station, i) = numberAt(points, i, kStoreStation, sep);
        return valueAt(line, at(loads.station, i), near);
    });
    near = 0;
    fillColumn(table, kSlope, columns, n, d, sep, [&](int i) { return valueAt(slopes, at(loads.station, i), near); });
    // Station, eccentricity and force are the store's own texts: their columns
    // are held once for the store and every table of the tendon.
    table.shareColumn(kStation, points, kStoreStation);
    table.shareColumn(kEccentricity, points, kStoreEccentricity);
    table.shareColumn(kForce, points, kStoreForce);

    std::vector<long double> eccentricity, horizontal;
    long double effect = 0.0L;
    if (formed) {
        // The point numbers and loads are those of the table the loads were formed in.
        for (const int col : {kPoint, kVertical, kHorizontal})
            table.shareColumn(col, *loads.table, col);
        int i = 1;
        try {
            for (; i <= n; ++i)
                effect = checkedFinite(effect + contribution(at(d, i), at(loads.moment, i), at(loads.vertical, i), at(eta, i)));
        } catch (...) {
            // Each moment is written as its contribution is added: a failing one
            // leaves the later moment cells as they were.
            for (int k = 1; k <= i; ++k)
                table.copyCell(k, kMoment, *loads.table, k, kMoment);
            throw;
        }
        table.shareColumn(kMoment, *loads.table, kMoment);
        return effect;
    }

    for (int i = 1; i <= n; ++i)
        writeText(table, i, kPoint, formatInteger(i));
    formPointForces(points, table, loads, eccentricity, horizontal, sep);
    loads.moment.assign(horizontal.size(), 0.0L);
    for (int i = 1; i <= n; ++i) {
        at(loads.moment, i) = checkedFinite(at(eccentricity, i) * at(horizontal, i));
        writeNumber(table, i, kMoment, at(loads.moment, i), sep);
        effect = checkedFinite(effect + contribution(at(d, i), at(loads.moment, i), at(loads.vertical, i), at(eta, i)));
    }
    loads.table = &table;
    return effect;
}

}  // namespace

std::vector<std::optional<long double>> effectsAtSharedStations(const StationIndex& line, const StationIndex& slopes,
                                                                std::span<const TendonLoads* const> tendons, int n)
{
    std::vector<std::optional<long double>> effects(tendons.size(), 0.0L);
    if (tendons.empty())
        return effects;
    const std::vector<long double>& stations = tendons.front()->station;
    // Where the line and its slopes share their stations, each station's row
    // is searched once for both.
    const bool sameRows = line.sharesStations(slopes);
    int lineRow = 0, slopeRow = 0;
    for (size_t i = 1; i <= static_cast<size_t>(std::max(n, 0)); ++i) {
        const long double x = stations[i];
        long double eta, d;
        try {
            eta = roundTo15(checkedFinite(valueAt(line, x, lineRow)));
            slopeRow = sameRows ? lineRow : slopes.stoppingRow(x, slopeRow);
            d = roundTo15(checkedFinite(valueAtRow(slopes, x, slopeRow)));
        } catch (...) {
            return std::vector<std::optional<long double>>(tendons.size());
        }
        for (size_t k = 0; k < tendons.size(); ++k) {
            if (!effects[k])
                continue;
            try {
                const TendonLoads& loads = *tendons[k];
                *effects[k] = checkedFinite(*effects[k] + contribution(d, loads.moment[i], loads.vertical[i], eta));
            } catch (...) {
                effects[k].reset();
            }
        }
    }
    return effects;
}

void tendonTableOfSharedEffect(const TextTable& tendonPoints, const TendonLoads& loads, TextTable& tendonTable)
{
    // Every column but the quantity's two is held with the store or the loads' own table.
    startTable(tendonTable, tendonPoints.rowCount());
    tendonTable.shareColumn(kStation, tendonPoints, kStoreStation);
    tendonTable.shareColumn(kEccentricity, tendonPoints, kStoreEccentricity);
    tendonTable.shareColumn(kForce, tendonPoints, kStoreForce);
    for (const int col : {kPoint, kVertical, kHorizontal, kMoment})
        tendonTable.shareColumn(col, *loads.table, col);
}

void formBrokenTendonLoads(const TextTable& points, TextTable& table, TendonLoads& loads, char sep,
                           LoadColumns columns)
{
    const int rows = points.rowCount();
    const int n = rows - 1;
    const bool written = columns == LoadColumns::Written;
    startTable(table, rows);
    loads.station.assign(static_cast<size_t>(std::max(n, 1)) + 2, 0.0L);
    for (int i = 1; i <= n; ++i)
        at(loads.station, i) = numberAt(points, i, kStoreStation, sep);
    if (written) {
        table.shareColumn(kStation, points, kStoreStation);
        table.shareColumn(kEccentricity, points, kStoreEccentricity);
        table.shareColumn(kForce, points, kStoreForce);
        for (int i = 1; i <= n; ++i)
            writeText(table, i, kPoint, formatInteger(i));
    }
    std::vector<long double> eccentricity, horizontal;
    formPointForces(points, table, loads, eccentricity, horizontal, sep, columns);
    // Each point's H becomes its moment M = e·H in place: no array of its own.
    loads.moment = std::move(horizontal);
    const auto moment = [&](int i) {
        return at(loads.moment, i) = checkedFinite(at(eccentricity, i) * at(loads.moment, i));
    };
    if (written) {
        std::vector<long double> momentCells(loads.moment.size());
        fillColumn(table, kMoment, QuantityColumns::Written, n, momentCells, sep, moment);
    } else {
        // The moments enter the effects unrounded: their texts are not needed.
        for (int i = 1; i <= n; ++i)
            moment(i);
    }
    loads.table = &table;
}

std::optional<long double> tendonEffect(TendonType type, const TextTable& tendonPoints, const StationIndex& line,
                                        const StationIndex& slopes, TextTable& tendonTable, char sep,
                                        TendonLoads& loads, QuantityColumns columns)
{
    switch (type) {
    case TendonType::Straight:
        return straightEffect(tendonPoints, slopes, tendonTable, sep);
    case TendonType::Broken:
        return brokenEffect(tendonPoints, line, slopes, tendonTable, sep, loads, columns);
    default:
        return std::nullopt;
    }
}

std::optional<long double> tendonEffect(TendonType type, const TextTable& tendonPoints, const StationIndex& line,
                                        const StationIndex& slopes, TextTable& tendonTable, char sep)
{
    TendonLoads loads;
    return tendonEffect(type, tendonPoints, line, slopes, tendonTable, sep, loads);
}

}  // namespace kvor
