#include "evaluation/station_lookup.h"

#include "model/error.h"
#include "model/numbers.h"

#include <algorithm>

namespace kvor {

StationIndex::StationIndex(const TextTable& table, char sep) : table_(&table), sep_(sep)
{
    const int m = table.rowCount() - 1;
    stations_.reserve(static_cast<size_t>(std::max(m, 0)));
    prefixMax_.reserve(stations_.capacity());
    for (int row = 1; row <= m; ++row) {
        const auto s = parseNumber(table.cell(row, 0), sep);
        if (!s)
            break;  // the scan can never pass this row
        stations_.push_back(*s);
        prefixMax_.push_back(prefixMax_.empty() ? *s : std::max(prefixMax_.back(), *s));
    }
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
    const TextTable& table = index.table();
    const char sep = index.separator();
    if (j == 1)
        return {toNumber(table.cell(1, 1), sep), 1};

    // The chord's slope first, then its share of the run, then the left value:
    // also at x = s(j), so the result may differ from v(j) in the last bit.
    const long double right = toNumber(table.cell(j, 1), sep);
    const long double left = toNumber(table.cell(j - 1, 1), sep);
    const long double slope = checkedDivide(right - left, index.station(j) - index.station(j - 1));
    const long double run = checkedFinite(x - index.station(j - 1));
    const long double rise = checkedFinite(slope * run);
    return {checkedFinite(rise + left), j};
}

}  // namespace kvor
