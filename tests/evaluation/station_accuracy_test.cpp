// Effects at and next to the points where an influence line jumps or kinks,
// against the statics of the beam worked out here by hand.
#include "evaluation/evaluation_run.h"
#include "model/numbers.h"
#include "prestress/section_check.h"
#include "support/project_builders.h"
#include "tendons/parabolic_store.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kvor {
namespace {

using testing::storeGenerated;

// A simple beam of 20 m with a broken tendon (0; 0), (10; 0,4), (20; 0) whose
// force steps from -2800 to -2600 kN at its kink, and a parabola over the
// whole beam (sag 0,5 m, -2000 kN, D = 100).
Project simpleBeamWithAForceStep()
{
    Project p;
    p.beam.length = "20";
    testing::setRectangleSection(p, "0,4", "1");
    testing::storeBroken(p, 0, {{"0", "0", "-2800"}, {"10", "0,4", "-2600"}, {"20", "0", ""}}, ',');
    TextTable parabola(3, 4);
    parabola.setRow(1, {"0", "0", "-2000", "0,5"});
    parabola.setRow(2, {"20", "0", "-2000", ""});
    testing::showUpTo(p.tendons, 1);
    p.tendons[1].typeText = kTendonTypeLabels[2];
    storeParabolicTendon(p.tendons[1], TendonType::SimpleParabolic, parabola, "100");
    return p;
}

long double effect(const Project& p, int q, int t) { return toNumber(p.results.value[q][t], ','); }

// The shear of a determinate beam is the tendon's vertical component there:
// V = dM/dx = -N·sin α of the segment at the section.
TEST(StationAccuracy, ShearNextToATendonPointIsTheStaticsOfItsSide)
{
    const long double sine = 0.4L / std::sqrt(100 + 0.16L);
    const long double left = -2800 * sine, right = 2600 * sine;  // -111,9 and 103,9 kN
    struct Case {
        const char* station;
        const char* step;
        long double expected;
    };
    // At X itself the tendon point counts as left of the section, as a load
    // at the jump takes the line's left ordinate: the shear just right of it.
    for (const Case& c : {Case{"9,95", "0,1", left}, Case{"10", "0,1", right}, Case{"10,05", "0,1", right},
                          Case{"9,95", "0,01", left}, Case{"10", "0,01", right}, Case{"10,05", "0,01", right},
                          Case{"9,93", "0,1", left}, Case{"10,07", "0,1", right}}) {
        Project p = simpleBeamWithAForceStep();
        storeGenerated(p, 0, kQuantityKindLabels[1], {c.station, c.step, ""});
        evaluateProject(p, ',');
        EXPECT_NEAR(static_cast<double>(effect(p, 0, 0)), static_cast<double>(c.expected),
                    1e-9 * std::fabs(static_cast<double>(c.expected)))
            << "X = " << c.station << ", H = " << c.step;
    }
}

// On a determinate beam the tendon's whole moment is primary: M2 = 0 at
// every section, at a kink or a change of force and between chords alike.
TEST(StationAccuracy, NoSecondaryMomentAnywhereOnASimpleBeam)
{
    for (const char* station : {"0", "1", "5", "9,97", "10", "10,03", "10,1", "15,5", "20"}) {
        Project p = simpleBeamWithAForceStep();
        storeGenerated(p, 0, kQuantityKindLabels[0], {station, "0,1", ""});
        evaluateProject(p, ',');
        const SectionChecks checks = sectionChecks(p, ',');
        ASSERT_EQ(checks.tables.size(), 1u) << checks.message;
        for (int t : {0, 1}) {
            const auto& cells = checks.tables[0].rows[static_cast<size_t>(t)].cells;
            const long double primary = toNumber(cells[3], ','), secondary = toNumber(cells[4], ',');
            EXPECT_LE(std::fabs(static_cast<double>(secondary)), 1e-9 * std::fabs(static_cast<double>(primary)) + 1e-9)
                << "X = " << station << ", tendon " << t + 1 << ": M1 " << cells[3] << ", M2 " << cells[4];
        }
    }
}

// Spans 10 + 14 + 10 m, a straight tendon (e = 0,3 m, -3000 kN) along the
// whole beam: its end couples N·e = -900 kNm load the continuous beam. By the
// three-moment equation and symmetry the inner supports carry
// M = -10·(-900)/(2·24 + 14) = 9000/62 kNm, which is also the moment along the
// unloaded middle span.
TEST(StationAccuracy, StraightTendonOverThreeSpansIsExactForAnyStep)
{
    for (const char* step : {"1", "0,5", "0,1"}) {
        Project p;
        testing::setContinuousBeam(p.beam, {"10", "14", "10"});
        testing::setRectangleSection(p, "0,4", "1");
        storeGenerated(p, 0, kQuantityKindLabels[0], {"17", step, ""});
        testing::storeStraight(p, 0, "0", "34", "0,3", "-3000", ',');
        evaluateProject(p, ',');
        EXPECT_NEAR(static_cast<double>(effect(p, 0, 0)), 9000.0 / 62, 1e-9 * 9000 / 62) << "H = " << step;
    }
}

}  // namespace
}  // namespace kvor
