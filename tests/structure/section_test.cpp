#include "model/error.h"
#include "structure/section.h"

#include <gtest/gtest.h>

#include <string>

using namespace kvor;

namespace {

CrossSection sectionOf(SectionType type, std::array<std::string, 4> dimensions)
{
    CrossSection section;
    section.type = type;
    section.dimensions = std::move(dimensions);
    return section;
}

void fillValues(CrossSection& section)
{
    section.area = "1";
    section.inertia = "2";
    section.eBottom = "3";
    section.eTop = "-4";
}

void expectValuesUntouched(const CrossSection& section)
{
    EXPECT_EQ(section.area, "1");
    EXPECT_EQ(section.inertia, "2");
    EXPECT_EQ(section.eBottom, "3");
    EXPECT_EQ(section.eTop, "-4");
}

// --- "Spočti": the written texts ----------------------------------------

struct ShapeCase {
    const char* name;
    SectionType type;
    std::array<std::string, 4> dimensions;
    const char* area;
    const char* inertia;
    const char* eBottom;
    const char* eTop;
};

// Shown by its name in the test list and in failures.
void PrintTo(const ShapeCase& c, std::ostream* out) { *out << c.name; }

class SectionValues : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(SectionValues, AreWrittenAsRoundedTextsOfTenThousandths)
{
    const ShapeCase& c = GetParam();
    CrossSection section = sectionOf(c.type, c.dimensions);
    fillValues(section);
    EXPECT_EQ(computeSectionValues(section, ','), std::nullopt);
    EXPECT_EQ(section.area, c.area);
    EXPECT_EQ(section.inertia, c.inertia);
    EXPECT_EQ(section.eBottom, c.eBottom);
    EXPECT_EQ(section.eTop, c.eTop);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, SectionValues,
    ::testing::Values(
        ShapeCase{"Rectangle", SectionType::Rectangle, {"0,3", "0,6", "", ""}, "0,18", "0,0054", "0,3", "-0,3"},
        ShapeCase{"RectangleSmall", SectionType::Rectangle, {"0,25", "0,45", "", ""}, "0,1125", "0,0019", "0,225",
                  "-0,225"},
        ShapeCase{"Square", SectionType::Square, {"0,5", "", "", ""}, "0,25", "0,0052", "0,25", "-0,25"},
        // I = 0,0000083 rounds to 0 units and is shown as 0.
        ShapeCase{"SquareTiny", SectionType::Square, {"0,1", "", "", ""}, "0,01", "0", "0,05", "-0,05"},
        // The square reads only Edit11: b of the rectangle becomes a.
        ShapeCase{"SquareIgnoresOtherFields", SectionType::Square, {"0,5", "abc", "", "x"}, "0,25", "0,0052", "0,25",
                  "-0,25"},
        ShapeCase{"TSection", SectionType::TSection, {"1,2", "0,3", "0,2", "0,8"}, "0,48", "0,0436", "0,65", "-0,35"},
        ShapeCase{"InvertedTSection", SectionType::InvertedTSection, {"1,2", "0,3", "0,2", "0,8"}, "0,48", "0,0436",
                  "0,35", "-0,65"},
        // Exact halves go to the even neighbour: 312,5 -> 312 and 937,5 -> 938 units,
        // also for the negative top distance.
        ShapeCase{"HalfDown", SectionType::Square, {"0,0625", "", "", ""}, "0,0039", "0", "0,0312", "-0,0312"},
        ShapeCase{"HalfUp", SectionType::Rectangle, {"1", "0,1875", "", ""}, "0,1875", "0,0005", "0,0938",
                  "-0,0938"},
        // The centroid is not a whole number of units; I is taken about the rounded one.
        ShapeCase{"TSectionOffGrid", SectionType::TSection, {"1,2", "0,30012", "0,2", "0,8"}, "0,4801", "0,0436",
                  "0,6499", "-0,3501"},
        // A small T whose area 50,48 units rounds to 50: the static moment is divided
        // by the rounded area (d = 412 units; the unrounded area would give 408).
        ShapeCase{"TSectionRoundedArea", SectionType::TSection, {"0,1", "0,0512", "0,03", "0,04"}, "0,005", "0",
                  "0,0412", "-0,0288"},
        ShapeCase{"InvertedTSectionRoundedArea", SectionType::InvertedTSection, {"0,1", "0,0512", "0,03", "0,04"},
                  "0,005", "0", "0,0295", "-0,0405"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SectionValues, UseTheGivenDecimalSeparator)
{
    CrossSection section = sectionOf(SectionType::Rectangle, {"0.3", "0.6", "", ""});
    computeSectionValues(section, '.');
    EXPECT_EQ(section.area, "0.18");
    EXPECT_EQ(section.eTop, "-0.3");
}

// --- "Spočti": failures --------------------------------------------------

TEST(ComputeSectionValues, AnEmptyNeededFieldIsReportedAndNothingIsWritten)
{
    CrossSection section = sectionOf(SectionType::Rectangle, {"0,3", "", "", ""});
    fillValues(section);
    EXPECT_EQ(computeSectionValues(section, ','), (Report{"Zadejte vstupní hodnoty!", Beep::None, Field::None, {}}));
    expectValuesUntouched(section);

    // The emptiness test runs before any conversion.
    section.dimensions = {"abc", "", "", ""};
    EXPECT_EQ(computeSectionValues(section, ',')->message, "Zadejte vstupní hodnoty!");

    section = sectionOf(SectionType::TSection, {"1,2", "0,3", "0,2", ""});
    fillValues(section);
    EXPECT_EQ(computeSectionValues(section, ',')->message, "Zadejte vstupní hodnoty!");
    expectValuesUntouched(section);
}

TEST(ComputeSectionValues, ANeededTextThatIsNoNumberThrowsBeforeAnythingIsWritten)
{
    CrossSection section = sectionOf(SectionType::InvertedTSection, {"1,2", "0,3", "0.2", "0,8"});
    fillValues(section);
    try {
        computeSectionValues(section, ',');
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'0.2' is not a valid floating point value");
    }
    expectValuesUntouched(section);
}

TEST(ComputeSectionValues, AnAreaOfNoUnitsIsADivisionByZeroForTheTShapes)
{
    for (SectionType type : {SectionType::TSection, SectionType::InvertedTSection}) {
        CrossSection section = sectionOf(type, {"0,001", "0,001", "0,001", "0,001"});
        fillValues(section);
        try {
            computeSectionValues(section, ',');
            ADD_FAILURE();
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Floating point division by zero");
        }
        expectValuesUntouched(section);
    }
}

TEST(ComputeSectionValues, AValueBeyondSixtyFourBitsIsAnInvalidOperation)
{
    CrossSection section = sectionOf(SectionType::Rectangle, {"1E10", "1E10", "", ""});
    fillValues(section);
    EXPECT_THROW(computeSectionValues(section, ','), Error);
    expectValuesUntouched(section);
}

TEST(ComputeSectionValues, DoesNothingForTheGeneralType)
{
    CrossSection section = sectionOf(SectionType::General, {"0,3", "0,6", "", ""});
    fillValues(section);
    EXPECT_EQ(computeSectionValues(section, ','), std::nullopt);
    expectValuesUntouched(section);
}

TEST(FormatSectionUnits, WritesTenThousandthsWithAtMostFourDecimals)
{
    struct Case {
        int64_t units;
        const char* text;
    };
    for (const Case& c : {Case{1800, "0,18"}, Case{54, "0,0054"}, Case{-3000, "-0,3"}, Case{0, "0"},
                          Case{1, "0,0001"}, Case{-1, "-0,0001"}, Case{123456789, "12345,6789"},
                          Case{10000, "1"}, Case{-6499, "-0,6499"}})
        EXPECT_EQ(formatSectionUnits(c.units, ','), c.text) << c.units;
}

// --- Page layout and type choice ----------------------------------------

TEST(SectionLayout, ShowsTheDimensionsOfEachShapeAndTheValuesOnlyForGeneral)
{
    using Labels = std::array<std::string, 4>;
    const Labels tee = {"Šířka b1 [m]", "Šířka b2 [m]", "Výška h1 [m]", "Výška h2 [m]"};
    const std::array<Labels, 5> labels = {Labels{"Šířka b [m]", "Výška h [m]", "", ""},
                                          Labels{"Hrana a [m]", "", "", ""}, tee, tee, Labels{"", "", "", ""}};
    for (int t = 0; t < 5; ++t) {
        const SectionLayout layout = sectionLayout(static_cast<SectionType>(t));
        EXPECT_EQ(layout.picture, t);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(layout.dimensionLabels[i], labels[t][i]) << t << ' ' << i;
            EXPECT_EQ(layout.dimensionVisible[i], i < neededDimensionCount(static_cast<SectionType>(t))) << t;
        }
        EXPECT_EQ(layout.computeVisible, t != 4);
        EXPECT_EQ(layout.valuesVisible, t == 4);
    }
}

TEST(SelectSectionType, GeneralUnlocksTheValuesForTheRestOfTheRun)
{
    CrossSection section = sectionOf(SectionType::Rectangle, {"0,3", "0,6", "", ""});
    fillValues(section);
    selectSectionType(section, SectionType::Square);
    EXPECT_FALSE(section.valuesEditable);
    selectSectionType(section, SectionType::General);
    EXPECT_TRUE(section.valuesEditable);
    selectSectionType(section, SectionType::TSection);
    EXPECT_EQ(section.type, SectionType::TSection);
    EXPECT_TRUE(section.valuesEditable);
    EXPECT_EQ(section.dimensions, (std::array<std::string, 4>{"0,3", "0,6", "", ""}));
    expectValuesUntouched(section);
}

// --- Exit checks ---------------------------------------------------------

TEST(CheckDimension, NeedsANumberAboveZeroUnderEveryType)
{
    CrossSection section = sectionOf(SectionType::General, {"", "0", "-0,1", "0,2"});
    EXPECT_EQ(checkDimension(section, 0, ','), (Report{"Musí být zadáno číslo!", Beep::AfterMessage, Field::SectionDimension1, {}}));
    EXPECT_EQ(checkDimension(section, 1, ','),
              (Report{"Musí být zadáno číslo větší než 0!", Beep::AfterMessage, Field::SectionDimension2, {}}));
    EXPECT_EQ(checkDimension(section, 2, ',')->focus, Field::SectionDimension3);
    EXPECT_EQ(checkDimension(section, 3, ','), std::nullopt);
    EXPECT_EQ(checkDimension(section, 3, '.')->message, "Musí být zadáno číslo!");
    section.dimensions[3] = "abc";
    EXPECT_EQ(checkDimension(section, 3, ',')->focus, Field::SectionDimension4);
}

struct ValueCase {
    int index;
    const char* text;
    const char* message;  // nullptr: passes
    Field focus;
};

// Shown as the field and its text, in the test list and in failures.
void PrintTo(const ValueCase& c, std::ostream* out)
{
    *out << "value " << c.index << " " << ::testing::PrintToString(std::string(c.text));
}

class CheckSectionValue : public ::testing::TestWithParam<ValueCase> {};

TEST_P(CheckSectionValue, ReportsWithoutABeepUnderGeneral)
{
    const ValueCase& c = GetParam();
    CrossSection section;
    section.type = SectionType::General;
    const std::array<std::string*, 4> fields = {&section.area, &section.inertia, &section.eBottom, &section.eTop};
    *fields[c.index] = c.text;
    const auto report = checkSectionValue(section, c.index, ',');
    if (!c.message) {
        EXPECT_EQ(report, std::nullopt);
        return;
    }
    EXPECT_EQ(report, (Report{c.message, Beep::None, c.focus, {}}));
}

INSTANTIATE_TEST_SUITE_P(
    Values, CheckSectionValue,
    ::testing::Values(
        ValueCase{0, "", "Plocha průřezu musí být zadána jako číslo!", Field::SectionArea},
        ValueCase{0, "0", "Plocha průřezu musí být větší než 0!", Field::SectionArea},
        ValueCase{0, "0,18", nullptr, Field::None},
        ValueCase{1, "x", "Moment setrvačnosti musí být zadán jako číslo!", Field::SectionInertia},
        ValueCase{1, "-1", "Moment setrvačnosti musí být větší než 0!", Field::SectionInertia},
        ValueCase{2, "0.3", "Vzdálenost dolních vláken průřezu od těžiště musí být zadána jako číslo!", Field::SectionBottomFibre},
        ValueCase{2, "-0,3", "Vzdálenost dolních vláken průřezu od těžiště musí být větší než 0!", Field::SectionBottomFibre},
        ValueCase{2, "0,3", nullptr, Field::None},
        ValueCase{3, "", "Vzdálenost horních vláken průřezu od těžiště musí být zadána jako číslo!", Field::SectionTopFibre},
        ValueCase{3, "0", "Vzdálenost horních vláken průřezu od těžiště musí být dle znaménkové konvence menší než 0!",
                  Field::SectionTopFibre},
        ValueCase{3, "0,2", "Vzdálenost horních vláken průřezu od těžiště musí být dle znaménkové konvence menší než 0!",
                  Field::SectionTopFibre},
        ValueCase{3, "-0,2", nullptr, Field::None}));

TEST(CheckSectionValue, IsInactiveUnderTheStandardShapes)
{
    CrossSection section;
    section.valuesEditable = true;  // overwritable by hand, yet not checked
    section.eTop = "0,5";
    section.area = "abc";
    for (SectionType t : {SectionType::Rectangle, SectionType::Square, SectionType::TSection,
                          SectionType::InvertedTSection}) {
        section.type = t;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(checkSectionValue(section, i, ','), std::nullopt);
    }
}

}  // namespace
