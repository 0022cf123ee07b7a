#pragma once
// Influence lines of a simple or continuous beam, computed exactly.
//
// The beam: spans L1..Ln (1 to 15) in a row, pinned supports without
// settlement at the start and at the end of every span, the same bending
// stiffness EI along the whole beam. A unit load of 1 kN acts downwards at a
// load position; the quantity is taken at a target position.
//
// Sign conventions:
//   M  bending moment, positive for sagging (tension at the bottom)   [kNm/kN]
//   V  shear force, V = dM/dx                                          [kN/kN]
//   R  support reaction, positive upwards                              [kN/kN]
//   w  deflection, positive downwards; EI w'' = -M                     [m/kN]
//   φ  rotation, φ = dw/dx with x along the beam                       [rad/kN]
//
// Method: the support moments follow from the three-moment equation
// (Clapeyron). Its tridiagonal matrix depends on the spans only and is
// inverted once; a load in span j enters only the equations of the supports j
// and j+1, so the moments of any support for any load position cost O(1).
// Inside the target's span the quantity is then the simple-beam closed form
// for the load (when it lies in that span) plus the linear end-moment terms.
// There is no discretisation: every ordinate is exact up to rounding in long
// double.

#include <vector>

namespace kvor {

enum class LineKind { Moment, Shear, Reaction, Deflection, Rotation };

// A place on the beam: span index (0-based) and the distance from the span's
// start. A support i < n is (span i, 0); the end support n is (span n-1, Ln).
struct BeamPosition {
    int span = 0;
    long double x = 0;
};

// Where the unit load stands relative to the target station of a shear line:
// the shear force jumps by 1 there, so a load exactly at X is taken just left
// or just right of it.
enum class LoadSide { Left, Right };

// The slope dη/ds of an influence line at one station, s the load's station:
// just left and just right of it (equal where the line is smooth there).
struct StationSlopes {
    long double left;
    long double right;
};

class BeamInfluence {
public:
    // Spans in metres, each above 0 (the caller checks).
    explicit BeamInfluence(std::vector<long double> spans);

    int spanCount() const { return static_cast<int>(spans_.size()); }
    long double span(int j) const { return spans_[j]; }
    // Station of support i (0..n), the span lengths summed in order.
    long double supportStation(int i) const { return supports_[i]; }
    long double totalLength() const { return supports_.back(); }
    BeamPosition supportPosition(int i) const;

    // Moment over support i (0..n) for the unit load at `load`.
    long double supportMoment(int i, const BeamPosition& load) const;

    // The quantities at `target` for the unit load at `load`. `ei` in kNm²
    // (only w and φ use it). For the shear, `side` decides a load exactly at
    // the target.
    long double moment(const BeamPosition& target, const BeamPosition& load) const;
    long double shear(const BeamPosition& target, const BeamPosition& load, LoadSide side) const;
    long double reaction(int support, const BeamPosition& load) const;
    long double deflection(const BeamPosition& target, const BeamPosition& load, long double ei) const;
    long double rotation(const BeamPosition& target, const BeamPosition& load, long double ei) const;

    // The slopes of the same influence lines along the load's position, d/da
    // of the quantities above, exact. The moment's line kinks where the load
    // stands at the target: `side` says from which side the load comes there.
    // The other lines are smooth in the load's position (the shear's jump
    // aside, whose slope is the same on both sides).
    long double supportMomentSlope(int i, const BeamPosition& load) const;
    long double momentSlope(const BeamPosition& target, const BeamPosition& load, LoadSide side) const;
    long double shearSlope(const BeamPosition& target, const BeamPosition& load) const;
    long double reactionSlope(int support, const BeamPosition& load) const;
    long double deflectionSlope(const BeamPosition& target, const BeamPosition& load, long double ei) const;
    long double rotationSlope(const BeamPosition& target, const BeamPosition& load, long double ei) const;

private:
    // Right-hand sides of the three-moment equation of supports j and j+1 for
    // the load in span j (zero for the end supports, whose moment is zero).
    void loadTerms(const BeamPosition& load, long double& left, long double& right) const;
    // Their derivatives along the load's position.
    void loadTermSlopes(const BeamPosition& load, long double& left, long double& right) const;

    // What the end moments ml, mr of the target's span give (the support
    // moments of a load, or their slopes along the load's position): the
    // deflection and the rotation times 6EI, without the load's own term.
    long double endMomentsDeflection(const BeamPosition& target, long double ml, long double mr) const;
    long double endMomentsRotation(const BeamPosition& target, long double ml, long double mr) const;
    // The jump over `support` of the shear that the support moments m(j)
    // give, with inLeftSpan(L) or inRightSpan(L) added for a load in the span
    // left or right of the support (L that span's length).
    template <class SupportMoment, class LeftTerm, class RightTerm>
    long double supportJump(int support, const BeamPosition& load, SupportMoment m, LeftTerm inLeftSpan,
                            RightTerm inRightSpan) const;

    std::vector<long double> spans_;
    std::vector<long double> supports_;  // n + 1 stations
    // Inverse of the three-moment matrix, indexed by support numbers 0..n;
    // rows and columns of the end supports are zero.
    std::vector<std::vector<long double>> flexibility_;
};

}  // namespace kvor
