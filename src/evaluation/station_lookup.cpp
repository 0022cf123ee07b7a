#include "evaluation/station_lookup.h"

#include "model/error.h"
#include "model/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kvor {

StationIndex::StationIndex(const TextTable& table, char sep) : table_(&table)
{
    const int m = table.rowCount() - 1;
    stations_.reserve(static_cast<size_t>(std::max(m, 0)));
    prefixMax_.reserve(stations_.capacity());
    values_.reserve(stations_.capacity());
    for (int row = 1; row <= m; ++row) {
        const auto s = parseNumber(table.cell(row, 0), sep);
        if (!s)
            break;  // the scan can never pass this row
        stations_.push_back(*s);
        prefixMax_.push_back(prefixMax_.empty() ? *s : std::max(prefixMax_.back(), *s));
        // A parsed number is never NaN, so NaN marks a value text that is no number.
        values_.push_back(parseNumber(table.cell(row, 1), sep).value_or(std::numeric_limits<long double>::quiet_NaN()));
    }
}

long double StationIndex::value(int row) const
{
    const long double v = values_[static_cast<size_t>(row - 1)];
    if (std::isnan(v))
        throw Error::invalidFloat(table_->cell(row, 1));
    return v;
}

int StationIndex::stoppingRow(long double x) const
{
    // The scan passes row j exactly while s(j) < x, so it stops at the first row
    // whose prefix maximum reaches x.
    const auto it = std::lower_bound(prefixMax_.begin(), prefixMax_.end(), x);
    if (it == prefixMax_.end())
        return 0;
    return static_cast<int>(it - prefixMax_.begin()) + 1;
}

std::string_view StationIndex::firstNonNumberText() const
{
    return table_->cell(static_cast<int>(stations_.size()) + 1, 0);
}

StationValue lookupAtStation(const StationIndex& index, long double x)
{
    const int j = index.stoppingRow(x);
    if (j == 0)
        throw Error::invalidFloat(index.firstNonNumberText());
    if (j == 1)
        return {index.value(1), 1};

    // The chord's slope first, then its share of the run, then the left value:
    // also at x = s(j), so the result may differ from v(j) in the last bit.
    const long double right = index.value(j);
    const long double left = index.value(j - 1);
    const long double slope = checkedDivide(right - left, index.station(j) - index.station(j - 1));
    const long double run = checkedFinite(x - index.station(j - 1));
    const long double rise = checkedFinite(slope * run);
    return {checkedFinite(rise + left), j};
}

}  // namespace kvor
