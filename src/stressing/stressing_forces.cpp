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

// Gauss–Legendre nodes and weights on [-1, 1], 4 points: exact for degree 7,
// while along one chord exp(±μu) changes by μ times the chord's small turn.
constexpr std::array<long double, 4> kNodes = {-0.861136311594052575224L, -0.339981043584856264803L,
                                               0.339981043584856264803L, 0.861136311594052575224L};
constexpr std::array<long double, 4> kWeights = {0.347854845137453857373L, 0.652145154862546142627L,
                                                 0.652145154862546142627L, 0.347854845137453857373L};
// Two points (exact for degree 3) where exp(±μu) changes by less than 10⁻³
// along the chord: the rule's error is then below 10⁻¹⁵ of the integral.
constexpr long double kTwoPointNode = 0.577350269189625764509L;
constexpr long double kSmallChange = 1e-3L;

// A force c·exp(σ·μ·u) of the friction path u.
struct ExpForce {
    long double c;
    int sigma;  // +1, -1, or 0 for a constant
};

// The friction path u(x) = θ(x) + k·(x − x0) along the tendon, with the
// integrals of exp(±μu) over every segment.
class FrictionPath {
public:
    FrictionPath(const TendonPath& path, long double mu, long double k) : path_(path), mu_(mu), k_(k)
    {
        const auto& p = path.points;
        const size_t segments = p.size() - 1;
        uStart_.resize(segments);
        uEnd_.resize(segments);
        angleStart_.resize(segments);
        long double along = 0;
        long double angleIn = 0;
        for (size_t j = 0; j < segments; ++j) {
            angleStart_[j] = std::atan(p[j].slopeOut);
            if (j > 0)  // the joint: the change between the two tangents
                along += std::fabs(angleStart_[j] - angleIn);
            uStart_[j] = along;
            angleIn = path.curved[j] ? std::atan(p[j + 1].slopeIn) : angleStart_[j];
            along += std::fabs(angleIn - angleStart_[j]) + k_ * (p[j + 1].x - p[j].x);
            uEnd_[j] = along;
        }
        total_ = along;
        // Both integrals of every segment in one pass: exp(−μu) = 1/exp(μu).
        prefixMinus_.assign(segments + 1, 0);
        prefixPlus_.assign(segments + 1, 0);
        for (size_t j = 0; j < segments; ++j) {
            long double plus = 0, minus = 0;
            if (mu_ == 0) {
                plus = minus = p[j + 1].x - p[j].x;
            } else if (!path.curved[j]) {
                plus = integral(j, +1, p[j].x, p[j + 1].x);
                minus = integral(j, -1, p[j].x, p[j + 1].x);
            } else {
                const long double mid = (p[j].x + p[j + 1].x) / 2, half = (p[j + 1].x - p[j].x) / 2;
                if (mu_ * (uEnd_[j] - uStart_[j]) < kSmallChange) {
                    for (long double node : {-kTwoPointNode, kTwoPointNode}) {
                        const long double grow = std::exp(mu_ * u(j, mid + half * node));
                        plus += grow;
                        minus += 1 / grow;
                    }
                } else {
                    for (size_t i = 0; i < kNodes.size(); ++i) {
                        const long double grow = std::exp(mu_ * u(j, mid + half * kNodes[i]));
                        plus += kWeights[i] * grow;
                        minus += kWeights[i] / grow;
                    }
                }
                plus *= half;
                minus *= half;
            }
            prefixPlus_[j + 1] = prefixPlus_[j] + plus;
            prefixMinus_[j + 1] = prefixMinus_[j] + minus;
        }
    }

    size_t segments() const { return uStart_.size(); }
    long double total() const { return total_; }
    long double uStart(size_t j) const { return uStart_[j]; }
    long double uEnd(size_t j) const { return uEnd_[j]; }
    long double a(size_t j) const { return path_.points[j].x; }
    long double b(size_t j) const { return path_.points[j + 1].x; }

    // u at x inside segment j.
    long double u(size_t j, long double x) const { return uStart_[j] + turn(j, x) + k_ * (x - a(j)); }

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
        if (target <= uStart_[j])
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
    // The turn of the tangent from the segment's start to x: along a chord of
    // a parabola the parabola's own, whose slope is linear in x.
    long double turn(size_t j, long double x) const
    {
        if (!path_.curved[j])
            return 0;
        const PathPoint& from = path_.points[j];
        const PathPoint& to = path_.points[j + 1];
        const long double slope = from.slopeOut + (to.slopeIn - from.slopeOut) * ((x - from.x) / (to.x - from.x));
        return std::fabs(std::atan(slope) - angleStart_[j]);
    }

    const TendonPath& path_;
    long double mu_, k_;
    long double total_ = 0;
    std::vector<long double> uStart_, uEnd_;
    std::vector<long double> angleStart_;  // atan of the slope at each segment's start
    std::vector<long double> prefixMinus_, prefixPlus_;
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
        return path;
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
    const std::vector<PolygonVertex> vertices = parabolicPolygonVertices(slot, sep);
    for (const PolygonVertex& v : vertices)
        path.points.push_back({v.x, v.e, 0, 0});
    for (size_t k = 0; k + 1 < vertices.size(); ++k) {
        const int segment = vertices[k].segment;
        const Parabola& parabola = parabolas.at(static_cast<size_t>(segment));
        PathPoint& a = path.points[k];
        PathPoint& b = path.points[k + 1];
        if (parabola.curved) {
            a.slopeOut = parabola.slopeAt(a.x);
            b.slopeIn = parabola.slopeAt(b.x);
        } else {
            a.slopeOut = b.slopeIn = b.x != a.x ? (b.e - a.e) / (b.x - a.x) : 0.0L;
        }
        path.curved.push_back(parabola.curved);
        path.definitionSegment.push_back(segment);
    }
    return path;
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
    const auto& points = path.points;
    if (points.size() < 2) {
        result.fault = "Napínaný kabel musí mít alespoň dva body!";
        return result;
    }
    for (size_t k = 0; k + 1 < points.size(); ++k)
        if (!(points[k + 1].x > points[k].x)) {
            result.fault = "Napínaný kabel musí mít staničení bodů ostře rostoucí (" + formatNumber(points[k + 1].x, ',') +
                           " m nenásleduje za " + formatNumber(points[k].x, ',') + " m)!";
            return result;
        }

    const long double mu = v.friction;
    const FrictionPath friction(path, mu, v.wobble);
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
            return result;
        }
        anchors.push_back({*result.forces.anchorLeft, +1});
    }
    if (right) {
        // Q_R = Pa·e^(+μ(S − u)) = Pa·e^(μS)·e^(−μu).
        const long double scale = std::exp(mu * total);
        result.forces.anchorRight = anchorForce(model, p, -1, scale, p0, drawIn);
        if (!result.forces.anchorRight) {
            result.fault = noAnchor;
            return result;
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
    // Both chart values at u from one exponential.
    const auto chartValues = [&](long double u) {
        const long double grow = std::exp(mu * u);
        const auto at = [&](const ExpForce& f) { return f.sigma > 0 ? f.c * grow : f.sigma < 0 ? f.c / grow : f.c; };
        return std::pair{at(p.at(u)), at(activeAt(u))};
    };
    const auto after = [&](long double u) { return chartValues(u).second; };

    const size_t segments = friction.segments();
    auto& forces = result.forces;
    forces.initial.reserve(segments);
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
        const auto [beforeSet, afterSet] = chartValues(u0);
        forces.beforeSet.push_back(beforeSet);
        forces.afterSet.push_back(afterSet);
    }
    const auto [beforeSet, afterSet] = chartValues(total);
    forces.beforeSet.push_back(beforeSet);
    forces.afterSet.push_back(afterSet);
    forces.largestAfterSet = *std::max_element(forces.afterSet.begin(), forces.afterSet.end());
    for (long double u : breaks)
        forces.largestAfterSet = std::max(forces.largestAfterSet, after(u));
    return result;
}

}  // namespace kvor
