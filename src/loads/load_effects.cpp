#include "loads/load_effects.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>

namespace kvor {

namespace {

// The line on R as its distinct stations x_0 < … < x_{K−1}, with the first and
// the last row at each (equal when the station has one row) and the adverse
// values there: the rows and, at an end of R, the 0 outside.
struct Breakpoints {
    std::vector<long double> x;
    std::vector<long double> first;
    std::vector<long double> last;
    std::vector<long double> highest;
    std::vector<long double> lowest;
    // Piece j runs from station j − 1 to station j: its slope; pieces 0 and K lie off R.
    std::vector<long double> slope;

    std::size_t size() const { return x.size(); }
};

void addRow(Breakpoints& b, long double station, long double value)
{
    if (!b.x.empty() && b.x.back() == station) {
        b.last.back() = value;
        b.highest.back() = std::max(b.highest.back(), value);
        b.lowest.back() = std::min(b.lowest.back(), value);
        return;
    }
    b.x.push_back(station);
    b.first.push_back(value);
    b.last.push_back(value);
    b.highest.push_back(value);
    b.lowest.push_back(value);
}

long double interpolate(long double s0, long double v0, long double s1, long double v1, long double s)
{
    return v0 + (v1 - v0) / (s1 - s0) * (s - s0);
}

// The rows of the line that lie on R, with R's ends added at the interpolated
// value where the line passes them between two rows.
Breakpoints breakpointsOnRange(const LinePoints& line, long double totalLength)
{
    Breakpoints b;
    const std::size_t n = std::min(line.stations.size(), line.ordinates.size());
    if (n == 0)
        return b;
    const std::vector<long double>& s = line.stations;
    const std::vector<long double>& v = line.ordinates;
    const long double lo = std::max(s[0], 0.0L);
    const long double hi = std::min(s[n - 1], totalLength);
    if (lo > hi)
        return b;
    b.x.reserve(n);
    b.first.reserve(n);
    b.last.reserve(n);
    b.highest.reserve(n);
    b.lowest.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (s[i] < lo)
            continue;
        // The line starts before R: R's start lies inside the piece from the row before.
        if (b.x.empty() && i > 0 && s[i] > lo)
            addRow(b, lo, interpolate(s[i - 1], v[i - 1], s[i], v[i], lo));
        if (s[i] > hi) {
            if (b.x.empty() || b.x.back() < hi)
                addRow(b, hi, interpolate(s[i - 1], v[i - 1], s[i], v[i], hi));
            break;
        }
        addRow(b, s[i], v[i]);
    }
    // Off R the line counts 0: the ends are jumps to that 0 unless the line ends there at 0.
    b.highest.front() = std::max(b.highest.front(), 0.0L);
    b.lowest.front() = std::min(b.lowest.front(), 0.0L);
    b.highest.back() = std::max(b.highest.back(), 0.0L);
    b.lowest.back() = std::min(b.lowest.back(), 0.0L);
    const std::size_t k = b.size();
    b.slope.assign(k + 1, 0.0L);
    for (std::size_t j = 1; j < k; ++j)
        b.slope[j] = (b.first[j] - b.last[j - 1]) / (b.x[j] - b.x[j - 1]);
    return b;
}

// ∫ of max(η, 0) over one piece from value y0 to y1 over the width w, split at
// the zero crossing; the negative part is the whole less this.
long double positivePart(long double y0, long double y1, long double w)
{
    if (y0 >= 0 && y1 >= 0)
        return (y0 + y1) / 2 * w;
    if (y0 <= 0 && y1 <= 0)
        return 0;
    const long double top = std::max(y0, y1);
    return top * top / (2 * (std::fabs(y0) + std::fabs(y1))) * w;
}

long double negativePart(long double y0, long double y1, long double w) { return -positivePart(-y0, -y1, w); }

// The merge of the axles' streams x_k − o_i: the axles that still have
// stations ahead, ordered by the key of their next candidate, in a ring. The
// front is taken; the axle's next key is put back from the rear, where it
// belongs as a rule: an axle that has just met a station is the one furthest
// from its next (on evenly spaced stations it goes straight to the rear).
class CandidateRing {
public:
    struct Entry {
        long double key;
        int axle;
    };

    explicit CandidateRing(std::size_t axles)
    {
        std::size_t size = 1;
        while (size < axles + 1)
            size *= 2;
        ring_.resize(size);
        mask_ = size - 1;
    }
    bool empty() const { return count_ == 0; }
    const Entry& front() const { return ring_[head_]; }
    void popFront()
    {
        head_ = (head_ + 1) & mask_;
        --count_;
    }
    // Inserts in key order, equal keys after those there (from the rear).
    void insert(Entry e)
    {
        std::size_t at = (head_ + count_) & mask_;
        std::size_t n = count_;
        while (n > 0) {
            const std::size_t before = (at - 1) & mask_;
            if (!(e.key < ring_[before].key))
                break;
            ring_[at] = ring_[before];
            at = before;
            --n;
        }
        ring_[at] = e;
        ++count_;
    }

private:
    std::vector<Entry> ring_;
    std::size_t mask_ = 0;
    std::size_t head_ = 0;
    std::size_t count_ = 0;
};

// Keeps the extreme: a candidate replaces the one kept only when it is
// beyond it by more than rounding, so among equal values the first in the
// order of the sweep stays; the value is the extreme of all the same.
struct ExtremeKeeper {
    long double tolerance;
    int direction;
    GroupPlacement plus{-INFINITY, 0, 1};
    GroupPlacement minus{INFINITY, 0, 1};
    long double plusKeptAt = -INFINITY;
    long double minusKeptAt = INFINITY;

    void offer(long double highest, long double lowest, long double p)
    {
        if (highest > plus.value) {
            plus.value = highest;
            if (highest > plusKeptAt + tolerance) {
                plusKeptAt = highest;
                plus.position = p;
                plus.direction = direction;
            }
        }
        if (lowest < minus.value) {
            minus.value = lowest;
            if (lowest < minusKeptAt - tolerance) {
                minusKeptAt = lowest;
                minus.position = p;
                minus.direction = direction;
            }
        }
    }
};

constexpr int kResyncEvery = 32;

// Candidates closer than this are one position: a few units in the last
// place of the 64-bit mantissa at the magnitude of the stations and offsets,
// more than rounding puts between the keys of one position and far less than
// two stations written with 15 significant digits can be apart.
long double coincidenceTolerance(const Breakpoints& line, const std::vector<long double>& offsets)
{
    long double scale = std::max(std::fabs(line.x.front()), std::fabs(line.x.back()));
    for (long double o : offsets)
        scale = std::max(scale, std::fabs(o));
    return 16 * LDBL_EPSILON * scale;
}

long double roundingTolerance(const Breakpoints& b, const AxleGroup& axles)
{
    long double ordinate = 0;
    for (std::size_t j = 0; j < b.size(); ++j)
        ordinate = std::max({ordinate, std::fabs(b.highest[j]), std::fabs(b.lowest[j])});
    long double force = 0;
    for (long double f : axles.forces)
        force += std::fabs(f);
    return 64 * LDBL_EPSILON * force * ordinate;
}

// What an axle meeting station j changes, per unit force: the adverse values
// less the value it arrives with, the jump it passes and the change of slope.
struct StationStep {
    long double toHighest;
    long double toLowest;
    long double jump;
    long double slopeChange;
};

StationStep stepAt(const Breakpoints& b, std::size_t j)
{
    const std::size_t k = b.size();
    const long double arriving = j == 0 ? 0.0L : b.first[j];
    const long double leaving = j + 1 == k ? 0.0L : b.last[j];
    return {b.highest[j] - arriving, b.lowest[j] - arriving, leaving - arriving, b.slope[j + 1] - b.slope[j]};
}

// A station with what meeting it changes, side by side: the sweep reads one
// record per candidate instead of six arrays.
struct SweepStation {
    long double x;
    StationStep step;
};

std::vector<SweepStation> sweepStations(const Breakpoints& b)
{
    std::vector<SweepStation> stations(b.size());
    for (std::size_t j = 0; j < b.size(); ++j)
        stations[j] = {b.x[j], stepAt(b, j)};
    return stations;
}

GroupExtremes sweep(const Breakpoints& line, const AxleGroup& axles, int direction)
{
    const Breakpoints& b = line;
    const std::size_t k = line.x.size();
    const std::vector<SweepStation> stations = sweepStations(line);
    const std::size_t m = axles.forces.size();
    std::vector<long double> offset(m);
    for (std::size_t i = 0; i < m; ++i)
        offset[i] = direction * axles.distances[i];
    const std::vector<long double>& force = axles.forces;
    const long double tau = coincidenceTolerance(line, offset);

    // next[i]: the station axle i meets next (k when it has passed them all).
    std::vector<std::size_t> next(m, 0);
    CandidateRing ring(m);
    for (std::size_t i = 0; i < m; ++i)
        ring.insert({line.x[0] - offset[i], static_cast<int>(i)});

    ExtremeKeeper keeper{roundingTolerance(b, axles), direction};
    long double value = 0;  // f just after the last candidate, at pLast
    long double slope = 0;
    long double pLast = ring.front().key;
    int sinceResync = 0;
    while (!ring.empty()) {
        const long double p = ring.front().key;
        const long double arriving = value + slope * (p - pLast);
        long double toHighest = 0, toLowest = 0, jump = 0, slopeChange = 0;
        // Every axle that stands on a station at this position.
        while (!ring.empty() && ring.front().key <= p + tau) {
            const auto i = static_cast<std::size_t>(ring.front().axle);
            ring.popFront();
            const StationStep& step = stations[next[i]].step;
            toHighest += force[i] * step.toHighest;
            toLowest += force[i] * step.toLowest;
            jump += force[i] * step.jump;
            slopeChange += force[i] * step.slopeChange;
            if (++next[i] < k)
                ring.insert({stations[next[i]].x - offset[i], static_cast<int>(i)});
        }
        keeper.offer(arriving + toHighest, arriving + toLowest, p);
        value = arriving + jump;
        slope += slopeChange;
        pLast = p;
        if (++sinceResync == kResyncEvery) {
            sinceResync = 0;
            value = 0;
            slope = 0;
            for (std::size_t i = 0; i < m; ++i) {
                const std::size_t piece = next[i];
                if (piece == 0 || piece == k)
                    continue;
                value += force[i] * (line.last[piece - 1] + line.slope[piece] * (p + offset[i] - line.x[piece - 1]));
                slope += force[i] * line.slope[piece];
            }
        }
    }
    // What rounding leaves of a sum that is 0 (the group off R or on zero
    // ordinates) is 0.
    for (GroupPlacement* t : {&keeper.plus, &keeper.minus})
        if (std::fabs(t->value) <= keeper.tolerance)
            t->value = 0;
    return {keeper.plus, keeper.minus};
}

LineIntegrals integralsOf(const Breakpoints& b)
{
    LineIntegrals sum;
    for (std::size_t j = 1; j < b.size(); ++j) {
        const long double w = b.x[j] - b.x[j - 1];
        const long double y0 = b.last[j - 1];
        const long double y1 = b.first[j];
        sum.whole += (y0 + y1) / 2 * w;
        sum.positive += positivePart(y0, y1, w);
        sum.negative += negativePart(y0, y1, w);
    }
    return sum;
}

GroupExtremes extremesOf(const Breakpoints& b, const AxleGroup& axles, int direction)
{
    if (b.size() == 0 || axles.empty())
        return {{0, 0, direction}, {0, 0, direction}};
    return sweep(b, axles, direction);
}

GroupExtremes bothDirections(const Breakpoints& b, const AxleGroup& axles)
{
    const GroupExtremes forward = extremesOf(b, axles, 1);
    // One axle is the same group in both directions.
    if (axles.forces.size() <= 1)
        return forward;
    return combineDirections(forward, extremesOf(b, axles, -1));
}

}  // namespace

LineIntegrals lineIntegrals(const LinePoints& line, long double totalLength)
{
    return integralsOf(breakpointsOnRange(line, totalLength));
}

GroupExtremes groupExtremesInDirection(const LinePoints& line, long double totalLength, const AxleGroup& axles,
                                       int direction)
{
    return extremesOf(breakpointsOnRange(line, totalLength), axles, direction);
}

GroupExtremes combineDirections(const GroupExtremes& forward, const GroupExtremes& backward)
{
    // Beyond rounding: more than a few units in the last place of the larger magnitude.
    const auto beyond = [](long double a, long double b) {
        return a - b > 64 * LDBL_EPSILON * std::max(std::fabs(a), std::fabs(b));
    };
    return {beyond(backward.plus.value, forward.plus.value) ? backward.plus : forward.plus,
            beyond(forward.minus.value, backward.minus.value) ? backward.minus : forward.minus};
}

GroupExtremes groupExtremes(const LinePoints& line, long double totalLength, const AxleGroup& axles)
{
    return bothDirections(breakpointsOnRange(line, totalLength), axles);
}

LoadEffects loadEffects(const LinePoints& line, long double totalLength, const UniformLoads& uniform,
                        const AxleGroup& axles)
{
    // The line on R is formed once for all loads.
    const Breakpoints b = breakpointsOnRange(line, totalLength);
    const LineIntegrals integrals = integralsOf(b);
    LoadEffects effects;
    effects.selfWeight = uniform.selfWeight * integrals.whole;
    effects.permanent = uniform.permanent * integrals.whole;
    effects.variablePlus = uniform.variable * integrals.positive;
    effects.variableMinus = uniform.variable * integrals.negative;
    if (!axles.empty()) {
        const GroupExtremes extremes = bothDirections(b, axles);
        effects.groupPlus = extremes.plus;
        effects.groupMinus = extremes.minus;
    }
    return effects;
}

std::vector<long double> axleStations(const GroupPlacement& placement, const AxleGroup& axles)
{
    std::vector<long double> stations;
    stations.reserve(axles.distances.size());
    for (long double a : axles.distances)
        stations.push_back(placement.position + placement.direction * a);
    return stations;
}

}  // namespace kvor
