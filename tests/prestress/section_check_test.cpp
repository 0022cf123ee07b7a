#include "prestress/section_check.h"

#include "evaluation/evaluation_run.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "tendons/tendon_store.h"

#include <gtest/gtest.h>

namespace kvor {
namespace {

// A simple beam of 10 m, the exact midspan-moment line, a straight tendon
// (-1000 kN at e = 0,2 m) in slot 1 and a broken one in slot 3.
Project simpleBeam()
{
    Project p;
    p.beam.length = "10";
    p.section.area = "0,48";
    p.section.inertia = "0,0576";
    p.section.eBottom = "0,6";
    p.section.eTop = "-0,6";
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

}  // namespace
}  // namespace kvor
