#include "model/error.h"
#include "tendons/tendon_checks.h"

#include <gtest/gtest.h>

using namespace kvor;

namespace {

BeamModel simpleBeam(const char* length)
{
    BeamModel beam;
    beam.length = length;
    return beam;
}

CrossSection section(const char* eBottom, const char* eTop)
{
    CrossSection s;
    s.eBottom = eBottom;
    s.eTop = eTop;
    return s;
}

Report fault(const char* message, Beep beep, Field focus) { return {message, beep, focus, std::nullopt}; }

const char* const kNotNumber = "Staničení musí být zadáno jako číslo!!!";
const char* const kNegative = "Staničení nesmí být záporné";
const char* const kBeyond = "Staničení nemůže být větší než celková délka nosníku!!!";

struct FieldCase {
    const char* text;
    Reports expected;
};

class FirstAnchorage : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FirstAnchorage, OnABeamOf20)
{
    EXPECT_EQ(checkFirstAnchorage(GetParam().text, simpleBeam("20"), ','), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirstAnchorage,
    ::testing::Values(FieldCase{"0", {}}, FieldCase{"19,999", {}},
                      FieldCase{"20", {fault(kBeyond, Beep::AfterMessage, Field::StraightFirstStation)}},
                      FieldCase{"25", {fault(kBeyond, Beep::AfterMessage, Field::StraightFirstStation)}},
                      // A negative first station is the one station fault without a beep.
                      FieldCase{"-1", {fault(kNegative, Beep::None, Field::StraightFirstStation)}},
                      FieldCase{"", {fault(kNotNumber, Beep::AfterMessage, Field::StraightFirstStation)}},
                      FieldCase{"1.5", {fault(kNotNumber, Beep::AfterMessage, Field::StraightFirstStation)}}));

struct SecondCase {
    const char* s1;
    const char* s2;
    Reports expected;
};

class SecondAnchorage : public ::testing::TestWithParam<SecondCase> {};

TEST_P(SecondAnchorage, OnABeamOf20)
{
    const SecondCase& c = GetParam();
    EXPECT_EQ(checkSecondAnchorage(c.s1, c.s2, simpleBeam("20"), ','), c.expected) << c.s1 << " / " << c.s2;
}

const Report kS1Missing = fault("Zadejte hodnotu staničení 1.bodu kabelu", Beep::None, Field::StraightFirstStation);
const Report kNotAbove = fault("Staničení 2.bodu kabelu musí být větší než staničení 1.bodu kabelu!!!",
                               Beep::AfterMessage, Field::StraightSecondStation);

INSTANTIATE_TEST_SUITE_P(
    Cases, SecondAnchorage,
    ::testing::Values(SecondCase{"0", "20", {}}, SecondCase{"5", "5,0001", {}},
                      SecondCase{"0", "20,0001", {fault(kBeyond, Beep::AfterMessage, Field::StraightSecondStation)}},
                      SecondCase{"0", "-1", {fault(kNegative, Beep::AfterMessage, Field::StraightSecondStation)}},
                      SecondCase{"0", "x", {fault(kNotNumber, Beep::AfterMessage, Field::StraightSecondStation)}},
                      SecondCase{"5", "5", {kNotAbove}}, SecondCase{"6", "5", {kNotAbove}},
                      // An empty s1 is reported, then s2 is checked against 0.
                      SecondCase{"", "3", {kS1Missing}}, SecondCase{"", "0", {kS1Missing, kNotAbove}},
                      SecondCase{"", "", {kS1Missing, fault(kNotNumber, Beep::AfterMessage, Field::StraightSecondStation)}}));

TEST(SecondAnchorage, AFirstStationThatIsNoNumberIsAGeneralError)
{
    try {
        checkSecondAnchorage("abc", "5", simpleBeam("20"), ',');
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
}

TEST(StationChecks, AMissingBeamLengthFailsBeforeTheFieldIsLookedAt)
{
    EXPECT_THROW(checkFirstAnchorage("x", simpleBeam(""), ','), Error);
    EXPECT_THROW(checkSecondAnchorage("", "x", simpleBeam(""), ','), Error);
}

TEST(StationChecks, AContinuousBeamUsesTheSumOfItsMembers)
{
    BeamModel beam;
    beam.kind = BeamKind::Continuous;
    beam.members.setCell(1, 1, "10");
    beam.members.setCell(2, 1, "12,5");
    EXPECT_TRUE(checkSecondAnchorage("0", "22,5", beam, ',').empty());
    EXPECT_EQ(checkSecondAnchorage("0", "22,6", beam, ',').size(), 1u);
    EXPECT_EQ(checkFirstAnchorage("22,5", beam, ',').size(), 1u);
}

class Eccentricity : public ::testing::TestWithParam<FieldCase> {};

TEST_P(Eccentricity, InsideASectionFromMinus03To03)
{
    EXPECT_EQ(checkEccentricity(GetParam().text, section("0,3", "-0,3"), ','), GetParam().expected)
        << GetParam().text;
}

const Report kOutside = fault("Kabel musí ležet uvnitř průřezu!!!", Beep::BeforeMessage, Field::StraightEccentricity);

INSTANTIATE_TEST_SUITE_P(
    Cases, Eccentricity,
    ::testing::Values(FieldCase{"0,15", {}}, FieldCase{"0,3", {}}, FieldCase{"-0,3", {}}, FieldCase{"0", {}},
                      FieldCase{"0,31", {kOutside}}, FieldCase{"-0,3001", {kOutside}},
                      FieldCase{"", {fault("Poloha kabelu musí být zadána jako číslo!!!", Beep::BeforeMessage, Field::StraightEccentricity)}}));

TEST(Eccentricity, SectionValuesThatAreNoNumbersAreAGeneralError)
{
    EXPECT_THROW(checkEccentricity("0", section("", "-0,3"), ','), Error);
    EXPECT_THROW(checkEccentricity("0", section("0,3", "x"), ','), Error);
}

class Force : public ::testing::TestWithParam<FieldCase> {};

TEST_P(Force, MustBeCompression)
{
    EXPECT_EQ(checkForce(GetParam().text, ','), GetParam().expected) << GetParam().text;
}

const Report kNotCompression =
    fault("Předpínací síla musí být zadána jako záporná-tlaková!!!", Beep::BeforeMessage, Field::StraightForce);

INSTANTIATE_TEST_SUITE_P(
    Cases, Force,
    ::testing::Values(FieldCase{"-1000", {}}, FieldCase{"-0,001", {}}, FieldCase{"0", {kNotCompression}},
                      FieldCase{"5", {kNotCompression}},
                      FieldCase{"N", {fault("Předpínací síla musí být zadána jako číslo!!!", Beep::BeforeMessage, Field::StraightForce)}}));

TextTable pointTable(std::initializer_list<std::pair<const char*, const char*>> rows)
{
    TextTable t(static_cast<int>(rows.size()) + 1, 2);
    t.setRow(0, {"  Staničení [m]", "  Excentricita [m]"});
    int r = 1;
    for (const auto& [s, e] : rows)
        t.setRow(r++, {s, e});
    return t;
}

Report tableFault(std::string message) { return {std::move(message), Beep::AfterMessage, Field::BrokenPoints, std::nullopt}; }

TEST(PointTable, AValidPolygonPasses)
{
    EXPECT_TRUE(checkPointTable(pointTable({{"0", "0"}, {"10", "0,3"}, {"10", "-0,3"}, {"20", "0"}}),
                                simpleBeam("20"), section("0,3", "-0,3"), ',')
                    .empty());
}

TEST(PointTable, StationFaultComesFirstThenTheEccentricityFault)
{
    const Reports r = checkPointTable(pointTable({{"0", "0"}, {"5", "0,5"}, {"4", "0"}}), simpleBeam("20"),
                                      section("0,3", "-0,3"), ',');
    EXPECT_EQ(r, (Reports{tableFault("Staničení nesmí být zadáváno sestupně, staničení v 3.řádku je menší než v 2.řádku!"),
                          tableFault("Bod kabelu nesmí ležet mimo průřez nosníku")}));
}

TEST(PointTable, EccentricityColumnStopsAtTheFirstFaultAndNamesItsRow)
{
    const Reports r = checkPointTable(pointTable({{"0", "0"}, {"5", "0,1"}, {"8", ""}, {"9", "5"}}),
                                      simpleBeam("20"), section("0,3", "-0,3"), ',');
    EXPECT_EQ(r, (Reports{tableFault("Políčko v 2.sloupci a 3.řádku neobsahuje číslo!")}));
}

TEST(PointTable, StationBeyondTheBeam)
{
    const Reports r = checkPointTable(pointTable({{"0", "0"}, {"21", "0"}}), simpleBeam("20"),
                                      section("0,3", "-0,3"), ',');
    EXPECT_EQ(r, (Reports{tableFault("Staničení v 2.řádku nemůže být větší než celková délka nosníku!")}));
}

TEST(PointTable, SectionAndBeamAreReadBeforeTheTable)
{
    const TextTable t = pointTable({{"x", "y"}});
    EXPECT_THROW(checkPointTable(t, simpleBeam("20"), section("", "-0,3"), ','), Error);
    EXPECT_THROW(checkPointTable(t, simpleBeam(""), section("0,3", "-0,3"), ','), Error);
}

TextTable forceTable(std::initializer_list<const char*> forces)
{
    // m rows for m points: row 0 the heading, rows 1..m-1 the segment forces.
    TextTable t(static_cast<int>(forces.size()) + 1, 1);
    t.setCell(0, 0, "  Předp. síla [kN]");
    int r = 1;
    for (const char* f : forces)
        t.setCell(r++, 0, f);
    return t;
}

Report forceFault(std::string message) { return {std::move(message), Beep::AfterMessage, Field::BrokenForces, std::nullopt}; }

TEST(SegmentForces, ZeroPassesAndAPositiveForceFailsWithOneExclamationMark)
{
    EXPECT_TRUE(checkSegmentForces(forceTable({"-800", "0", "-700"}), ',').empty());
    EXPECT_EQ(checkSegmentForces(forceTable({"-800", "5", "x"}), ','),
              (Reports{forceFault("Předpínací síla musí být zadána jako záporná-tlaková!")}));
    EXPECT_EQ(checkSegmentForces(forceTable({"-800", "", "5"}), ','),
              (Reports{forceFault("Políčko v 1.sloupci a 2.řádku neobsahuje číslo!")}));
}

TEST(SegmentForces, OnlyRowsOneToKMinusOneAreChecked)
{
    TextTable t = forceTable({"-1", "-2"});
    t.setRowCount(4);  // a row beyond the segments is never looked at
    t.setCell(3, 0, "7");
    EXPECT_EQ(checkSegmentForces(t, ',').size(), 1u);
    t.setRowCount(3);
    EXPECT_TRUE(checkSegmentForces(t, ',').empty());
    TextTable single(1, 1);  // a table of one row has nothing to check
    EXPECT_TRUE(checkSegmentForces(single, ',').empty());
}

}  // namespace
