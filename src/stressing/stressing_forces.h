#pragma once
// The force along a post-tensioned tendon from how it is stressed: friction
// along the duct, the anchorage set when the wedges seat, and the long-term
// losses.
//
// Friction (EN 1992-1-1, 5.10.5.2): from a stressing end at x0,
//     P(x) = P0 · exp(−μ·(θ(x) + k·|x − x0|)),
// θ(x) the sum of the absolute changes of the tendon's angle α = atan(de/dx)
// between x0 and x: at every joint the change between the tangents of the two
// sides, and along a parabola the turn of the parabola itself (its slope is
// linear in x, so from a to b within it |atan e′(b) − atan e′(a)|), never the
// chords' kinks, which add up to only (D − 1)/D of the turn. A tendon stressed
// from both ends carries the larger of the two.
//
// Anchorage set at a stressing end E: after lock-off the force near E is the
// friction curve reflected, Q_E(x) = Pa·exp(+μ·(θ_E(x) + k·|x − x_E|)), and
// P′ = min(P, Q_E); the anchor force Pa is the one for which the lost force
// integrates to the draw-in, ∫ (P − P′) dx = Δs·E_p·A_p·10⁻⁶ kN·m. With both
// ends stressed each Pa is found against P alone and P′ = min(P, Q_L, Q_R).
//
// Method: every force above is c·exp(±μ·u) in the friction path u(x) = θ(x) +
// k·(x − x0) from the first point, which grows along the tendon (u from the
// last point is its total S minus u). The integrals of exp(±μu) over each
// segment are formed once, as running sums (in closed form along a straight
// segment; along a parabola's chord, where u is smooth, by Gauss–Legendre of
// 2, 3 or 4 points as μ times the chord's change of u is below 10⁻³, below
// 2·10⁻² or more, each exact to some 10⁻¹⁶); where two of the forces cross
// inside a segment it is split there (the crossing is a value of u, found
// along x by bisection). Pa follows by bisection of the draw-in integral,
// which falls as Pa grows; each trial costs O(log n) through the running sums.
//
// Units: stations in m, forces in kN, Δs in mm, E_p in MPa, A_p in mm².

#include "model/project.h"

#include <optional>
#include <string>
#include <vector>

namespace kvor {

enum class StressingEnds { Left, Right, Both };

// The stressing data as numbers, checked (see stressing_checks.h).
struct StressingValues {
    StressingEnds ends = StressingEnds::Left;
    long double jackingForce = 0;  // P0 [kN] > 0
    long double friction = 0;      // μ ≥ 0
    long double wobble = 0;        // k [rad/m] ≥ 0
    long double anchorageSet = 0;  // Δs [mm] ≥ 0
    long double modulus = 0;       // E_p [MPa] > 0
    long double area = 0;          // A_p [mm²] > 0
    long double longTermLoss = 0;  // [%], 0 ≤ loss < 100
    long double strength = 0;      // f_pk [MPa] > 0
};

// One point of the tendon's path: station and eccentricity, and the slope
// de/dx of the tendon on either side of it (the tangents of the segments that
// end and start there; equal inside a parabola).
struct PathPoint {
    long double x;
    long double e;
    long double slopeIn;   // of the segment that ends here (unused at the first point)
    long double slopeOut;  // of the segment that starts here (unused at the last point)
};

// The evaluated polygon with the true tangents: a broken tendon's points, or
// a parabolic tendon's chords with the parabola's slope at every chord point.
// `curved` tells, per segment, that it is a chord of a parabola (the angle
// turns along it).
struct TendonPath {
    std::vector<PathPoint> points;
    std::vector<bool> curved;            // per segment k = points k .. k + 1
    std::vector<int> definitionSegment;  // per polygon segment: the store's segment (0-based)
};

// The path of a stored tendon of types 1 to 4. Throws kvor::Error for a text
// that is no number (as the polygon does).
TendonPath tendonPath(const TendonSlot& slot, char sep);
// The same into `path`, whose arrays keep their room for the next tendon.
void tendonPath(const TendonSlot& slot, char sep, TendonPath& path);
// The station texts of the evaluated polygon's points, as the polygon writes them.
std::vector<std::string> pathStationTexts(const TendonSlot& slot, char sep);

struct StressingForces {
    // Per segment of the evaluated polygon: the mean initial force (after
    // friction and set), positive here, and the same after long-term losses.
    std::vector<long double> initial;
    std::vector<long double> longTerm;
    // The anchor forces after set at the stressing ends (none at a dead end).
    std::optional<long double> anchorLeft, anchorRight;
    // For the chart, at the polygon's points: the force before the set and
    // after it (the value just after each point, at the last point just before).
    std::vector<long double> beforeSet, afterSet;
    long double largestAfterSet = 0;
};

// Friction, set and losses along `path`. An empty `fault` when they could be
// formed; otherwise the Czech message (a set no anchor force can take, a path
// whose stations do not strictly ascend).
struct StressingResult {
    std::string fault;
    StressingForces forces;
};
StressingResult computeStressingForces(const TendonPath& path, const StressingValues& values);

// The friction path's arrays (per segment: u at its end, exp(μu) at its
// start, the running sums of exp(±μu)), kept by a caller that computes
// again and again so that a call touches no fresh memory.
struct FrictionSpace {
    std::vector<long double> uEnd, growStart, prefixMinus, prefixPlus;
};
// The same into `result`, whose arrays keep their room, with the friction
// path in `space`. Gives exactly what the function above gives.
void computeStressingForces(const TendonPath& path, const StressingValues& values, StressingResult& result,
                            FrictionSpace& space);

}  // namespace kvor
