#include "stressing/stressing_forces.h"

#include "model/error.h"
#include "model/numbers.h"
#include "tendons/parabolic_polygon.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace kvor {
namespace {

// Gauss–Legendre nodes and weights on [-1, 1], 4 points: exact for degree 7.
constexpr std::array<long double, 4> kNodes = {-0.861136311594052575224L, -0.339981043584856264803L,
                                               0.339981043584856264803L, 0.861136311594052575224L};
constexpr std::array<long double, 4> kWeights = {0.347854845137453857373L, 0.652145154862546142627L,
                                                 0.652145154862546142627L, 0.347854845137453857373L};
// Along a chord exp(±μu) changes by δ = μ·Δu, its turn and wobble, and the
// n-point rule errs by about (n!)⁴/((2n + 1)·((2n)!)³)·δ²ⁿ of the integral:
// two points (exact for degree 3) take δ < 10⁻³ to below 3·10⁻¹⁶, three
// (degree 5) δ < 2·10⁻² to below 4·10⁻¹⁷, four the rest (δ = 0,1 to 6·10⁻¹⁸).
constexpr long double kTwoPointNode = 0.577350269189625764509L;
constexpr long double kTwoPointChange = 1e-3L;
constexpr std::array<long double, 3> kThreePointNodes = {-0.774596669241483377036L, 0,
                                                         0.774596669241483377036L};
constexpr std::array<long double, 3> kThreePointWeights = {5.0L / 9, 8.0L / 9, 5.0L / 9};
constexpr long double kThreePointChange = 2e-2L;

// A force c·exp(σ·μ·u) of the friction path u.
struct ExpForce {
    long double c;
    int sigma;  // +1, -1, or 0 for a constant
};

// The two series below are exact to the last bit of a long double while
// their argument is under kSeriesBound: the first term left out is below
// 2⁻⁶⁶ of the sum. Smaller arguments need fewer terms (ladders of 2⁻⁸, 2⁻⁵,
// 2⁻³); along a chord of a hundred the argument is some 10⁻³.
constexpr long double kSeriesBound = 1.0L / 8;

template <size_t N>
long double horner(const std::array<long double, N>& c, size_t terms, long double x)
{
    long double sum = 0;
    for (size_t n = terms; n-- > 0;)
        sum = c[n] + x * sum;
    return sum;
}

// atan(w) for |w| < kSeriesBound: w − w³/3 + w⁵/5 − … up to w²³/23.
long double smallAtan(long double w)
{
    static constexpr auto odd = [] {
        std::array<long double, 12> c{};
        for (size_t n = 0; n < c.size(); ++n)
            c[n] = (n % 2 ? -1.0L : 1.0L) / static_cast<long double>(2 * n + 1);
        return c;
    }();
    const long double size = std::fabs(w);
    const size_t terms = size < 1.0L / 256 ? 5 : size < 1.0L / 32 ? 7 : 12;
    return w * horner(odd, terms, w * w);
}

// exp(y) for |y| < kSeriesBound: 1 + y + y²/2! + … up to y¹²/12!.
long double smallExp(long double y)
{
    static constexpr auto inverseFactorials = [] {
        std::array<long double, 13> c{};
        c[0] = 1;
        for (size_t n = 1; n < c.size(); ++n)
            c[n] = c[n - 1] / static_cast<long double>(n);
        return c;
    }();
    const long double size = std::fabs(y);
    const size_t terms = size < 1.0L / 256 ? 7 : size < 1.0L / 32 ? 10 : 13;
    return horner(inverseFactorials, terms, y);
}

// |atan s2 − atan s1|, the turn between two slopes: as the angle of the
// difference, atan((s2 − s1)/(1 + s1·s2)), which holds while 1 + s1·s2 > 0
// (every tendon's slopes) and is small between neighbouring points, where
// the series takes it without a call of atan.
long double angleChange(long double s1, long double s2)
{
    if (s1 == s2)
        return 0;
    const long double denominator = 1 + s1 * s2;
    if (!(denominator > 0))
        return std::fabs(std::atan(s2) - std::atan(s1));
    const long double w = (s2 - s1) / denominator;
    return std::fabs(std::fabs(w) < kSeriesBound ? smallAtan(w) : std::atan(w));
}

long double expOf(long double y) { return std::fabs(y) < kSeriesBound ? smallExp(y) : std::exp(y); }

// The friction path u(x) = θ(x) + k·(x − x0) along the tendon, with the
// integrals of exp(±μu) over every segment. Along a segment u is its value
// at the start plus the segment's own part, which is small along a chord:
// exp(μu) there is exp(μ·u_start), formed once per segment, times the
// exponential of the small part.
class FrictionPath {
public:
    // The arrays live in `space`, every entry written here: a space kept from
    // an earlier call is reused as it stands.
    FrictionPath(const TendonPath& path, long double mu, long double k, FrictionSpace& space)
        : path_(path), mu_(mu), k_(k), uEnd_(space.uEnd), growStart_(space.growStart),
          prefixMinus_(space.prefixMinus), prefixPlus_(space.prefixPlus)
    {
        const auto& p = path.points;
        const size_t segments = p.size() - 1;
        uEnd_.resize(segments);
        growStart_.resize(segments);
        // Both integrals of every segment in the same pass: exp(−μu) = 1/exp(μu).
        prefixMinus_.resize(segments + 1);
        prefixPlus_.resize(segments + 1);
        prefixMinus_[0] = prefixPlus_[0] = 0;
        for (size_t j = 0; j < segments; ++j) {
            const long double start = uStart(j);
            uEnd_[j] = start + local(j, p[j + 1].x);
            growStart_[j] = std::exp(mu_ * start);
            long double plus = 0, minus = 0;
            if (mu_ == 0) {
                plus = minus = p[j + 1].x - p[j].x;
            } else if (!path.curved[j]) {
                plus = integral(j, +1, p[j].x, p[j + 1].x);
                minus = integral(j, -1, p[j].x, p[j + 1].x);
            } else {
                const long double change = mu_ * (uEnd_[j] - start);
                const auto add = [&](const auto& nodes, const auto& weights) {
                    for (size_t i = 0; i < nodes.size(); ++i) {
                        const long double g = growStart_[j] * expOf(mu_ * localAtNode(j, nodes[i]));
                        plus += weights[i] * g;
                        minus += weights[i] / g;
                    }
                };
                if (change < kTwoPointChange)
                    add(std::array{-kTwoPointNode, kTwoPointNode}, std::array{1.0L, 1.0L});
                else if (change < kThreePointChange)
                    add(kThreePointNodes, kThreePointWeights);
                else
                    add(kNodes, kWeights);
                const long double half = (p[j + 1].x - p[j].x) / 2;
                plus *= half;
                minus *= half;
            }
            prefixPlus_[j + 1] = prefixPlus_[j] + plus;
            prefixMinus_[j + 1] = prefixMinus_[j] + minus;
        }
        total_ = segments > 0 ? uEnd_.back() : 0;
    }

    size_t segments() const { return uEnd_.size(); }
    long double total() const { return total_; }
    // u at the start of segment j: at the end of the one before and the
    // joint, the change between the two tangents (a straight segment's is
    // its chord's slope); nothing at a chord point inside a parabola.
    long double uStart(size_t j) const
    {
        if (j == 0)
            return 0;
        const auto& p = path_.points;
        const long double slopeIn = path_.curved[j - 1] ? p[j].slopeIn : p[j - 1].slopeOut;
        return uEnd_[j - 1] + angleChange(slopeIn, p[j].slopeOut);
    }
    long double uEnd(size_t j) const { return uEnd_[j]; }
    long double a(size_t j) const { return path_.points[j].x; }
    long double b(size_t j) const { return path_.points[j + 1].x; }

    // u at x inside segment j.
    long double u(size_t j, long double x) const { return uStart(j) + local(j, x); }
    // exp(μu) at the start of segment j.
    long double growAtStart(size_t j) const { return growStart_[j]; }

    // ∫ exp(σμu) dx over [x1, x2] inside segment j.
    long double integral(size_t j, int sigma, long double x1, long double x2) const
    {
        if (!(x2 > x1))
            return 0;
        const long double rate = sigma * mu_;
        if (rate == 0)
            return x2 - x1;
        if (!path_.curved[j]) {
            // u is linear along a straight segment: exp(rate·u1)·(exp(rate·k·Δx) − 1)/(rate·k).
            const long double u1 = u(j, x1);
            const long double g = rate * k_;
            const long double dx = x2 - x1;
            return g == 0 ? std::exp(rate * u1) * dx : std::exp(rate * u1) * std::expm1(g * dx) / g;
        }
        const long double mid = (x1 + x2) / 2, half = (x2 - x1) / 2;
        long double sum = 0;
        for (size_t i = 0; i < kNodes.size(); ++i)
            sum += kWeights[i] * std::exp(rate * u(j, mid + half * kNodes[i]));
        return sum * half;
    }
    long double wholeSegment(size_t j, int sigma) const
    {
        if (sigma == 0 || mu_ == 0)
            return b(j) - a(j);
        const auto& prefix = sigma < 0 ? prefixMinus_ : prefixPlus_;
        return prefix[j + 1] - prefix[j];
    }
    // ∫ exp(σμu) dx over segments first..last (whole).
    long double segmentsIntegral(size_t first, size_t last, int sigma) const
    {
        if (first > last)
            return 0;
        if (sigma == 0 || mu_ == 0)
            return b(last) - a(first);
        const auto& prefix = sigma < 0 ? prefixMinus_ : prefixPlus_;
        return prefix[last + 1] - prefix[first];
    }

    // The first station where u reaches `target` inside segment j (u grows).
    long double stationOf(size_t j, long double target) const
    {
        if (target <= uStart(j))
            return a(j);
        if (target >= uEnd_[j])
            return b(j);
        long double lo = a(j), hi = b(j);
        for (int i = 0; i < 200 && lo < hi; ++i) {
            const long double mid = lo + (hi - lo) / 2;
            if (mid <= lo || mid >= hi)
                break;
            (u(j, mid) < target ? lo : hi) = mid;
        }
        return hi;
    }

private:
    // u(x) − u at the start of segment j, for x inside it: the turn of the
    // tangent from the segment's start to x (along a chord of a parabola the
    // parabola's own, whose slope is linear in x) and the wobble.
    long double local(size_t j, long double x) const
    {
        const PathPoint& from = path_.points[j];
        long double turn = 0;
        if (path_.curved[j]) {
            const PathPoint& to = path_.points[j + 1];
            const long double slope =
                x == to.x ? to.slopeIn : from.slopeOut + (to.slopeIn - from.slopeOut) * ((x - from.x) / (to.x - from.x));
            turn = angleChange(from.slopeOut, slope);
        }
        return turn + k_ * (x - from.x);
    }
    // The same at a quadrature node (−1 … 1) of a chord of a parabola.
    long double localAtNode(size_t j, long double node) const
    {
        const PathPoint& from = path_.points[j];
        const PathPoint& to = path_.points[j + 1];
        const long double share = (1 + node) / 2;
        return angleChange(from.slopeOut, from.slopeOut + (to.slopeIn - from.slopeOut) * share) +
               k_ * (to.x - from.x) * share;
    }

    const TendonPath& path_;
    long double mu_, k_;
    long double total_ = 0;
    std::vector<long double>& uEnd_;
    std::vector<long double>& growStart_;  // exp(μu) at each segment's start
    std::vector<long double>& prefixMinus_;
    std::vector<long double>& prefixPlus_;
};

// Integrals of the forces over ranges of the friction path.
struct ForceModel {
    const FrictionPath& path;
    long double mu;

    long double value(const ExpForce& f, long double u) const { return f.c * std::exp(f.sigma * mu * u); }

    // The first station where u reaches `target`; the tendon's ends for the
    // ends of the path, so that a level start or end (u constant) is inside.
    long double stationAt(long double target) const
    {
        const size_t n = path.segments();
        if (target <= 0)
            return path.a(0);
        if (target >= path.total())
            return path.b(n - 1);
        size_t j = 0, hi = n - 1;  // first segment whose u reaches the target
        while (j < hi) {
            const size_t mid = (j + hi) / 2;
            (path.uEnd(mid) < target ? j = mid + 1 : hi = mid);
        }
        return path.stationOf(j, target);
    }

    // ∫ f dx over [x1, x2].
    long double integral(const ExpForce& f, long double x1, long double x2) const
    {
        if (!(x2 > x1) || f.c == 0)
            return 0;
        const int sigma = mu == 0 ? 0 : f.sigma;
        const size_t n = path.segments();
        const auto segmentOf = [&](long double x) {
            size_t lo = 0, hi = n - 1;  // last segment starting at or before x
            while (lo < hi) {
                const size_t mid = (lo + hi + 1) / 2;
                (path.a(mid) <= x ? lo = mid : hi = mid - 1);
            }
            return lo;
        };
        const size_t first = segmentOf(x1), last = std::min(segmentOf(x2), n - 1);
        if (first == last)
            return f.c * path.integral(first, sigma, x1, x2);
        long double sum = path.integral(first, sigma, x1, path.b(first));
        sum += path.segmentsIntegral(first + 1, last - 1, sigma);
        sum += path.integral(last, sigma, path.a(last), x2);
        return f.c * sum;
    }
};

// Where f and g are equal, as a value of u; none when they never are.
std::optional<long double> crossing(const ExpForce& f, const ExpForce& g, long double mu)
{
    if (f.sigma == g.sigma || mu == 0 || f.c <= 0 || g.c <= 0)
        return std::nullopt;
    return std::log(f.c / g.c) / ((g.sigma - f.sigma) * mu);
}

struct FrictionCurve {
    // P over u: the curve from the first point up to `split`, the one from
    // the last point beyond it (a single end has one curve throughout).
    ExpForce fromLeft, fromRight;
    long double split;

    const ExpForce& at(long double u) const { return u <= split ? fromLeft : fromRight; }
};

// ∫ max(0, P − Q) dx over the whole tendon.
long double lostByTheSet(const ForceModel& model, const FrictionCurve& p, const ExpForce& q)
{
    const FrictionPath& path = model.path;
    const long double total = path.total();
    if (model.mu == 0 || total == 0) {
        // No friction: P and Q are constant along the tendon.
        const long double width = path.b(path.segments() - 1) - path.a(0);
        return std::max(0.0L, model.value(p.fromLeft, 0) - model.value(q, 0)) * width;
    }
    long double lost = 0;
    const std::array<std::pair<long double, long double>, 2> pieces = {
        std::pair{0.0L, std::min(p.split, total)}, std::pair{std::max(p.split, 0.0L), total}};
    for (size_t i = 0; i < 2; ++i) {
        const ExpForce& f = i == 0 ? p.fromLeft : p.fromRight;
        long double from = pieces[i].first, to = pieces[i].second;
        if (!(to > from))
            continue;
        if (const auto c = crossing(f, q, model.mu)) {
            // P/Q is monotone in u: P is the larger on one side of c only.
            if (f.sigma < q.sigma)
                to = std::min(to, *c);
            else
                from = std::max(from, *c);
        } else if (f.c <= q.c) {
            continue;
        }
        if (to > from) {
            const long double x1 = model.stationAt(from), x2 = model.stationAt(to);
            lost += model.integral(f, x1, x2) - model.integral(q, x1, x2);
        }
    }
    return lost;
}

// The anchor force whose set loses `drawIn` kN·m against P; none when not
// even an anchor force of nothing would.
std::optional<long double> anchorForce(const ForceModel& model, const FrictionCurve& p, int sigma, long double scale,
                                       long double p0, long double drawIn)
{
    if (drawIn <= 0)
        return p0;
    const auto q = [&](long double pa) { return ExpForce{pa * scale, sigma}; };
    if (lostByTheSet(model, p, q(0)) <= drawIn)
        return std::nullopt;
    long double lo = 0, hi = p0;  // lost(lo) > drawIn >= lost(hi) = 0
    for (int i = 0; i < 200; ++i) {
        const long double mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi)
            break;
        (lostByTheSet(model, p, q(mid)) > drawIn ? lo : hi) = mid;
    }
    return lo + (hi - lo) / 2;
}

}  // namespace

TendonPath tendonPath(const TendonSlot& slot, char sep)
{
    TendonPath path;
    tendonPath(slot, sep, path);
    return path;
}

void tendonPath(const TendonSlot& slot, char sep, TendonPath& path)
{
    path.points.clear();
    path.curved.clear();
    path.definitionSegment.clear();
    const TextTable& store = slot.points;
    if (!isParabolicType(slot.type)) {
        for (int r = 1; r < store.rowCount(); ++r)
            path.points.push_back({toNumber(store.cell(r, 0), sep), toNumber(store.cell(r, 1), sep), 0, 0});
        for (size_t k = 0; k + 1 < path.points.size(); ++k) {
            PathPoint& a = path.points[k];
            PathPoint& b = path.points[k + 1];
            a.slopeOut = b.slopeIn = b.x != a.x ? (b.e - a.e) / (b.x - a.x) : 0.0L;
            path.curved.push_back(false);
            path.definitionSegment.push_back(static_cast<int>(k));
        }
        return;
    }
    // The parabola of each store segment: e(t) = e_a + (e_b − e_a)·t + 4f·t·(1 − t),
    // t = (x − x_a)/(x_b − x_a), whose slope is linear in x.
    struct Parabola {
        bool curved;
        long double xa, xb, ea, eb, sag;
        long double slopeAt(long double x) const
        {
            const long double t = (x - xa) / (xb - xa);
            return ((eb - ea) + 4 * sag * (1 - 2 * t)) / (xb - xa);
        }
    };
    std::vector<Parabola> parabolas;
    parabolas.reserve(static_cast<size_t>(std::max(store.rowCount() - 2, 0)));
    for (int s = 1; s + 1 < store.rowCount(); ++s) {
        Parabola p{segmentIsParabolic(store, slot.type, s), 0, 0, 0, 0, 0};
        if (p.curved) {
            p.xa = toNumber(store.cell(s, 0), sep);
            p.xb = toNumber(store.cell(s + 1, 0), sep);
            p.ea = toNumber(store.cell(s, 1), sep);
            p.eb = toNumber(store.cell(s + 1, 1), sep);
            p.sag = toNumber(store.cell(s, kMidEccentricityColumn), sep) - (p.ea + p.eb) / 2;
        }
        parabolas.push_back(p);
    }
    // Each chord lies on the store segment of the point it starts from.
    int segment = -1, previous = -1;
    forEachPolygonVertex(
        slot, sep,
        [&](size_t count) {
            path.points.reserve(count);
            path.curved.reserve(count);
            path.definitionSegment.reserve(count);
        },
        [&](const PolygonVertex& v) {
            path.points.push_back({v.x, v.e, 0, 0});
            if (segment >= 0) {
                const Parabola& parabola = parabolas[static_cast<size_t>(segment)];
                PathPoint& a = path.points[path.points.size() - 2];
                PathPoint& b = path.points.back();
                if (parabola.curved) {
                    // Inside a parabola the chord before ended at a on the
                    // same parabola: its slope there is this one's.
                    a.slopeOut = previous == segment ? a.slopeIn : parabola.slopeAt(a.x);
                    b.slopeIn = parabola.slopeAt(b.x);
                } else {
                    a.slopeOut = b.slopeIn = b.x != a.x ? (b.e - a.e) / (b.x - a.x) : 0.0L;
                }
                path.curved.push_back(parabola.curved);
                path.definitionSegment.push_back(segment);
            }
            previous = segment;
            segment = v.segment;
        });
}

std::vector<std::string> pathStationTexts(const TendonSlot& slot, char sep)
{
    const TextTable polygon = isParabolicType(slot.type) ? parabolicPolygon(slot, sep) : slot.points;
    std::vector<std::string> texts;
    for (int r = 1; r < polygon.rowCount(); ++r)
        texts.emplace_back(polygon.cell(r, 0));
    return texts;
}

StressingResult computeStressingForces(const TendonPath& path, const StressingValues& v)
{
    StressingResult result;
    FrictionSpace space;
    computeStressingForces(path, v, result, space);
    return result;
}

void computeStressingForces(const TendonPath& path, const StressingValues& v, StressingResult& result,
                            FrictionSpace& space)
{
    result.fault.clear();
    result.forces.initial.clear();
    result.forces.longTerm.clear();
    result.forces.anchorLeft.reset();
    result.forces.anchorRight.reset();
    result.forces.beforeSet.clear();
    result.forces.afterSet.clear();
    result.forces.largestAfterSet = 0;
    const auto& points = path.points;
    if (points.size() < 2) {
        result.fault = "Napínaný kabel musí mít alespoň dva body!";
        return;
    }
    for (size_t k = 0; k + 1 < points.size(); ++k)
        if (!(points[k + 1].x > points[k].x)) {
            result.fault = "Napínaný kabel musí mít staničení bodů ostře rostoucí (" + formatNumber(points[k + 1].x, ',') +
                           " m nenásleduje za " + formatNumber(points[k].x, ',') + " m)!";
            return;
        }

    const long double mu = v.friction;
    const FrictionPath friction(path, mu, v.wobble, space);
    const ForceModel model{friction, mu};
    const long double total = friction.total();
    const long double p0 = v.jackingForce;
    const bool left = v.ends != StressingEnds::Right, right = v.ends != StressingEnds::Left;

    // Before the set: P_L = P0·e^(−μu), P_R = P0·e^(−μ(S − u)), the larger where both.
    const ExpForce fromLeft{p0, -1}, fromRight{p0 * std::exp(-mu * total), +1};
    const FrictionCurve p = v.ends == StressingEnds::Both ? FrictionCurve{fromLeft, fromRight, total / 2}
                            : left                        ? FrictionCurve{fromLeft, fromLeft, total}
                                                          : FrictionCurve{fromRight, fromRight, -1};
    const long double drawIn = v.anchorageSet * v.modulus * v.area * 1e-6L;  // mm·MPa·mm² = N·mm → kN·m
    const char* noAnchor = "Pokluz v kotvě je tak velký, že by po zakotvení v kabelu nezůstala žádná síla!";
    std::vector<ExpForce> anchors;
    if (left) {
        // Q_L = Pa·e^(+μu).
        result.forces.anchorLeft = anchorForce(model, p, +1, 1, p0, drawIn);
        if (!result.forces.anchorLeft) {
            result.fault = noAnchor;
            return;
        }
        anchors.push_back({*result.forces.anchorLeft, +1});
    }
    if (right) {
        // Q_R = Pa·e^(+μ(S − u)) = Pa·e^(μS)·e^(−μu).
        const long double scale = std::exp(mu * total);
        result.forces.anchorRight = anchorForce(model, p, -1, scale, p0, drawIn);
        if (!result.forces.anchorRight) {
            result.fault = noAnchor;
            return;
        }
        anchors.push_back({*result.forces.anchorRight * scale, -1});
    }

    // P′ = min(P, Q…): the pieces change where any two of them cross.
    std::vector<ExpForce> all = {p.fromLeft, p.fromRight};
    all.insert(all.end(), anchors.begin(), anchors.end());
    std::vector<long double> breaks;
    if (v.ends == StressingEnds::Both)
        breaks.push_back(total / 2);
    for (size_t i = 0; i < all.size(); ++i)
        for (size_t j = i + 1; j < all.size(); ++j)
            if (const auto c = crossing(all[i], all[j], mu); c && *c > 0 && *c < total)
                breaks.push_back(*c);
    std::sort(breaks.begin(), breaks.end());
    // Compared by their logarithms, ln c + σμu, without an exponential each;
    // a force of nothing (c = 0) is the least of all.
    std::vector<long double> anchorLogs;
    for (const ExpForce& q : anchors)
        anchorLogs.push_back(q.c > 0 ? std::log(q.c) : -std::numeric_limits<long double>::infinity());
    const long double logLeft = std::log(p.fromLeft.c), logRight = std::log(p.fromRight.c);
    const auto activeAt = [&](long double u) {
        ExpForce least = p.at(u);
        long double leastLog = (u <= p.split ? logLeft : logRight) + least.sigma * mu * u;
        for (size_t i = 0; i < anchors.size(); ++i) {
            const long double l = anchorLogs[i] + anchors[i].sigma * mu * u;
            if (l < leastLog) {
                least = anchors[i];
                leastLog = l;
            }
        }
        return least;
    };
    // Both chart values at u, given exp(μu).
    const auto chartValues = [&](long double u, long double grow) {
        const auto at = [&](const ExpForce& f) { return f.sigma > 0 ? f.c * grow : f.sigma < 0 ? f.c / grow : f.c; };
        return std::pair{at(p.at(u)), at(activeAt(u))};
    };
    const auto after = [&](long double u) { return chartValues(u, std::exp(mu * u)).second; };

    const size_t segments = friction.segments();
    auto& forces = result.forces;
    forces.initial.reserve(segments);
    forces.longTerm.reserve(segments);
    forces.beforeSet.reserve(segments + 1);
    forces.afterSet.reserve(segments + 1);
    size_t nextBreak = 0;
    for (size_t j = 0; j < segments; ++j) {
        const long double u0 = friction.uStart(j), u1 = friction.uEnd(j);
        while (nextBreak < breaks.size() && breaks[nextBreak] <= u0)
            ++nextBreak;
        long double sum = 0;
        if (nextBreak >= breaks.size() || breaks[nextBreak] >= u1) {
            const ExpForce f = activeAt((u0 + u1) / 2);
            sum = f.c * friction.wholeSegment(j, mu == 0 ? 0 : f.sigma);
        } else {
            // Split the segment where the governing force changes.
            long double x = friction.a(j), uFrom = u0;
            for (size_t b = nextBreak; b <= breaks.size(); ++b) {
                const long double uTo = b < breaks.size() && breaks[b] < u1 ? breaks[b] : u1;
                const long double xTo = uTo >= u1 ? friction.b(j) : friction.stationOf(j, uTo);
                const ExpForce f = activeAt((uFrom + uTo) / 2);
                sum += f.c * friction.integral(j, f.sigma, x, xTo);
                x = xTo;
                uFrom = uTo;
                if (uTo >= u1)
                    break;
            }
        }
        const long double mean = sum / (friction.b(j) - friction.a(j));
        forces.initial.push_back(checkedFinite(mean));
        forces.longTerm.push_back(checkedFinite(mean * (1 - v.longTermLoss / 100)));
        const auto [beforeSet, afterSet] = chartValues(u0, friction.growAtStart(j));
        forces.beforeSet.push_back(beforeSet);
        forces.afterSet.push_back(afterSet);
    }
    const auto [beforeSet, afterSet] = chartValues(total, std::exp(mu * total));
    forces.beforeSet.push_back(beforeSet);
    forces.afterSet.push_back(afterSet);
    forces.largestAfterSet = *std::max_element(forces.afterSet.begin(), forces.afterSet.end());
    for (long double u : breaks)
        forces.largestAfterSet = std::max(forces.largestAfterSet, after(u));
}

}  // namespace kvor
