#include "prestress/section_prestress.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kvor {
namespace {

// A rectangle 0,4 x 1,2 m: A = 0,48 m², I = 0,0576 m⁴, fibres ±0,6 m.
const SectionValues kRectangle{0.48L, 0.0576L, 0.6L, -0.6L};

TEST(SectionPrestress, StraightTendonOfASimpleBeamHasNoSecondaryMoment)
{
    // N = -1000 kN at e = 0,2 m; on a simple beam the evaluated moment is N·e.
    const std::vector<PolygonPoint> straight = {{0, 0.2L, -1000}, {10, 0.2L, -1000}};
    const SectionPrestress at = prestressAtStation(straight, true, 5, -200, kRectangle);
    ASSERT_TRUE(at.onTendon);
    EXPECT_EQ(at.normalForce, -1000);
    EXPECT_EQ(at.eccentricity, 0.2L);
    EXPECT_NEAR(static_cast<double>(at.primaryMoment), -200, 1e-12);
    EXPECT_NEAR(static_cast<double>(at.secondaryMoment), 0, 1e-12);
    // By hand: N/A ± M·e/I = -2083,33 ∓ 2083,33 kN/m².
    EXPECT_NEAR(static_cast<double>(at.stressTop), (-1000 / 0.48 + -200 * -0.6 / 0.0576) / 1000, 1e-12);
    EXPECT_NEAR(static_cast<double>(at.stressBottom), (-1000 / 0.48 + -200 * 0.6 / 0.0576) / 1000, 1e-12);
    EXPECT_NEAR(static_cast<double>(at.stressTop), 0, 1e-12);
}

TEST(SectionPrestress, TheSegmentAtAStationFollowsTheBrokenTendon)
{
    // Down from 0,1 to 0,5 m over 3 m, then up again: P = N·cos α.
    const std::vector<PolygonPoint> broken = {{2, 0.1L, -1000}, {5, 0.5L, -900}, {8, 0.1L, -900}};
    const long double cosine = 3 / std::sqrt(9 + 0.16L);
    struct Case {
        long double station;
        bool onTendon;
        long double force, eccentricity;
    };
    const Case cases[] = {
        {1, false, 0, 0},
        // At a point of the tendon the mean of both sides, as the evaluated
        // moment there; beyond an anchorage there is no force.
        {2, true, -500 * cosine, 0.1L},
        {3.5L, true, -1000 * cosine, 0.3L},
        {5, true, -950 * cosine, 0.5L},
        {6.5L, true, -900 * cosine, 0.3L},
        {8, true, -450 * cosine, 0.1L},
        {8.5L, false, 0, 0},
    };
    for (const Case& c : cases) {
        const SectionPrestress at = prestressAtStation(broken, false, c.station, 10, kRectangle);
        EXPECT_EQ(at.onTendon, c.onTendon) << static_cast<double>(c.station);
        EXPECT_NEAR(static_cast<double>(at.normalForce), static_cast<double>(c.force), 1e-9);
        EXPECT_NEAR(static_cast<double>(at.eccentricity), static_cast<double>(c.eccentricity), 1e-15);
        EXPECT_NEAR(static_cast<double>(at.primaryMoment), static_cast<double>(c.force * c.eccentricity), 1e-9);
        if (!c.onTendon) {
            EXPECT_EQ(at.totalMoment, 0);
        }
    }
}

TEST(SectionPrestress, SumsAddForcesAndMomentsAndTakeStressesFromTheSums)
{
    const std::vector<PolygonPoint> one = {{0, 0.2L, -1000}, {10, 0.2L, -1000}};
    const std::vector<PolygonPoint> two = {{0, -0.1L, -500}, {10, -0.1L, -500}};
    const SectionPrestress a = prestressAtStation(one, true, 5, -250, kRectangle);
    const SectionPrestress b = prestressAtStation(two, true, 5, 60, kRectangle);
    const SectionPrestress sum = sumOfPrestress({a, b, SectionPrestress{}}, kRectangle);
    EXPECT_EQ(sum.normalForce, -1500);
    EXPECT_NEAR(static_cast<double>(sum.primaryMoment), -150, 1e-12);
    EXPECT_NEAR(static_cast<double>(sum.totalMoment), -190, 1e-12);
    EXPECT_NEAR(static_cast<double>(sum.secondaryMoment), -40, 1e-12);
    EXPECT_NEAR(static_cast<double>(sum.eccentricity), 0.1, 1e-15);
    EXPECT_NEAR(static_cast<double>(sum.stressBottom), (-1500 / 0.48 + -190 * 0.6 / 0.0576) / 1000, 1e-12);
    EXPECT_EQ(sumOfPrestress({}, kRectangle).normalForce, 0);
}

}  // namespace
}  // namespace kvor
