#pragma once
// What the loads do to one quantity, through its influence line.
//
// The line: points (s_i, η_i) with stations ascending; two rows at one station
// are a jump (its first row the value from the left, its last row the value
// from the right). An ordinate is the quantity's value for a unit load of 1 kN
// acting downwards at that station, and a load is positive downwards. The
// loads act on the loaded range R = [max(s_1, 0), min(s_n, L)] only: η counts
// 0 outside R, so an end of R where the line does not end at 0 is a jump to
// that 0. Where the line reaches beyond the beam, R cuts it at the
// interpolated value.
//
// Uniform loads (η linear between the stations, so the trapezoids are exact;
// a jump has zero width):
//   G0 = g0·∫_R η dx,  G1 = g1·∫_R η dx,
//   Q+ = q·∫_R max(η, 0) dx,  Q− = q·∫_R min(η, 0) dx, each piece of the line
//   split at the station where it crosses zero.
//
// The moving group: forces F_i > 0 at distances a_i from the first axle
// (a_1 = 0, ascending), placed at any position p (the station of the first
// axle) in either direction d (+1: the other axles follow at larger stations,
// axle i stands at p + d·a_i). T+ is the largest and T− the smallest value of
//   f(p) = Σ F_i·η(p + d·a_i)
// over all p and both d, each with its p and d. An axle standing exactly on a
// jump takes the side that is adverse for the extreme (for T+ the larger of
// the values there, for T− the smaller); off R an axle gives 0.
//
// Why the candidates give the exact extremes. For T+ let h(x) be the line with
// the larger value at each jump (the rows at a station and, at an end of R,
// the 0 outside). Between two stations h is linear; at a station it is at
// least its limits from either side, i.e. h is upper semicontinuous, and so is
// f(p) = Σ F_i·h(p + d·a_i), since every F_i > 0. Call p a candidate when some
// axle stands on a station of the line or on an end of R: p = x_k − d·a_i.
// Between two neighbouring candidates no axle meets a station, so every term,
// and with them f, is linear there; a linear function on an open interval has
// no larger value inside than its limits at the ends, and upper
// semicontinuity makes each such limit at most the value of f at that
// candidate. Beyond the outermost candidates every axle is off R and f = 0,
// which the outermost candidates reach too (the axle on the end of R takes the
// 0 outside when that is larger). So the largest value of f over all p is the
// largest value at the candidates, attained there: T+ is exact, not sampled.
// T− is the same with the smaller value at each jump (lower semicontinuous).
//
// How the candidates are evaluated. With K distinct stations and m axles there
// are m·K candidates per direction. As p grows all axles move right together;
// the candidates are visited in ascending order by merging the m streams
// x_k − d·a_i: the axles wait in a ring ordered by their next candidate, the
// one at the front meets its station and goes back in from the rear with its
// next candidate. Between candidates f is linear, so f is carried along as
// its value after the last candidate and its slope: at a candidate
// f(p−) = V + B·(p − p_last); the axles standing on stations there (all of
// them at once when several meet stations at the same p) turn f(p−) into the
// adverse value by the difference between their station's adverse value and
// the value they arrive with, then V and B take the jumps and slope changes
// they pass. Both extremes come from one pass per direction. V and B are
// summed afresh from the axles every 32 candidates, so rounding does not build
// up along the beam. Candidates closer than a few units in the last place of
// the 64-bit mantissa are one position. Of equal extremes the first in the
// order of the sweep is given, direction +1 before −1.
//
// Cost: the uniform loads O(n). The group O(m·K) per direction when the
// stations are evenly spaced (an axle that has met a station is the furthest
// from its next one and goes straight to the rear of the ring), at worst
// O(m²·K) when they are so uneven that it passes all the others; memory
// O(K + m). Doubling the points or the axles doubles the time.

#include <optional>
#include <vector>

namespace kvor {

// An influence line as numbers: stations ascending (equal neighbours: a jump).
struct LinePoints {
    std::vector<long double> stations;
    std::vector<long double> ordinates;
};

// Uniform loads [kN/m].
struct UniformLoads {
    long double selfWeight = 0;  // g0
    long double permanent = 0;   // g1
    long double variable = 0;    // q
};

// The moving group: forces [kN] > 0 and distances [m] from the first axle
// (the first 0, ascending); both of one size, up to 20.
struct AxleGroup {
    std::vector<long double> forces;
    std::vector<long double> distances;

    bool empty() const { return forces.empty(); }
};

// An extreme of the moving group: its value, the station p of the first axle
// and the direction d (+1: the others follow at larger stations, −1: smaller).
struct GroupPlacement {
    long double value = 0;
    long double position = 0;
    int direction = 1;
};

struct LoadEffects {
    long double selfWeight = 0;     // G0
    long double permanent = 0;      // G1
    long double variablePlus = 0;   // Q+
    long double variableMinus = 0;  // Q−
    std::optional<GroupPlacement> groupPlus;   // T+; none without axles
    std::optional<GroupPlacement> groupMinus;  // T−
};

// ∫_R η dx, ∫_R max(η, 0) dx and ∫_R min(η, 0) dx.
struct LineIntegrals {
    long double whole = 0;
    long double positive = 0;
    long double negative = 0;
};
LineIntegrals lineIntegrals(const LinePoints& line, long double totalLength);

// T+ and T− of the group on the line; both over the two directions.
struct GroupExtremes {
    GroupPlacement plus;
    GroupPlacement minus;
};
GroupExtremes groupExtremes(const LinePoints& line, long double totalLength, const AxleGroup& axles);

// The extremes of one direction only (+1 or −1): what groupExtremes combines.
GroupExtremes groupExtremesInDirection(const LinePoints& line, long double totalLength, const AxleGroup& axles,
                                       int direction);
// Of the two directions' extremes, each extreme of the direction +1 unless
// the other is larger (T+) or smaller (T−) beyond rounding.
GroupExtremes combineDirections(const GroupExtremes& forward, const GroupExtremes& backward);

// Everything at once. Values are not checked for being finite here.
LoadEffects loadEffects(const LinePoints& line, long double totalLength, const UniformLoads& uniform,
                        const AxleGroup& axles);

// The stations of the axles of a placement: p + d·a_i.
std::vector<long double> axleStations(const GroupPlacement& placement, const AxleGroup& axles);

}  // namespace kvor
