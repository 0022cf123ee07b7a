#include "model/error.h"
#include "structure/beam.h"
#include "support/project_builders.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

using namespace kvor;

namespace {

BeamModel continuousBeam(std::initializer_list<std::string_view> lengths)
{
    BeamModel beam;
    kvor::testing::setContinuousBeam(beam, lengths);
    return beam;
}

Project projectWithSectionValues(BeamModel beam)
{
    Project project;
    project.beam = std::move(beam);
    project.section.eBottom = "0,3";
    project.section.eTop = "-0,3";
    return project;
}

// --- Member table --------------------------------------------------------

TEST(MemberTable, RaisingTheCountKeepsTypedLengthsAndNumbersTheNewRow)
{
    BeamModel beam = continuousBeam({"10", "12,5", "10"});
    beam.memberCountText = "4";
    EXPECT_EQ(rebuildMemberTable(beam), 4);

    ASSERT_EQ(beam.members.rowCount(), 5);
    EXPECT_EQ(beam.members.cell(0, 0), "    Číslo prutu");
    EXPECT_EQ(beam.members.cell(0, 1), "  Délka prutu [m]");
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(beam.members.cell(r, 0), std::to_string(r));
    EXPECT_EQ(beam.members.cell(1, 1), "10");
    EXPECT_EQ(beam.members.cell(2, 1), "12,5");
    EXPECT_EQ(beam.members.cell(3, 1), "10");
    EXPECT_EQ(beam.members.cell(4, 1), "");
}

TEST(MemberTable, LoweringTheCountLeavesTheFirstRowsWithTheirLengths)
{
    BeamModel beam = continuousBeam({"10", "12,5", "10"});
    beam.memberCountText = "2";
    rebuildMemberTable(beam);
    ASSERT_EQ(beam.members.rowCount(), 3);
    EXPECT_EQ(beam.members.cell(1, 1), "10");
    EXPECT_EQ(beam.members.cell(2, 1), "12,5");
    EXPECT_NEAR(static_cast<double>(totalBeamLength(beam, ',')), 22.5, 1e-12);
}

TEST(MemberTable, RowsThatComeBackShowTheLengthsTheyHad)
{
    BeamModel beam = continuousBeam({"10", "12,5", "10", "8"});
    for (const char* count : {"2", "3", "5"}) {
        beam.memberCountText = count;
        rebuildMemberTable(beam);
    }
    ASSERT_EQ(beam.members.rowCount(), 6);
    EXPECT_EQ(beam.members.cell(3, 1), "10");
    EXPECT_EQ(beam.members.cell(4, 1), "8");
    EXPECT_EQ(beam.members.cell(5, 1), "");
    EXPECT_EQ(beam.members.cell(5, 0), "5");
}

TEST(MemberTable, TheStartingTableMatchesARebuildForTwoMembers)
{
    BeamModel fresh;
    BeamModel rebuilt;
    rebuildMemberTable(rebuilt);
    EXPECT_EQ(fresh.members, rebuilt.members);
}

struct CountCase {
    const char* typed;
    int built;
    const char* shownAfterwards;
};

void PrintTo(const CountCase& c, std::ostream* out) { *out << ::testing::PrintToString(std::string(c.typed)); }

class MemberCountOutsideTheSpinner : public ::testing::TestWithParam<CountCase> {};

TEST_P(MemberCountOutsideTheSpinner, IsClampedAndWrittenBack)
{
    const CountCase& c = GetParam();
    BeamModel beam = continuousBeam({"4", "5"});
    beam.memberCountText = c.typed;
    EXPECT_EQ(rebuildMemberTable(beam), c.built);
    EXPECT_EQ(beam.members.rowCount(), c.built + 1);
    EXPECT_EQ(beam.memberCountText, c.shownAfterwards);
    EXPECT_EQ(beam.members.cell(1, 1), "4");
    EXPECT_EQ(beam.members.cell(2, 1), "5");
}

INSTANTIATE_TEST_SUITE_P(Counts, MemberCountOutsideTheSpinner,
                         ::testing::Values(CountCase{"0", 2, "2"}, CountCase{"1", 2, "2"},
                                           CountCase{"-3", 2, "2"}, CountCase{"16", 15, "15"},
                                           CountCase{"99999999", 15, "15"}, CountCase{"2", 2, "2"},
                                           CountCase{"15", 15, "15"}));

TEST(MemberTable, ACountThatIsNoIntegerThrowsAndChangesNothing)
{
    for (const char* typed : {"abc", "", "3,5", "99999999999"}) {
        BeamModel beam = continuousBeam({"10", "12,5", "10"});
        const TextTable before = beam.members;
        beam.memberCountText = typed;
        try {
            rebuildMemberTable(beam);
            ADD_FAILURE() << "no error for \"" << typed << '"';
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(typed) + "' is not a valid integer value");
        }
        EXPECT_EQ(beam.members, before) << typed;
        EXPECT_EQ(beam.memberCountText, typed);
    }
}

// --- Total length and presence ------------------------------------------

TEST(TotalBeamLength, FollowsTheBeamKindAndKeepsHiddenTexts)
{
    BeamModel beam = continuousBeam({"10", "12,5", "10"});
    beam.length = "20";
    EXPECT_EQ(totalBeamLength(beam, ','), 32.5L);
    beam.kind = BeamKind::Simple;
    EXPECT_EQ(totalBeamLength(beam, ','), 20.0L);
    beam.kind = BeamKind::Continuous;
    EXPECT_EQ(totalBeamLength(beam, ','), 32.5L);
}

TEST(TotalBeamLength, AnUncheckedTextThrowsTheConversionError)
{
    BeamModel simple;
    EXPECT_THROW(totalBeamLength(simple, ','), Error);
    BeamModel continuous = continuousBeam({"10", ""});
    try {
        totalBeamLength(continuous, ',');
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
    }
}

TEST(StructureEntered, LooksOnlyAtTheFirstMemberOfAContinuousBeam)
{
    EXPECT_TRUE(structureEntered(projectWithSectionValues(continuousBeam({"10", ""}))));
    EXPECT_FALSE(structureEntered(projectWithSectionValues(continuousBeam({"", "10"}))));
    // Presence only: a text that is no number still counts.
    EXPECT_TRUE(structureEntered(projectWithSectionValues(continuousBeam({"abc", "10"}))));
}

TEST(StructureEntered, NeedsTheSpanOfASimpleBeamAndBothFibreDistances)
{
    BeamModel simple;
    simple.length = "20";
    EXPECT_TRUE(structureEntered(projectWithSectionValues(simple)));

    Project noTop = projectWithSectionValues(simple);
    noTop.section.eTop.clear();
    EXPECT_FALSE(structureEntered(noTop));

    // Members typed but the kind is simple with no L.
    BeamModel switched = continuousBeam({"10", "12"});
    switched.kind = BeamKind::Simple;
    EXPECT_FALSE(structureEntered(projectWithSectionValues(switched)));

    // The section values count while hidden under another section type.
    Project hidden = projectWithSectionValues(simple);
    hidden.section.type = SectionType::Square;
    EXPECT_TRUE(structureEntered(hidden));
}

// --- Exit checks ---------------------------------------------------------

TEST(CheckSpan, ReportsWithABeepAfterTheMessageAndFocusesTheSpan)
{
    BeamModel beam;
    const Report notANumber{"Rozpětí musí být zadáno jako číslo!", Beep::AfterMessage, Field::BeamLength, {}};
    const Report notPositive{"Rozpětí musí být větší než 0!", Beep::AfterMessage, Field::BeamLength, {}};
    struct Case {
        const char* text;
        std::optional<Report> expected;
    };
    for (const Case& c : {Case{"abc", notANumber}, Case{"", notANumber}, Case{"20.5", notANumber},
                          Case{"0", notPositive}, Case{"-0", notPositive}, Case{"-4", notPositive},
                          Case{"20,5", std::nullopt}, Case{" 1E-3 ", std::nullopt}}) {
        beam.length = c.text;
        EXPECT_EQ(checkSpan(beam, ','), c.expected) << '"' << c.text << '"';
    }
}

TEST(CheckMemberLengths, TheFirstFailingRowWins)
{
    BeamModel beam = continuousBeam({"10", "", "-2"});
    EXPECT_EQ(checkMemberLengths(beam, ','),
              (Report{"Políčko v 2.sloupci a 2.řádku musí obsahovat číslo!", Beep::None, Field::MemberLengths, {}}));

    beam.members.setCell(2, 1, "12,5");
    EXPECT_EQ(checkMemberLengths(beam, ','),
              (Report{"Políčko v 2.sloupci a 3.řádku musí obsahovat číslo větší než 0!", Beep::AfterMessage,
                      Field::MemberLengths, {}}));

    beam.members.setCell(3, 1, "10");
    EXPECT_EQ(checkMemberLengths(beam, ','), std::nullopt);
    EXPECT_EQ(beam.members.cell(2, 1), "12,5");
}

TEST(CheckMemberLengths, ReportsTheMemberNumberOfLaterRows)
{
    BeamModel beam = continuousBeam({"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "0"});
    EXPECT_EQ(checkMemberLengths(beam, ',')->message,
              "Políčko v 2.sloupci a 12.řádku musí obsahovat číslo větší než 0!");
    beam.members.setCell(1, 1, "1.5");
    EXPECT_EQ(checkMemberLengths(beam, ',')->message, "Políčko v 2.sloupci a 1.řádku musí obsahovat číslo!");
    EXPECT_EQ(checkMemberLengths(beam, '.')->message,
              "Políčko v 2.sloupci a 12.řádku musí obsahovat číslo větší než 0!");
}

}  // namespace
