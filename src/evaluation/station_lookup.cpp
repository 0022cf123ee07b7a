#include "evaluation/station_lookup.h"

#include "model/error.h"
#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace kvor {

StationIndex::StationIndex(const TextTable& table, char sep) : table_(&table)
{
    const int m = table.rowCount() - 1;
    std::vector<long double> stations, values;
    stations.reserve(static_cast<size_t>(std::max(m, 0)));
    values.reserve(stations.capacity());
    for (int row = 1; row <= m; ++row) {
        const auto s = table.number(row, 0, sep);
        if (!s)
            break;  // the scan can never pass this row
        stations.push_back(*s);
        // A parsed number is never NaN, so NaN marks a value text that is no number.
        values.push_back(table.number(row, 1, sep).value_or(std::numeric_limits<long double>::quiet_NaN()));
    }
    hold(std::move(stations), std::move(values));
}

StationIndex::StationIndex(const TextTable& table, std::vector<long double> stations, std::vector<long double> values)
    : table_(&table)
{
    if (stations.size() != values.size() || stations.size() > static_cast<size_t>(std::max(table.rowCount() - 1, 0)))
        throw std::invalid_argument("StationIndex: the numbers do not fit the table");
    hold(std::move(stations), std::move(values));
}

void StationIndex::hold(std::vector<long double> stations, std::vector<long double> values)
{
    // Ascending stations are their own prefix maximum: a second array is
    // kept only from the first station that falls back.
    std::vector<long double> prefixMax;
    for (size_t i = 1; i < stations.size(); ++i) {
        if (stations[i] >= stations[i - 1])
            continue;
        prefixMax.reserve(stations.size());
        prefixMax.assign(stations.begin(), stations.begin() + static_cast<std::ptrdiff_t>(i));
        for (; i < stations.size(); ++i)
            prefixMax.push_back(std::max(prefixMax.back(), stations[i]));
    }
    values_ = std::make_shared<const std::vector<long double>>(std::move(values));
    stations_ = std::make_shared<const std::vector<long double>>(std::move(stations));
    prefixMax_ = std::make_shared<const std::vector<long double>>(std::move(prefixMax));
}

long double StationIndex::chordSlope(int row) const
{
    // Exactly the division a lookup makes (checkedDivide), where it succeeds.
    constexpr long double kFails = std::numeric_limits<long double>::quiet_NaN();
    if (row < 2)
        return kFails;
    const size_t j = static_cast<size_t>(row - 1);
    const std::vector<long double>& stations = *stations_;
    const long double run = stations[j] - stations[j - 1];
    if (run == 0)
        return kFails;
    const OneSidedSlope* start = sidesOf(row - 1);
    const OneSidedSlope* end = sidesOf(row);
    const std::vector<long double>& values = *values_;
    const long double from = start ? start->right : values[j - 1];
    const long double to = end ? end->left : values[j];
    const long double slope = (to - from) / run;
    return std::isfinite(slope) ? slope : kFails;
}

StationIndex::StationIndex(const StationIndex& stationsOf, const TextTable& table, char sep,
                           std::vector<OneSidedSlope> sides)
    : table_(&table), stations_(stationsOf.stations_), prefixMax_(stationsOf.prefixMax_), sides_(std::move(sides))
{
    constexpr long double kNotANumber = std::numeric_limits<long double>::quiet_NaN();
    std::vector<long double> values(stations_->size());
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = table.number(static_cast<int>(i) + 1, 1, sep).value_or(kNotANumber);
    values_ = std::make_shared<const std::vector<long double>>(std::move(values));
}

StationIndex StationIndex::over(const TextTable& table) const
{
    StationIndex index = *this;
    index.table_ = &table;
    return index;
}

StationIndex StationIndex::withValues(const TextTable& table, char sep) const
{
    return StationIndex(*this, table, sep, sides_);
}

StationIndex StationIndex::withValues(const TextTable& table, char sep, const std::vector<OneSidedSlope>& sides) const
{
    return StationIndex(*this, table, sep, sides);
}

const OneSidedSlope* StationIndex::sidesOf(int row) const
{
    if (sides_.empty())
        return nullptr;
    const auto it = std::lower_bound(sides_.begin(), sides_.end(), row,
                                     [](const OneSidedSlope& s, int r) { return s.row < r; });
    return it != sides_.end() && it->row == row ? &*it : nullptr;
}

bool StationIndex::hasSides(int row) const { return sidesOf(row) != nullptr; }

long double StationIndex::chordStart(int row) const
{
    if (const OneSidedSlope* s = sidesOf(row))
        return s->right;
    return value(row);
}

long double StationIndex::value(int row) const
{
    const long double v = (*values_)[static_cast<size_t>(row - 1)];
    if (std::isnan(v))
        throw Error::invalidFloat(table_->cell(row, 1));
    return v;
}

int StationIndex::stoppingRow(long double x, int nearRow) const
{
    // The scan passes row j exactly while s(j) < x, so it stops at the first row
    // whose prefix maximum reaches x: a lower bound in a non-decreasing array.
    const std::vector<long double>& prefixMax = prefixMax_->empty() ? *stations_ : *prefixMax_;
    const size_t k = prefixMax.size();
    size_t lo = 0;  // the answer (0-based) lies in [lo, hi]; hi = k means none
    size_t hi = k;
    if (nearRow > 0 && static_cast<size_t>(nearRow) <= k) {
        const size_t guess = static_cast<size_t>(nearRow) - 1;
        size_t step = 1;
        if (prefixMax[guess] < x) {
            lo = guess + 1;  // gallop right until an entry reaches x
            while (lo + step - 1 < k && prefixMax[lo + step - 1] < x) {
                lo += step;
                step *= 2;
            }
            hi = std::min(lo + step - 1, k);
        } else {
            hi = guess;  // gallop left while entries still reach x
            while (hi >= step && prefixMax[hi - step] >= x) {
                hi -= step;
                step *= 2;
            }
            lo = hi >= step ? hi - step + 1 : 0;
        }
    }
    const auto it = std::lower_bound(prefixMax.begin() + static_cast<std::ptrdiff_t>(lo),
                                     prefixMax.begin() + static_cast<std::ptrdiff_t>(hi), x);
    const size_t found = static_cast<size_t>(it - prefixMax.begin());
    if (found == k)
        return 0;
    return static_cast<int>(found) + 1;
}

std::string_view StationIndex::firstNonNumberText() const
{
    return table_->cell(static_cast<int>(stations_->size()) + 1, 0);
}

StationValue lookupAtStation(const StationIndex& index, long double x, int nearRow)
{
    return lookupAtRow(index, x, index.stoppingRow(x, nearRow));
}

StationValue lookupAtRow(const StationIndex& index, long double x, int j)
{
    if (j == 0)
        throw Error::invalidFloat(index.firstNonNumberText());
    if (j == 1 || (x == index.station(j) && index.hasSides(j)))
        return {index.value(j), j};

    // The chord's slope first, then its share of the run, then the left value:
    // also at x = s(j), so the result may differ from v(j) in the last bit.
    long double slope = index.chordSlope(j);
    if (std::isnan(slope)) {
        const long double right = index.value(j);  // reports a value text that is no number
        slope = checkedDivide(right - index.value(j - 1), index.station(j) - index.station(j - 1));
    }
    const long double left = index.chordStart(j - 1);
    const long double run = checkedFinite(x - index.station(j - 1));
    const long double rise = checkedFinite(slope * run);
    return {checkedFinite(rise + left), j};
}

}  // namespace kvor
