// The stress check at transfer and in service on a simple beam of 10 m with
// the exact midspan-moment line, where every row follows by hand:
// A = 0,4 m², I = 0,04 m⁴, e_h = −0,5 m, e_d = 0,5 m (W = 0,08 m³), a level
// tendon through the section at X = 5 m, whose whole effect is primary
// (Mp = P·e), g0 = 10 kN/m, so G0 = g0·L²/8 = 125 kNm; q on the whole line
// gives Q+ = q·12,5 m², Q− = 0; σ = P/A ∓ (Mp + Mext)/W.

#include "check/stress_check.h"

#include "evaluation/evaluation_run.h"
#include "model/error.h"
#include "model/numbers.h"
#include "report/report_content.h"
#include "stressing/tendon_stressing.h"
#include "support/project_builders.h"

#include <gtest/gtest.h>

namespace kvor::testing {
namespace {

struct Expected {
    double external, force, moment, top, bottom;
    bool passes;
};

struct CheckCase {
    const char* name;
    const char* eccentricity;
    const char* force;   // kN; the stressed tendon's P0 taken as compression
    bool stressed;       // a level broken tendon stressed with μ = k = Δs = 0 and 20 % long-term loss
    const char* variable;
    CheckInput concrete;
    std::array<Expected, kCheckRowCount> rows;
};

Project beamOf(const CheckCase& c)
{
    Project p = stressCheckBeam(',');
    if (c.stressed) {
        const std::string p0 = std::string(c.force).substr(1);
        storeBroken(p, 0, {{"0", c.eccentricity, c.force}, {"10", c.eccentricity, ""}}, ',');
        p.tendons[0].stressing = TendonStressing{"L", p0, "0", "0", "0", "195000", "3000", "20", "1860"};
        restressTendon(p.tendons[0], ',');
    } else {
        storeStraight(p, 0, "0", "10", c.eccentricity, c.force, ',');
    }
    setLoads(p, "10", "", c.variable, {}, ',');
    p.check = c.concrete;
    evaluateProject(p, ',');
    return p;
}

const CheckInput kC30{"30", "2,9", "", "", ""};

// Rows: po předpětí, charakteristická max/min, kvazistálá max/min.
const CheckCase kCases[] = {
    // P/A = −7,5 MPa, Mp = −600 kNm, Mext = G0 everywhere: M = −475 kNm, ∓5,9375 MPa.
    {"GravityOnlyPasses", "0,2", "-3000", false, "", kC30,
     {{{125, -3000, -600, -1.5625, -13.4375, true},
       {125, -3000, -600, -1.5625, -13.4375, true},
       {125, -3000, -600, -1.5625, -13.4375, true},
       {125, -3000, -600, -1.5625, -13.4375, true},      // −0,45·30 = −13,5 MPa: just within
       {125, -3000, -600, -1.5625, -13.4375, true}}}},
    // P/A = −5 MPa, Mp = −600 kNm: 0,9375 MPa tension at the top, within
    // f_ctm, but no tension is allowed in the quasi-permanent rows.
    {"FailsOnlyInQuasiPermanentTension", "0,3", "-2000", false, "", kC30,
     {{{125, -2000, -600, 0.9375, -10.9375, true},
       {125, -2000, -600, 0.9375, -10.9375, true},
       {125, -2000, -600, 0.9375, -10.9375, true},
       {125, -2000, -600, 0.9375, -10.9375, false},
       {125, -2000, -600, 0.9375, -10.9375, false}}}},
    // f_ck(t) = 20 MPa gives −12 MPa at transfer; q = 8 kN/m (Q+ = 100 kNm)
    // with ψ2 = 0,5 relieves the service rows.
    {"FailsOnlyInCompressionAtTransfer", "0,2", "-3000", false, "8", CheckInput{"30", "2,9", "20", "", "0,5"},
     {{{125, -3000, -600, -1.5625, -13.4375, false},
       {225, -3000, -600, -2.8125, -12.1875, true},
       {125, -3000, -600, -1.5625, -13.4375, true},
       {175, -3000, -600, -2.1875, -12.8125, true},
       {125, -3000, -600, -1.5625, -13.4375, true}}}},
    // In service λ = 0,8: P = −2400 kN, Mp = −480 kNm, M = −355 kNm: −6 ± 4,4375 MPa.
    {"ServiceTakesTheLongTermLoss", "0,2", "-3000", true, "", kC30,
     {{{125, -3000, -600, -1.5625, -13.4375, true},
       {125, -2400, -480, -1.5625, -10.4375, true},
       {125, -2400, -480, -1.5625, -10.4375, true},
       {125, -2400, -480, -1.5625, -10.4375, true},
       {125, -2400, -480, -1.5625, -10.4375, true}}}},
};

class StressCheckByHand : public ::testing::TestWithParam<CheckCase> {};

TEST_P(StressCheckByHand, EveryRowAsComputedByHand)
{
    const CheckCase& c = GetParam();
    const StressChecks checks = stressChecks(beamOf(c), ',');
    ASSERT_EQ(checks.message, "");
    ASSERT_EQ(checks.tables.size(), 1u);
    const StressCheckTable& table = checks.tables[0];
    bool passes = true;
    for (size_t r = 0; r < kCheckRowCount; ++r) {
        const StressCheckRow& row = table.rows[r];
        const Expected& e = c.rows[r];
        SCOPED_TRACE(kCheckRowNames[r]);
        EXPECT_NEAR(static_cast<double>(row.externalMoment), e.external, 1e-9);
        EXPECT_NEAR(static_cast<double>(row.normalForce), e.force, 1e-9);
        EXPECT_NEAR(static_cast<double>(row.prestressMoment), e.moment, 1e-9);
        EXPECT_NEAR(static_cast<double>(row.stressTop), e.top, 1e-9);
        EXPECT_NEAR(static_cast<double>(row.stressBottom), e.bottom, 1e-9);
        EXPECT_EQ(row.passes, e.passes);
        passes = passes && e.passes;
    }
    EXPECT_EQ(table.passes(), passes);
    const long double fck = table.rows[1].limitMin / -0.6L;
    EXPECT_NEAR(static_cast<double>(table.rows[3].limitMin), static_cast<double>(-0.45L * fck), 1e-12);
    EXPECT_EQ(table.rows[3].limitMax, 0);
}

INSTANTIATE_TEST_SUITE_P(StressCheck, StressCheckByHand, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StressCheck, UtilisationVerdictAndTheGoverningRows)
{
    const StressChecks passing = stressChecks(beamOf(kCases[0]), ',');
    const StressCheckRows& rows = passing.tables[0].rows;
    EXPECT_NEAR(static_cast<double>(rows[0].utilisation), 13.4375 / 18, 1e-12);
    EXPECT_NEAR(static_cast<double>(rows[3].utilisation), 13.4375 / 13.5, 1e-12);
    EXPECT_EQ(utilisationText(rows[3], ','), "1,00");
    EXPECT_EQ(stressCheckVerdict(passing.tables[0]), "Průřez v X = 5 m vyhovuje.");

    const StressChecks failing = stressChecks(beamOf(kCases[1]), ',');
    const StressCheckTable& table = failing.tables[0];
    ASSERT_TRUE(table.rows[3].tension);
    EXPECT_NEAR(static_cast<double>(*table.rows[3].tension), 0.9375, 1e-12);
    EXPECT_EQ(utilisationText(table.rows[3], ','), "tah 0,94 MPa; 0,81");
    EXPECT_EQ(stressCheckVerdict(table), "Průřez v X = 5 m nevyhovuje: kvazistálá max, kvazistálá min.");
    const std::array<CheckRow, 3> governing = governingRows(table);
    EXPECT_EQ(governing[2], CheckRow::QuasiPermanentMax);
    const TextTable text = stressCheckTextTable(table, ',', true);
    EXPECT_EQ(text.cell(0, 9), "využití");
    EXPECT_EQ(text.cell(4, 0), "kvazistálá max");
    EXPECT_EQ(text.cell(4, 4), "0,9375");
    EXPECT_EQ(text.cell(4, 7), "0");
    EXPECT_EQ(text.cell(4, 8), "nevyhovuje");
}

// A published example: RMIT University, CIVE1151 Prestressed Concrete,
// Problem 2 solution, "Calculation of stresses in uncracked prestressed beam"
// (G. Marchiori): P = 1472 kN (80 % of 10 strands of 184 kN) at e = 350 mm,
// A = 320000 mm², I = 3,857·10¹⁰ mm⁴, fibres 500 mm above and below the
// centroid, M = 896 kNm from self-weight and live load at midspan. Published:
// prestress alone 2 MPa tension at the top and 11,28 MPa compression at the
// bottom; with M 9,61 MPa compression at the top and 0,34 MPa tension at the
// bottom. Here M comes from g0 = 28 kN/m on 16 m (28·16²/8 = 896 kNm) and
// shows in the characteristic row (nothing variable, no losses): the bottom
// 0,336 MPa; the top 9,536 MPa, the published 9,61 having rounded the
// prestress alone to 2 MPa (it is 4,6 − 6,679 = −2,079, so 11,615 − 2,079).
TEST(StressCheck, APublishedExampleOfFibreStressesInService)
{
    Project p;
    p.beam.length = "16";
    setSectionValues(p.section, {"0,32", "0,03857", "0,5", "-0,5"});
    storeLine(p, 0, kQuantityKindLabels[0], "Moment uprostřed", {{"0", "0"}, {"8", "4"}, {"16", "0"}}, ',');
    p.quantities[0].station = "8";
    storeStraight(p, 0, "0", "16", "0,35", "-1472", ',');
    setLoads(p, "28", "", "", {}, ',');
    p.check = CheckInput{"40", "3,5", "", "", ""};
    evaluateProject(p, ',');
    const StressChecks checks = stressChecks(p, ',');
    ASSERT_EQ(checks.tables.size(), 1u) << checks.message;
    const StressCheckRow& row = checks.tables[0].rows[static_cast<size_t>(CheckRow::CharacteristicMax)];
    EXPECT_NEAR(static_cast<double>(row.externalMoment), 896, 1e-9);
    EXPECT_NEAR(static_cast<double>(row.stressBottom), 0.34, 0.005);
    EXPECT_NEAR(static_cast<double>(row.stressTop), -(11.615 - 2.079), 0.001);
    EXPECT_TRUE(row.passes);  // 0,34 MPa of tension within f_ctm = 3,5 MPa
    EXPECT_FALSE(checks.tables[0].rows[static_cast<size_t>(CheckRow::QuasiPermanentMax)].passes);
}

TEST(StressCheck, TheReportStatesTheVerdictOnItsFirstPageAndTablesTheRows)
{
    Project p = beamOf(kCases[1]);
    const std::vector<ReportBlock> blocks = buildReportContent(p, ',').blocks;
    const auto named = [&](ReportBlock::Kind kind, const std::string& text) {
        return std::find_if(blocks.begin(), blocks.end(),
                            [&](const ReportBlock& b) { return b.kind == kind && b.text == text; });
    };
    const auto verdict = named(ReportBlock::Kind::Fact, "Posouzení napětí");
    ASSERT_NE(verdict, blocks.end());
    EXPECT_EQ(verdict->value, "nevyhovuje: 1. veličina (X = 5,000 m)");
    EXPECT_LT(verdict, named(ReportBlock::Kind::Heading, "Nosník"));
    const auto section = named(ReportBlock::Kind::Heading, "Posouzení napětí");
    ASSERT_NE(section, blocks.end());
    EXPECT_GT(section, named(ReportBlock::Kind::Heading, "Napětí v průřezu od předpětí"));
    const auto table = std::find_if(section, blocks.end(), [](const ReportBlock& b) {
        return b.kind == ReportBlock::Kind::Table;
    });
    ASSERT_NE(table, blocks.end());
    EXPECT_EQ(table->table.rows.at(3),
              (std::vector<std::string>{"kvazistálá max", "125,0", "-2000,0", "-600,0", "0,94", "-10,94", "-13,50",
                                        "0,00", "nevyhovuje", "tah 0,94 MPa; 0,81"}));
    EXPECT_EQ(table[1].text, "Průřez v X = 5 m nevyhovuje: kvazistálá max, kvazistálá min.");

    p.check = CheckInput{};  // no check asked for: nothing of it in the report
    const std::vector<ReportBlock> without = buildReportContent(p, ',').blocks;
    EXPECT_EQ(std::count_if(without.begin(), without.end(),
                            [](const ReportBlock& b) { return b.text == "Posouzení napětí"; }),
              0);
}

TEST(StressCheck, MissingInputsAreNamedInOneMessageWithoutATable)
{
    Project p = beamOf(kCases[0]);
    p.loads = LoadInput{};
    p.check.strength.clear();
    p.section.inertia.clear();
    const StressChecks checks = stressChecks(p, ',');
    EXPECT_TRUE(checks.tables.empty());
    EXPECT_EQ(checks.message, "Pro posouzení napětí chybí hodnoty průřezu (moment setrvačnosti I); zatížení; "
                              "pevnosti betonu f_ck a f_ctm.");
    p.quantities[0].station.clear();
    EXPECT_TRUE(stressChecks(p, ',').message.starts_with(
        "Pro posouzení napětí chybí vyhodnocená veličina „Ohybový moment“ se známým staničením průřezu X;"));
}

TEST(CheckInput, ClassesFillTheStrengthsAndFieldsAreChecked)
{
    CheckInput input;
    setConcreteClass(input, 2, ',');
    EXPECT_EQ(input.strength, "30");
    EXPECT_EQ(input.tensileStrength, "2,9");
    EXPECT_EQ(concreteClassOf(input, ','), 2u);
    input.tensileStrength = "3";
    EXPECT_EQ(concreteClassOf(input, ','), std::nullopt);

    const std::pair<Field, const char*> faults[] = {
        {Field::CheckStrength, "0"}, {Field::CheckTensileStrength, "x"}, {Field::CheckStrengthAtTransfer, "-1"},
        {Field::CheckTensileStrengthAtTransfer, "0"}, {Field::CheckPsi2, "1,1"}, {Field::CheckPsi2, "-0,1"}};
    for (const auto& [field, text] : faults) {
        CheckInput bad{"30", "2,9", "", "", ""};
        bad.*(field == Field::CheckStrength                    ? &CheckInput::strength
              : field == Field::CheckTensileStrength           ? &CheckInput::tensileStrength
              : field == Field::CheckStrengthAtTransfer        ? &CheckInput::strengthAtTransfer
              : field == Field::CheckTensileStrengthAtTransfer ? &CheckInput::tensileStrengthAtTransfer
                                                               : &CheckInput::psi2) = text;
        const std::optional<Report> fault = findCheckFault(bad, ',');
        ASSERT_TRUE(fault) << text;
        EXPECT_EQ(fault->focus, field) << text;
        EXPECT_THROW(checkValues(bad, ','), Error);
    }
    const std::optional<CheckValues> values = checkValues(CheckInput{"30", "2,9", "", "", "1"}, ',');
    ASSERT_TRUE(values);
    EXPECT_EQ(values->strengthAtTransfer, 30);
    EXPECT_EQ(values->tensileStrengthAtTransfer, toNumber("2,9", ','));
    EXPECT_EQ(values->psi2, 1);
    EXPECT_EQ(checkValues(CheckInput{"30", "", "", "", ""}, ','), std::nullopt);
}

}  // namespace
}  // namespace kvor::testing
