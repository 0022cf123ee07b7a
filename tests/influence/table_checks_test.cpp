#include "influence/table_checks.h"
#include "model/error.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace kvor;

namespace {

using Rows = std::vector<std::pair<const char*, const char*>>;

TextTable entryTable(const Rows& rows)
{
    TextTable t(static_cast<int>(rows.size()) + 1, 2);
    t.setRow(0, {"  Staničení [m]", "    Pořadnice"});
    for (int r = 1; r <= static_cast<int>(rows.size()); ++r)
        t.setRow(r, {rows[r - 1].first, rows[r - 1].second});
    return t;
}

struct StationCase {
    std::vector<const char*> stations;
    const char* fault;  // nullptr: passes
};

class StationColumn : public ::testing::TestWithParam<StationCase> {};

TEST_P(StationColumn, ReportsTheFirstFaultWithItsRow)
{
    Rows rows;
    for (const char* s : GetParam().stations)
        rows.emplace_back(s, "0");
    const auto fault = checkStationColumn(entryTable(rows), 0, 10.0L, ',');
    if (GetParam().fault)
        EXPECT_EQ(fault, std::optional<std::string>(GetParam().fault));
    else
        EXPECT_EQ(fault, std::nullopt);
}

const char* const kAbove4 = "Staničení v 4.řádku nemůže být větší než celková délka nosníku!";

INSTANTIATE_TEST_SUITE_P(
    TotalLength10, StationColumn,
    ::testing::Values(
        StationCase{{"0", "5", "5", "10"}, nullptr},
        StationCase{{" 0 ", "+2,5", "1E1"}, nullptr},
        StationCase{{}, nullptr},
        StationCase{{"0", "-0,5", "x"}, "Staničení v 2.řádku musí být nezáporné!"},
        StationCase{{"0", "1", "2", "12"}, kAbove4},
        StationCase{{"0", "", "5"}, "Políčko v 1.sloupci a 2.řádku neobsahuje číslo!"},
        StationCase{{"0", "2.5"}, "Políčko v 1.sloupci a 2.řádku neobsahuje číslo!"},
        StationCase{{"0", "5", "4"},
                    "Staničení nesmí být zadáváno sestupně, staničení v 3.řádku je menší než v 2.řádku!"},
        // Step order within a row: number, sign, total length, then the order of stations.
        StationCase{{"5", "-x"}, "Políčko v 1.sloupci a 2.řádku neobsahuje číslo!"},
        StationCase{{"5", "-1"}, "Staničení v 2.řádku musí být nezáporné!"},
        StationCase{{"0", "5", "6", "11"}, kAbove4},
        StationCase{{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "8,5"},
                    "Staničení nesmí být zadáváno sestupně, staničení v 11.řádku je menší než v 10.řádku!"},
        // Extended precision: these differ from 10 and 5 only beyond double's reach.
        StationCase{{"0", "1", "2", "10,0000000000000001"}, kAbove4},
        StationCase{{"5,0000000000000001", "5"},
                    "Staničení nesmí být zadáváno sestupně, staničení v 2.řádku je menší než v 1.řádku!"}));

TEST(StationColumn, ReadsTheGivenColumn)
{
    TextTable t(3, 3);
    t.setRow(1, {"junk", "1", "-"});
    t.setRow(2, {"junk", "0", "-"});
    EXPECT_EQ(checkStationColumn(t, 1, 10.0L, ','),
              "Staničení nesmí být zadáváno sestupně, staničení v 2.řádku je menší než v 1.řádku!");
}

TEST(NumberColumn, NamesTheOpeningAndRow)
{
    const TextTable t = entryTable({{"0", "-1E300"}, {"1", "+0,001"}, {"2", "1.5"}, {"3", ""}});
    EXPECT_EQ(checkNumberColumn(t, 1, kSecondColumnOpening, ','),
              "Políčko v 2.sloupci a 3.řádku neobsahuje číslo!");
    EXPECT_EQ(checkNumberColumn(t, 1, kFirstColumnOpening, '.'),
              "Políčko v 1.sloupci a 2.řádku neobsahuje číslo!");
    EXPECT_EQ(checkNumberColumn(t, 0, kSecondColumnOpening, ','), std::nullopt);
}

BeamModel simpleBeam(const char* length)
{
    BeamModel beam;
    beam.length = length;
    return beam;
}

Report tableFault(const char* message) { return {message, Beep::AfterMessage, Field::LinePoints, std::nullopt}; }

TEST(InfluenceTableCheck, ReportsStationFaultThenOrdinateFault)
{
    const TextTable t = entryTable({{"0", ""}, {"5", "1"}, {"4", "2"}});
    EXPECT_EQ(checkInfluenceTable(simpleBeam("10"), t, ','),
              (Reports{tableFault("Staničení nesmí být zadáváno sestupně, staničení v 3.řádku je menší než v 2.řádku!"),
                       tableFault("Políčko v 2.sloupci a 1.řádku neobsahuje číslo!")}));
}

TEST(InfluenceTableCheck, ReportsEachColumnAlone)
{
    const BeamModel beam = simpleBeam("10");
    EXPECT_EQ(checkInfluenceTable(beam, entryTable({{"0", "0"}, {"10", "-3,5"}}), ','), Reports{});
    EXPECT_EQ(checkInfluenceTable(beam, entryTable({{"0", "0"}, {"1", "x"}}), ','),
              Reports{tableFault("Políčko v 2.sloupci a 2.řádku neobsahuje číslo!")});
    EXPECT_EQ(checkInfluenceTable(beam, entryTable({{"0", "0"}, {"", "1"}}), ','),
              Reports{tableFault("Políčko v 1.sloupci a 2.řádku neobsahuje číslo!")});
}

TEST(InfluenceTableCheck, MeasuresAgainstTheContinuousBeam)
{
    BeamModel beam;
    beam.kind = BeamKind::Continuous;
    beam.members.setCell(1, 1, "10");
    beam.members.setCell(2, 1, "12,5");
    EXPECT_EQ(checkInfluenceTable(beam, entryTable({{"0", "0"}, {"22,5", "0"}}), ','), Reports{});
    EXPECT_EQ(checkInfluenceTable(beam, entryTable({{"0", "0"}, {"22,6", "0"}}), ','),
              Reports{tableFault("Staničení v 2.řádku nemůže být větší než celková délka nosníku!")});
}

TEST(InfluenceTableCheck, BeamLengthFailureComesBeforeAnyCell)
{
    const TextTable faulty = entryTable({{"x", ""}});
    try {
        checkInfluenceTable(simpleBeam(""), faulty, ',');
        FAIL() << "no conversion error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
    }
}

TEST(SectionStationCheck, TakesAnEmptyFieldOrAStationOnTheBeam)
{
    const BeamModel beam = simpleBeam("12,5");
    const auto fault = [](const char* message) {
        return Report{message, Beep::AfterMessage, Field::LineSectionStation, std::nullopt};
    };
    const struct {
        const char* station;
        std::optional<Report> expected;
    } cases[] = {
        {"", std::nullopt},
        {"0", std::nullopt},
        {"12,5", std::nullopt},
        {"6,25", std::nullopt},
        {"6.25", fault("Staničení posuzovaného průřezu X musí být zadáno jako číslo!")},
        {"-0,01", fault("Staničení posuzovaného průřezu X musí ležet na nosníku, od 0 do 12,5 m!")},
        {"12,51", fault("Staničení posuzovaného průřezu X musí ležet na nosníku, od 0 do 12,5 m!")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(checkSectionStation(beam, c.station, ','), c.expected) << c.station;
}

}  // namespace
