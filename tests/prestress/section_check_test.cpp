#include "prestress/section_check.h"

#include "analysis/slot_generation.h"
#include "evaluation/evaluation_run.h"
#include "influence/influence_file.h"
#include "structure/beam.h"
#include "tendons/parabolic_store.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "tendons/tendon_store.h"
#include "support/project_builders.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kvor {
namespace {

using testing::setContinuousBeam;
using testing::setSectionValues;

// A simple beam of 10 m, the exact midspan-moment line, a straight tendon
// (-1000 kN at e = 0,2 m) in slot 1 and a broken one in slot 3.
Project simpleBeam()
{
    Project p;
    p.beam.length = "10";
    setSectionValues(p.section, {"0,48", "0,0576", "0,6", "-0,6"});
    QuantitySlot& q = p.quantities[0];
    q.shown = true;
    q.kindText = kQuantityKindLabels[0];
    // The exact line has a point wherever a tendon has one, so nothing is interpolated.
    TextTable line(6, 2);
    line.setRow(0, {"Staničení [m]", "Pořadnice"});
    line.setRow(1, {"0", "0"});
    line.setRow(2, {"2", "1"});
    line.setRow(3, {"5", "2,5"});
    line.setRow(4, {"8", "1"});
    line.setRow(5, {"10", "0"});
    storeInfluenceLine(q, line, EntryMode::Manual, "");
    for (size_t t : {size_t{0}, size_t{2}}) {
        TendonSlot& slot = p.tendons[t];
        slot.shown = true;
        slot.typeText = kTendonTypeLabels[t == 0 ? 0 : 1];
    }
    EXPECT_FALSE(storeTendon(p.tendons[0], StraightTendonInput{"0", "10", "0,2", "-1000"}));
    TextTable points(4, 2), forces(3, 1);
    points.setRow(1, {"2", "0,1"});
    points.setRow(2, {"5", "0,5"});
    points.setRow(3, {"8", "0,1"});
    forces.setCell(1, 0, "-1000");
    forces.setCell(2, 0, "-1000");
    EXPECT_FALSE(storeTendon(p.tendons[2], BrokenTendonInput{points, forces}));
    evaluateProject(p, ',');
    return p;
}

TEST(SectionCheck, OnASimpleBeamTheWholeMomentIsPrimary)
{
    Project p = simpleBeam();
    p.results.group[2] = true;
    const SectionValues section = *sectionValuesForCheck(p.section, ',').values;
    const auto table = sectionCheckTable(p, 0, "5", section, ',');
    ASSERT_TRUE(table);
    ASSERT_EQ(table->rows.size(), 7u);  // five tendons, the group, the total
    const auto& straight = table->rows[0].cells;
    EXPECT_EQ(straight[1], "-1000");
    EXPECT_EQ(straight[3], "-200");
    EXPECT_EQ(straight[4], "0");
    EXPECT_EQ(straight[5], "-200");
    // N/A ± M·e/I by hand: -2,0833… ∓ 2,0833… MPa.
    EXPECT_EQ(straight[6], "0");
    EXPECT_EQ(straight[7], formatNumber((-1000 / 0.48L + -200 * 0.6L / 0.0576L) / 1000, ','));
    EXPECT_EQ(table->rows[1].cells[1], "###");
    EXPECT_EQ(table->rows[1].cells[0], "5");
    // The broken tendon at its peak: the secondary moment of a simple beam is
    // nothing but rounding.
    const auto& broken = table->rows[2].cells;
    EXPECT_NEAR(static_cast<double>(toNumber(broken[4], ',')), 0, 1e-9);
    EXPECT_EQ(table->rows[5].label, "skupina");
    EXPECT_EQ(table->rows[5].cells[5], broken[5]);
    EXPECT_EQ(table->rows[6].label, "celkem");
    EXPECT_NEAR(static_cast<double>(toNumber(table->rows[6].cells[1], ',')),
                static_cast<double>(toNumber(straight[1], ',') + toNumber(broken[1], ',')), 1e-9);
}

TEST(SectionCheck, ATendonThatDoesNotReachTheSectionHasOnlyASecondaryMoment)
{
    Project p = simpleBeam();
    const SectionValues section = *sectionValuesForCheck(p.section, ',').values;
    const auto table = sectionCheckTable(p, 0, "1", section, ',');  // the broken tendon runs from 2 to 8
    ASSERT_TRUE(table);
    const auto& broken = table->rows[2].cells;
    EXPECT_EQ((std::vector<std::string>{broken[1], broken[2], broken[3]}), (std::vector<std::string>{"0", "0", "0"}));
    EXPECT_EQ(broken[4], p.results.value[0][2]);
    EXPECT_EQ(broken[5], p.results.value[0][2]);
    EXPECT_EQ(table->offTendon, std::vector<int>{3});
    EXPECT_TRUE(sectionCheckNote(*table).ends_with(" Kabel 3 průřezem neprochází: P = e = M1 = 0, moment M je celý "
                                                   "sekundární."));
}

TEST(SectionCheck, OnlyEvaluatedMomentsWithAStationAreChecked)
{
    Project p = simpleBeam();
    const SectionValues section = *sectionValuesForCheck(p.section, ',').values;
    EXPECT_FALSE(sectionCheckTable(p, 0, "", section, ','));
    EXPECT_FALSE(sectionCheckTable(p, 1, "5", section, ','));
    p.quantities[0].kindText = kQuantityKindLabels[1];
    EXPECT_FALSE(sectionCheckTable(p, 0, "5", section, ','));
}

TEST(SectionCheck, MissingSectionValuesAreNamed)
{
    CrossSection section;
    section.area = "0,48";
    section.inertia = "x";
    section.eTop = "-0,6";
    const SectionValuesOrMessage checked = sectionValuesForCheck(section, ',');
    EXPECT_FALSE(checked.values);
    EXPECT_EQ(checked.message, "Pro posouzení napětí v průřezu chybí hodnoty průřezu: moment setrvačnosti I, "
                               "vzdálenost dolních vláken e_d.");
}

TEST(SectionCheck, AllChecksNameMissingSectionValuesOnlyWhenSomethingIsToBeChecked)
{
    Project p = simpleBeam();
    EXPECT_TRUE(sectionChecks(p, ',').tables.empty());  // no station known
    p.quantities[0].station = "5";
    ASSERT_EQ(sectionChecks(p, ',').tables.size(), 1u);
    p.section.area.clear();
    const SectionChecks checks = sectionChecks(p, ',');
    EXPECT_TRUE(checks.tables.empty());
    EXPECT_EQ(checks.message, "Pro posouzení napětí v průřezu chybí hodnoty průřezu: plocha A.");
}

// Two equal spans of 10 m, one parabolic tendon N = -1000 kN through both
// (e = 0 over the supports, sag f = 0,5 m at each midspan). Released into two
// simple spans it gives M1 = N·cos α·e; the rotations at the middle support
// agree when its moment is X = -(3/L²)·∫ M1·x dx over a span (x from the end
// support), which is -N·f = 500 kNm but for cos α. That moment is all
// secondary there (e = 0) and falls linearly to zero at the end supports.
long double supportMomentByTheForceMethod()
{
    const long double span = 10, sag = 0.5L, force = -1000;
    const int steps = 20000;
    long double integral = 0;
    for (int i = 0; i < steps; ++i) {
        const long double x = (i + 0.5L) * span / steps;
        const long double e = 4 * sag * x * (span - x) / (span * span);
        const long double slope = 4 * sag * (span - 2 * x) / (span * span);
        integral += force * e / std::sqrt(1 + slope * slope) * x * span / steps;
    }
    return -3 * integral / (span * span);
}

TEST(SectionCheck, SecondaryMomentOfAParabolicTendonOverTwoSpansIsTheClosedForm)
{
    const double support = static_cast<double>(supportMomentByTheForceMethod());
    EXPECT_NEAR(support, 498.03, 0.01);
    // Chords of 1/100 of the span keep the secondary moment within 0,1 %.
    for (const char* divisions : {"100", "200"}) {
        Project p;
        setContinuousBeam(p.beam, {"10", "10"});
        p.section = simpleBeam().section;
        testing::storeGenerated(p, 0, kQuantityKindLabels[0], {"10", "0,05", ""});
        testing::storeGenerated(p, 1, kQuantityKindLabels[0], {"5", "0,05", ""});
        TextTable points(4, 4);
        points.setRow(1, {"0", "0", "-1000", "0,5"});
        points.setRow(2, {"10", "0", "-1000", "0,5"});
        points.setRow(3, {"20", "0", "-1000", ""});
        p.tendons[0].shown = true;
        storeParabolicTendon(p.tendons[0], TendonType::CompositeParabolic, points, divisions);
        evaluateProject(p, ',');

        const SectionChecks checks = sectionChecks(p, ',');
        ASSERT_EQ(checks.tables.size(), 2u);
        const auto cell = [&](int table, int column) {
            return static_cast<double>(toNumber(checks.tables[static_cast<size_t>(table)].rows[0].cells[column], ','));
        };
        // Over the middle support e = 0, M1 = 0: the whole moment is secondary.
        EXPECT_NEAR(cell(0, 2), 0, 1e-12);
        EXPECT_NEAR(cell(0, 3), 0, 1e-9);
        EXPECT_NEAR(cell(0, 4), support, 1e-3 * support) << "D = " << divisions;
        // At midspan the tendon's vertex: M1 = N·f, M2 half the support's.
        EXPECT_NEAR(cell(1, 2), 0.5, 1e-12);
        EXPECT_NEAR(cell(1, 1), -1000, 0.05);  // N·cos α with α ≈ 0 at the vertex
        EXPECT_NEAR(cell(1, 4), support / 2, 1e-3 * support / 2) << "D = " << divisions;
        EXPECT_NEAR(cell(1, 5), cell(1, 3) + cell(1, 4), 1e-9);
    }
}

}  // namespace
}  // namespace kvor
