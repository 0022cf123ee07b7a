#include "structure/section_values_shown.h"

#include <gtest/gtest.h>

namespace kvor {
namespace {

CrossSection sectionOf(SectionType type, std::array<std::string, 4> values)
{
    CrossSection section;
    section.type = type;
    section.area = values[0];
    section.inertia = values[1];
    section.eBottom = values[2];
    section.eTop = values[3];
    return section;
}

TEST(SectionValuesShownOnOpen, ComputedValuesOfAStandardShapeAreShown)
{
    for (SectionType type : {SectionType::Rectangle, SectionType::Square, SectionType::TSection, SectionType::InvertedTSection})
        EXPECT_TRUE(sectionValuesShownOnOpen(sectionOf(type, {"0,4", "0,0333", "0,5", "-0,5"})));
}

TEST(SectionValuesShownOnOpen, AStandardShapeWithoutAllFourValuesWaitsForSpocti)
{
    EXPECT_FALSE(sectionValuesShownOnOpen(sectionOf(SectionType::Rectangle, {"", "", "", ""})));
    EXPECT_FALSE(sectionValuesShownOnOpen(sectionOf(SectionType::TSection, {"0,4", "0,0333", "0,5", ""})));
}

TEST(SectionValuesShownOnOpen, GeneralSectionShowsItsFieldsEvenEmpty)
{
    EXPECT_TRUE(sectionValuesShownOnOpen(sectionOf(SectionType::General, {"", "", "", ""})));
}

}  // namespace
}  // namespace kvor
