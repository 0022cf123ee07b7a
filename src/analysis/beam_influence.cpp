#include "analysis/beam_influence.h"

#include <algorithm>
#include <utility>

namespace kvor {

BeamInfluence::BeamInfluence(std::vector<long double> spans) : spans_(std::move(spans))
{
    const int n = spanCount();
    supports_.assign(n + 1, 0.0L);
    for (int j = 0; j < n; ++j)
        supports_[j + 1] = supports_[j] + spans_[j];

    // Three-moment equation of interior support i (1..n-1):
    //   L(i-1)·M(i-1) + 2·(L(i-1) + L(i))·M(i) + L(i)·M(i+1) = rhs(i)
    // with L(j) the length of span j. The matrix is symmetric, tridiagonal and
    // diagonally dominant, so the Thomas algorithm is stable without pivoting.
    // Column k of the inverse solves the system for the unit vector e(k).
    flexibility_.assign(n + 1, std::vector<long double>(n + 1, 0.0L));
    const int m = n - 1;  // interior supports
    if (m <= 0)
        return;
    std::vector<long double> diag(m), upper(m), cprime(m), dprime(m);
    for (int r = 0; r < m; ++r) {
        diag[r] = 2.0L * (spans_[r] + spans_[r + 1]);
        upper[r] = spans_[r + 1];  // also the lower neighbour of row r + 1
    }
    for (int k = 0; k < m; ++k) {
        for (int r = 0; r < m; ++r) {
            const long double lower = r > 0 ? upper[r - 1] : 0.0L;
            const long double rhs = r == k ? 1.0L : 0.0L;
            const long double denom = diag[r] - (r > 0 ? lower * cprime[r - 1] : 0.0L);
            cprime[r] = upper[r] / denom;
            dprime[r] = (rhs - (r > 0 ? lower * dprime[r - 1] : 0.0L)) / denom;
        }
        long double next = 0.0L;
        for (int r = m - 1; r >= 0; --r) {
            next = dprime[r] - (r < m - 1 ? cprime[r] * next : 0.0L);
            flexibility_[r + 1][k + 1] = next;
        }
    }
}

BeamPosition BeamInfluence::supportPosition(int i) const
{
    if (i < spanCount())
        return {i, 0.0L};
    return {spanCount() - 1, spans_.back()};
}

void BeamInfluence::loadTerms(const BeamPosition& load, long double& left, long double& right) const
{
    // A load P at distance a from the start of span j (b = L - a) adds
    //   -P·b·(L² - b²)/L to the equation of support j   (its far end is j+1)
    //   -P·a·(L² - a²)/L to the equation of support j+1 (its far end is j);
    // L² - b² = a·(L + b) and L² - a² = b·(L + a) avoid the cancellation.
    const long double l = spans_[load.span];
    const long double a = load.x;
    const long double b = l - a;
    left = -a * b * (l + b) / l;
    right = -a * b * (l + a) / l;
}

long double BeamInfluence::supportMoment(int i, const BeamPosition& load) const
{
    long double left = 0.0L, right = 0.0L;
    loadTerms(load, left, right);
    return flexibility_[i][load.span] * left + flexibility_[i][load.span + 1] * right;
}

long double BeamInfluence::moment(const BeamPosition& target, const BeamPosition& load) const
{
    const long double l = spans_[target.span];
    const long double x = target.x;
    long double m = supportMoment(target.span, load) * (l - x) / l + supportMoment(target.span + 1, load) * x / l;
    if (load.span == target.span) {
        const long double a = load.x;
        m += a <= x ? a * (l - x) / l : x * (l - a) / l;
    }
    return m;
}

long double BeamInfluence::shear(const BeamPosition& target, const BeamPosition& load, LoadSide side) const
{
    const long double l = spans_[target.span];
    long double v = (supportMoment(target.span + 1, load) - supportMoment(target.span, load)) / l;
    if (load.span == target.span) {
        const long double a = load.x;
        const bool loadLeft = a < target.x || (a == target.x && side == LoadSide::Left);
        v += loadLeft ? -a / l : (l - a) / l;
    }
    return v;
}

template <class SupportMoment, class LeftTerm, class RightTerm>
long double BeamInfluence::supportJump(int support, const BeamPosition& load, SupportMoment m, LeftTerm inLeftSpan,
                                       RightTerm inRightSpan) const
{
    const long double mi = m(support);
    long double r = 0.0L;
    if (support > 0) {
        const long double l = spans_[support - 1];
        r += (m(support - 1) - mi) / l;
        if (load.span == support - 1)
            r += inLeftSpan(l);
    }
    if (support < spanCount()) {
        const long double l = spans_[support];
        r += (m(support + 1) - mi) / l;
        if (load.span == support)
            r += inRightSpan(l);
    }
    return r;
}

long double BeamInfluence::reaction(int support, const BeamPosition& load) const
{
    // The jump of the shear force over the support, positive upwards.
    return supportJump(
        support, load, [&](int j) { return supportMoment(j, load); }, [&](long double l) { return load.x / l; },
        [&](long double l) { return (l - load.x) / l; });
}

long double BeamInfluence::endMomentsDeflection(const BeamPosition& target, long double ml, long double mr) const
{
    const long double l = spans_[target.span];
    const long double xi = target.x / l;
    const long double ends = ml * (2.0L - xi) + mr * (1.0L + xi);
    return ends * l * l * xi * (1.0L - xi);
}

long double BeamInfluence::endMomentsRotation(const BeamPosition& target, long double ml, long double mr) const
{
    const long double l = spans_[target.span];
    const long double xi = target.x / l;
    return (ml * (2.0L - 6.0L * xi + 3.0L * xi * xi) + mr * (1.0L - 3.0L * xi * xi)) * l;
}

long double BeamInfluence::deflection(const BeamPosition& target, const BeamPosition& load, long double ei) const
{
    // EI·w'' = -M within the target's span, w = 0 at both its supports.
    // End moment Ml: w = Ml·L²/(6EI)·ξ(1-ξ)(2-ξ); end moment Mr: w = Mr·L²/(6EI)·ξ(1-ξ)(1+ξ);
    // load at a (b = L - a): w = b·x·(L² - b² - x²)/(6·L·EI) for x <= a, mirrored beyond.
    const long double l = spans_[target.span];
    const long double x = target.x;
    long double w =
        endMomentsDeflection(target, supportMoment(target.span, load), supportMoment(target.span + 1, load));
    if (load.span == target.span) {
        const long double a = load.x;
        const long double b = l - a;
        if (x <= a)
            w += b * x * (a * (l + b) - x * x) / l;
        else {
            const long double u = l - x;
            w += a * u * (b * (l + a) - u * u) / l;
        }
    }
    return w / (6.0L * ei);
}

long double BeamInfluence::rotation(const BeamPosition& target, const BeamPosition& load, long double ei) const
{
    // The derivatives along x of the three terms of the deflection.
    const long double l = spans_[target.span];
    const long double x = target.x;
    long double phi =
        endMomentsRotation(target, supportMoment(target.span, load), supportMoment(target.span + 1, load));
    if (load.span == target.span) {
        const long double a = load.x;
        const long double b = l - a;
        if (x <= a)
            phi += b * (a * (l + b) - 3.0L * x * x) / l;
        else {
            const long double u = l - x;
            phi -= a * (b * (l + a) - 3.0L * u * u) / l;
        }
    }
    return phi / (6.0L * ei);
}

void BeamInfluence::loadTermSlopes(const BeamPosition& load, long double& left, long double& right) const
{
    // d/da of -a·(L - a)·(2L - a)/L and of -a·(L² - a²)/L.
    const long double l = spans_[load.span];
    const long double a = load.x;
    left = -(2.0L * l * l - 6.0L * l * a + 3.0L * a * a) / l;
    right = -(l * l - 3.0L * a * a) / l;
}

long double BeamInfluence::supportMomentSlope(int i, const BeamPosition& load) const
{
    long double left = 0.0L, right = 0.0L;
    loadTermSlopes(load, left, right);
    return flexibility_[i][load.span] * left + flexibility_[i][load.span + 1] * right;
}

long double BeamInfluence::momentSlope(const BeamPosition& target, const BeamPosition& load, LoadSide side) const
{
    const long double l = spans_[target.span];
    const long double x = target.x;
    long double d = supportMomentSlope(target.span, load) * (l - x) / l +
                    supportMomentSlope(target.span + 1, load) * x / l;
    if (load.span == target.span) {
        // a·(L - x)/L left of the target, x·(L - a)/L right of it: the slope
        // falls by exactly 1 where the load passes the section.
        const long double a = load.x;
        const bool loadLeft = a < x || (a == x && side == LoadSide::Left);
        d += loadLeft ? (l - x) / l : -x / l;
    }
    return d;
}

long double BeamInfluence::shearSlope(const BeamPosition& target, const BeamPosition& load) const
{
    const long double l = spans_[target.span];
    long double d = (supportMomentSlope(target.span + 1, load) - supportMomentSlope(target.span, load)) / l;
    if (load.span == target.span)
        d -= 1.0L / l;  // -a/L and (L - a)/L alike
    return d;
}

long double BeamInfluence::reactionSlope(int support, const BeamPosition& load) const
{
    return supportJump(
        support, load, [&](int j) { return supportMomentSlope(j, load); }, [](long double l) { return 1.0L / l; },
        [](long double l) { return -(1.0L / l); });
}

long double BeamInfluence::deflectionSlope(const BeamPosition& target, const BeamPosition& load, long double ei) const
{
    const long double l = spans_[target.span];
    const long double x = target.x;
    long double d = endMomentsDeflection(target, supportMomentSlope(target.span, load),
                                         supportMomentSlope(target.span + 1, load));
    if (load.span == target.span) {
        // d/da of (L - a)·x·(a·(2L - a) - x²)/L and of a·u·(L² - a² - u²)/L;
        // both sides meet with the same slope at a = x.
        const long double a = load.x;
        if (x <= a) {
            const long double b = l - a;
            d += x * (x * x - a * (l + b) + 2.0L * b * b) / l;
        } else {
            const long double u = l - x;
            d += u * (l * l - 3.0L * a * a - u * u) / l;
        }
    }
    return d / (6.0L * ei);
}

long double BeamInfluence::rotationSlope(const BeamPosition& target, const BeamPosition& load, long double ei) const
{
    const long double l = spans_[target.span];
    const long double x = target.x;
    long double d = endMomentsRotation(target, supportMomentSlope(target.span, load),
                                       supportMomentSlope(target.span + 1, load));
    if (load.span == target.span) {
        const long double a = load.x;
        if (x <= a) {
            const long double b = l - a;
            d += (3.0L * x * x - a * (l + b) + 2.0L * b * b) / l;
        } else {
            const long double u = l - x;
            d -= (l * l - 3.0L * a * a - 3.0L * u * u) / l;
        }
    }
    return d / (6.0L * ei);
}

}  // namespace kvor
