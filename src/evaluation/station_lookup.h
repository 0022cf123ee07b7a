#pragma once
// Values of a station table (influence line or derivative table: rows 1..m,
// column 0 station, column 1 value) at an arbitrary station x.
//
// The rule is that of a scan from row 1: stop at the first row j whose station
// is >= x; j = 1 gives v(1) (no extrapolation before the first station),
// otherwise v(j-1) + (v(j) - v(j-1)) / (s(j) - s(j-1)) * (x - s(j-1)), evaluated
// as written even when x equals s(j). At a jump (equal stations) a point exactly
// there takes the left value. A scan that meets a station text that is no number
// (the empty cell after the last row included) throws the conversion error of
// that text, so a station past the last one is an error.
//
// StationIndex parses the table once, up to the first station text that is no
// number, and keeps the prefix maximum of the stations: the scan's stopping row
// is the first row whose prefix maximum is >= x, found by bisection in O(log m).
// Unsorted columns give exactly the scan's result too. A value text that is no
// number fails only when a lookup uses it, as in the scan.
//
// A table of slopes may hold, at a station where its line kinks, a value for
// each side besides the row's own (OneSidedSlope): a station strictly between
// such a row and its neighbour then interpolates from the side that faces it,
// and the station itself takes the row's value.

#include "model/text_table.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string_view>
#include <vector>

namespace kvor {

// The slopes just left and just right of row `row`'s station, 15-digit values.
struct OneSidedSlope {
    int row;
    long double left;
    long double right;
};

class StationIndex {
public:
    // `table` must outlive the index and stay unchanged while it is used.
    StationIndex(const TextTable& table, char sep);
    // The index of `table` from its numbers as read already: the stations of
    // rows 1..k before the first station text that is no number and the values
    // of those rows (NaN for a value text that is no number), k of each. With
    // the numbers `sep` reads from the texts it is the index the above forms.
    StationIndex(const TextTable& table, std::vector<long double> stations, std::vector<long double> values);

    // The index of `table`, whose station column holds the same texts as this
    // index's table (a derivative table and its line): the stations are taken
    // from this index, only the values are read.
    StationIndex withValues(const TextTable& table, char sep) const;
    // The same with the one-sided values of the rows in `sides` (ascending rows).
    StationIndex withValues(const TextTable& table, char sep, const std::vector<OneSidedSlope>& sides) const;
    // This index over `table`, which holds the same texts as this index's
    // table: nothing is parsed again.
    StationIndex over(const TextTable& table) const;

    const TextTable& table() const { return *table_; }
    // Row the scan for x stops at (1..m), or 0 when it meets a station text
    // that is no number first. `nearRow`, a guess such as the previous answer,
    // only speeds the search up: from it a gallop brackets the answer, so
    // ascending queries cost amortised O(1); 0 means no guess.
    int stoppingRow(long double x, int nearRow = 0) const;
    // Rows 1..numberedRows() come before the first station text that is no number.
    // Station and value of such a row;
    // value() throws the conversion error of a value text that is no number.
    int numberedRows() const { return static_cast<int>(stations_->size()); }
    long double station(int row) const { return (*stations_)[static_cast<size_t>(row - 1)]; }
    long double value(int row) const;
    // The chord slope (v(j) - v(j-1)) / (s(j) - s(j-1)) ending at row j = 2..k
    // (from the one-sided values facing the chord where a row has them); NaN
    // where the division or a value fails, which a lookup then repeats to
    // report the failure. Divided at each call: an array of them would cost
    // as much memory as the values.
    long double chordSlope(int row) const;
    // The value a chord ending at row j starts from at row j - 1: its right
    // side where it has sides, else its value (which throws as value() does).
    long double chordStart(int row) const;
    // Whether the row keeps one-sided values (the station itself then takes value()).
    bool hasSides(int row) const;
    // The first station text in row order that is no number (the empty cell past
    // the last row when every station is a number).
    std::string_view firstNonNumberText() const;
    // lookupAtRow(*this, x, row) where it is plain interpolation between two
    // numbers (a row past the first, neither end with one-sided values) and
    // every step is finite: the same value in the same steps, inline. False
    // otherwise, and lookupAtRow then gives the value or the failure.
    bool interpolate(long double x, int row, long double& out) const
    {
        if (row < 2)
            return false;
        if (!sides_.empty()) {
            // The first row with sides at or after the chord's start.
            const auto it = std::lower_bound(sides_.begin(), sides_.end(), row - 1,
                                             [](const OneSidedSlope& side, int r) { return side.row < r; });
            if (it != sides_.end() && it->row <= row)
                return false;
        }
        const size_t j = static_cast<size_t>(row - 1);
        const long double* s = stations_->data();
        const long double* v = values_->data();
        const long double slope = (v[j] - v[j - 1]) / (s[j] - s[j - 1]);
        const long double run = x - s[j - 1];
        const long double rise = slope * run;
        out = rise + v[j - 1];
        return std::isfinite(slope) && std::isfinite(run) && std::isfinite(rise) && std::isfinite(out);
    }
    // Whether both indexes hold one and the same parsed station column (an
    // index and those formed from it by withValues): a station then stops at
    // the same row in both.
    bool sharesStations(const StationIndex& other) const { return stations_ == other.stations_; }

private:
    using Numbers = std::shared_ptr<const std::vector<long double>>;
    const TextTable* table_;
    // The stations are held once for an index and those formed from it by withValues.
    Numbers stations_;    // s(1..k), k rows before the first non-number
    Numbers prefixMax_;   // max of s(1..j); empty while the stations ascend
    Numbers values_;      // v(1..k); NaN where the text is no number
    std::vector<OneSidedSlope> sides_;      // ascending rows; usually none or one

    // Holds the numbers and the prefix maximum of the stations.
    void hold(std::vector<long double> stations, std::vector<long double> values);
    // The stations of `stationsOf` (shared) with the values of `table`.
    StationIndex(const StationIndex& stationsOf, const TextTable& table, char sep, std::vector<OneSidedSlope> sides);

    const OneSidedSlope* sidesOf(int row) const;
};

struct StationValue {
    long double value;
    int row;  // the row the scan stopped at; 1 means the value of row 1 was taken as it is
};

// The value at station x; throws as described above. `nearRow` as for
// StationIndex::stoppingRow: pass the previous result's row when the stations
// looked up ascend; the result does not depend on it.
StationValue lookupAtStation(const StationIndex& index, long double x, int nearRow = 0);
// The same where the stopping row is already known (index.stoppingRow(x)):
// several indexes sharing their stations look a station up once.
StationValue lookupAtRow(const StationIndex& index, long double x, int row);

}  // namespace kvor
