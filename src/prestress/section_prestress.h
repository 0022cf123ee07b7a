#pragma once
// What the prestress does in one section of the beam: the normal force P of
// each tendon there, its eccentricity, the primary moment M1 = P·e, the total
// moment M (the evaluated effect of the tendon on the section's bending-moment
// quantity), the secondary (parasitic) moment M2 = M − M1 that the redundant
// supports of a continuous beam add, and the fibre stresses of P and M.
//
// Units: stations and eccentricities in m, forces in kN, moments in kNm,
// section values in m² and m⁴, stresses in MPa. Signs: compression negative
// (as forces are entered), eccentricities and fibre distances positive
// downwards (e_h < 0 < e_d), moments positive when sagging, stresses positive
// in tension: σ = (P/A + M·e_fibre/I) / 1000.

#include <vector>

namespace kvor {

// One point of a tendon's evaluated polygon: the broken tendon's points, a
// parabolic tendon's polygon of chords, or the straight tendon's two anchorages.
struct PolygonPoint {
    long double x;      // station [m]
    long double e;      // eccentricity [m], positive downwards
    long double force;  // force of the segment that starts here [kN]; the last point repeats the last segment's
};

struct SectionValues {
    long double area;     // A [m²]
    long double inertia;  // I [m⁴]
    long double eBottom;  // e_d [m]
    long double eTop;     // e_h [m]
};

struct SectionPrestress {
    bool onTendon = false;  // X lies on the tendon; otherwise every value is 0
    bool atPoint = false;   // X is a point of the tendon where P or e·P changes: both sides' mean
    long double normalForce = 0;    // P [kN]
    long double eccentricity = 0;   // e(X) [m]
    long double primaryMoment = 0;  // M1 = P·e [kNm]
    long double secondaryMoment = 0;  // M2 = M − M1 [kNm]
    long double totalMoment = 0;    // M [kNm]
    long double stressTop = 0;      // σ_h [MPa]
    long double stressBottom = 0;   // σ_d [MPa]
};

// The tendon at station X: inside a segment, P = N·cos α with α the
// segment's inclination and e(X) linear between its points (a straight tendon
// is taken level, α = 0, as its effect is computed). At a point of the tendon
// where the two sides differ (a kink, a change of force, an anchorage, a
// vertical step), P and M1 = P·e are the means of the values just left and
// just right of X (a side off the tendon counts 0) and e = M1/P: the evaluated
// M at such a point is the same mean, so M2 = M − M1 is continuous there.
// X off the tendon: nothing.
SectionPrestress prestressAtStation(const std::vector<PolygonPoint>& polygon, bool straight, long double station,
                                    long double totalMoment, const SectionValues& section);

// The sum of several tendons (a group, or all): P, M1, M2 and M added, e the
// resultant's eccentricity M1/P (0 without force), the stresses from the sums.
SectionPrestress sumOfPrestress(const std::vector<SectionPrestress>& parts, const SectionValues& section);

}  // namespace kvor
