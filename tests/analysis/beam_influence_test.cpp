#include "analysis/beam_influence.h"
#include "stiffness_reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace kvor;
using kvor::testing::stiffnessSolve;

namespace {

// Relative agreement in long double, with an absolute floor for values near zero.
void expectClose(long double expected, long double actual, long double scale = 1)
{
    EXPECT_LE(std::fabs(expected - actual), 1e-15L * (std::fabs(expected) + scale))
        << "expected " << static_cast<double>(expected) << " got " << static_cast<double>(actual);
}

// The position of a station on the beam (the span where it lies, the last one at the end).
BeamPosition positionOf(const BeamInfluence& beam, long double s)
{
    int j = 0;
    while (j < beam.spanCount() - 1 && s >= beam.supportStation(j + 1))
        ++j;
    return {j, s - beam.supportStation(j)};
}

TEST(BeamInfluence, SimpleBeamClosedForms)
{
    const long double l = 10, ei = 2.5e5L;
    const BeamInfluence beam({l});
    for (long double x : {1.0L, 2.5L, 5.0L, 7.3L}) {
        for (long double s : {0.0L, 0.7L, 2.5L, 4.0L, 6.0L, 9.9L, 10.0L}) {
            SCOPED_TRACE(static_cast<double>(x) * 100 + static_cast<double>(s));
            const BeamPosition at{0, x}, load{0, s};
            const long double m = s <= x ? s * (l - x) / l : x * (l - s) / l;
            expectClose(m, beam.moment(at, load));
            if (s != x)
                expectClose(s < x ? -s / l : 1 - s / l, beam.shear(at, load, LoadSide::Left));
            // w at x for a load at s, and its slope; x and s swap roles for x > s.
            const long double a = std::min(x, s), b = l - std::max(x, s);
            const long double w = a * b * (l * l - a * a - b * b) / (6 * l * ei);
            expectClose(w, beam.deflection(at, load, ei), 1e-4L);
            const long double phi = s >= x ? (l - s) * (l * l - (l - s) * (l - s) - 3 * x * x) / (6 * l * ei)
                                           : -s * (l * l - s * s - 3 * (l - x) * (l - x)) / (6 * l * ei);
            expectClose(phi, beam.rotation(at, load, ei), 1e-4L);
        }
    }
    // The jump of the shear under the load, and the reactions.
    EXPECT_EQ(beam.shear({0, 4}, {0, 4}, LoadSide::Left), -0.4L);
    expectClose(0.6L, beam.shear({0, 4}, {0, 4}, LoadSide::Right));
    expectClose(0.7L, beam.reaction(0, {0, 3}));
    expectClose(0.3L, beam.reaction(1, {0, 3}));
    // Midspan deflection for a load at midspan: L³/(48 EI).
    expectClose(l * l * l / (48 * ei), beam.deflection({0, 5}, {0, 5}, ei));
}

TEST(BeamInfluence, TwoEqualSpans)
{
    const long double l = 8;
    const BeamInfluence beam({l, l});
    for (long double s : {0.5L, 2.0L, 4.0L, 7.5L}) {
        // The moment over the middle support for a load in span 1, and by symmetry in span 2.
        const long double mb = -s * (l * l - s * s) / (4 * l * l);
        expectClose(mb, beam.supportMoment(1, {0, s}));
        expectClose(mb, beam.moment({1, 0}, {0, s}));
        expectClose(mb, beam.moment({1, 0}, {1, l - s}));
        // The middle reaction: the simple-beam share plus the moment's, 1 + ... from both sides.
        expectClose(s / l - 2 * mb / l, beam.reaction(1, {0, s}));
    }
}

TEST(BeamInfluence, ReactionsSumToTheLoadAndBalanceItsMoment)
{
    const BeamInfluence beam({6, 9.5L, 4, 12, 7.25L});
    for (long double s = 0; s <= beam.totalLength(); s += 0.85L) {
        const BeamPosition load = positionOf(beam, s);
        long double sum = 0, momentAboutStart = 0;
        for (int i = 0; i <= beam.spanCount(); ++i) {
            sum += beam.reaction(i, load);
            momentAboutStart += beam.reaction(i, load) * beam.supportStation(i);
        }
        expectClose(1, sum);
        expectClose(s, momentAboutStart, beam.totalLength());
    }
}

TEST(BeamInfluence, MaxwellReciprocity)
{
    const long double ei = 3.1e4L;
    const BeamInfluence beam({5, 11, 7.5L});
    for (long double x : {1.0L, 6.5L, 13.0L, 20.0L})
        for (long double s : {2.0L, 9.0L, 17.5L, 22.0L}) {
            const auto px = positionOf(beam, x), ps = positionOf(beam, s);
            expectClose(beam.deflection(px, ps, ei), beam.deflection(ps, px, ei), 1e-6L);
        }
}

// Three and fifteen unequal spans against the stiffness solution.
TEST(BeamInfluence, AgreesWithAStiffnessSolution)
{
    const long double ei = 4.2e5L;
    const std::vector<std::vector<long double>> beams = {
        {7.5L, 12, 9.25L},
        {6, 8.5L, 11, 7, 9.75L, 13, 5.5L, 10, 8, 12.25L, 6.5L, 9, 14, 7.75L, 10.5L},
    };
    for (const auto& spans : beams) {
        const BeamInfluence beam(spans);
        const long double total = beam.totalLength();
        for (long double x : {0.3L * total, 0.5L * total + 0.1L, 0.77L * total, total * 0.05L})
            for (long double s : {0.11L * total, 0.42L * total, 0.58L * total, 0.93L * total}) {
                SCOPED_TRACE(::testing::Message() << spans.size() << " spans, x " << static_cast<double>(x) << " s " << static_cast<double>(s));
                const auto reference = stiffnessSolve(spans, s, x, ei);
                const auto at = positionOf(beam, x), load = positionOf(beam, s);
                const long double scale = total;
                EXPECT_NEAR(static_cast<double>(reference.moment), static_cast<double>(beam.moment(at, load)), 1e-11 * scale);
                EXPECT_NEAR(static_cast<double>(reference.shear), static_cast<double>(beam.shear(at, load, LoadSide::Left)), 1e-11);
                EXPECT_NEAR(static_cast<double>(reference.deflection), static_cast<double>(beam.deflection(at, load, ei)), 1e-11 * scale * scale * scale / ei);
                EXPECT_NEAR(static_cast<double>(reference.rotation), static_cast<double>(beam.rotation(at, load, ei)), 1e-11 * scale * scale / ei);
                for (int i = 0; i <= beam.spanCount(); ++i)
                    EXPECT_NEAR(static_cast<double>(reference.reactions[i]), static_cast<double>(beam.reaction(i, load)), 1e-11) << "support " << i;
            }
    }
}

}  // namespace

namespace {

// The slopes of every kind of line against differences of its ordinates over
// ±h along the load's span (h small, long double): one-sided at the moment's
// kink, where the load passes the target.
TEST(BeamInfluence, SlopesAreTheDerivativesOfTheOrdinates)
{
    const BeamInfluence beam({8, 12.5L, 9});
    const long double ei = 3e5L, h = 1e-6L;
    struct Target {
        BeamPosition at;
        int support;  // for the reaction
    };
    for (const Target& target : {Target{{1, 4.5L}, 1}, Target{{0, 2}, 2}, Target{{2, 8.1L}, 3}}) {
        const BeamPosition at = target.at;
        const auto ordinate = [&](int kind, const BeamPosition& load) -> long double {
            switch (kind) {
            case 0: return beam.moment(at, load);
            case 1: return beam.shear(at, load, LoadSide::Left);
            case 2: return beam.reaction(target.support, load);
            case 3: return beam.deflection(at, load, ei);
            default: return beam.rotation(at, load, ei);
            }
        };
        const auto slope = [&](int kind, const BeamPosition& load, LoadSide side) -> long double {
            switch (kind) {
            case 0: return beam.momentSlope(at, load, side);
            case 1: return beam.shearSlope(at, load);
            case 2: return beam.reactionSlope(target.support, load);
            case 3: return beam.deflectionSlope(at, load, ei);
            default: return beam.rotationSlope(at, load, ei);
            }
        };
        for (int kind = 0; kind < 5; ++kind) {
            for (int span = 0; span < 3; ++span) {
                for (long double t : {0.1L, 0.37L, 0.5L, 0.83L}) {
                    const BeamPosition load{span, t * beam.span(span)};
                    if (load.span == at.span && std::fabs(load.x - at.x) < 2 * h)
                        continue;
                    const long double central =
                        (ordinate(kind, {span, load.x + h}) - ordinate(kind, {span, load.x - h})) / (2 * h);
                    const long double scale = kind >= 3 ? 1 / ei : 1;
                    EXPECT_NEAR(static_cast<double>(slope(kind, load, LoadSide::Left) / scale),
                                static_cast<double>(central / scale), 1e-6)
                        << "kind " << kind << " span " << span << " t " << static_cast<double>(t);
                }
            }
            // At the target itself: the moment's line kinks by exactly 1.
            const long double before = (ordinate(kind, at) - ordinate(kind, {at.span, at.x - h})) / h;
            const long double after = (ordinate(kind, {at.span, at.x + h}) - ordinate(kind, at)) / h;
            const long double scale = kind >= 3 ? 1 / ei : 1;
            if (kind != 1) {
                EXPECT_NEAR(static_cast<double>(slope(kind, at, LoadSide::Left) / scale),
                            static_cast<double>(before / scale), 1e-4) << "kind " << kind;
                EXPECT_NEAR(static_cast<double>(slope(kind, at, LoadSide::Right) / scale),
                            static_cast<double>(after / scale), 1e-4) << "kind " << kind;
            }
        }
        EXPECT_NEAR(static_cast<double>(beam.momentSlope(at, at, LoadSide::Left) -
                                        beam.momentSlope(at, at, LoadSide::Right)),
                    1.0, 1e-15);
    }
}

}  // namespace
