// The loads as entered: the self-weight proposal, the checks of the fields and
// of the axle table, and the loads as numbers.

#include "loads/load_input.h"

#include "model/error.h"
#include "model/numbers.h"
#include "support/project_builders.h"

#include <gtest/gtest.h>

namespace kvor::testing {
namespace {

TEST(LoadInput, SelfWeightIsProposedFromTheArea)
{
    CrossSection section;
    EXPECT_EQ(selfWeightProposal(section, ','), std::nullopt);
    section.area = "0,48";
    EXPECT_EQ(selfWeightProposal(section, ','), "12");
    section.area = "0";
    EXPECT_EQ(selfWeightProposal(section, ','), std::nullopt);
}

TEST(LoadInput, UniformLoadsAreEmptyOrNumbers)
{
    LoadInput loads;
    loads.selfWeight = "12,5";
    loads.permanent = "";
    loads.variable = "9.5";
    EXPECT_EQ(checkLoadField(loads, Field::LoadSelfWeight, ','), std::nullopt);
    EXPECT_EQ(checkLoadField(loads, Field::LoadPermanent, ','), std::nullopt);
    EXPECT_EQ(checkLoadField(loads, Field::LoadVariable, ','),
              (Report{"Rovnoměrné proměnné zatížení q musí být zadáno jako číslo!", Beep::AfterMessage,
                      Field::LoadVariable, {}}));
    loads.variable = "-9,5";  // any sign: an uplift is a load too
    EXPECT_EQ(checkLoadField(loads, Field::LoadVariable, ','), std::nullopt);
}

TEST(LoadInput, AxleCountIsAWholeNumberUpTo20)
{
    for (const char* good : {"0", "1", "20"})
        EXPECT_EQ(checkAxleCount(good), std::nullopt) << good;
    for (const char* bad : {"", "21", "-1", "2,5", "x"})
        EXPECT_EQ(checkAxleCount(bad),
                  (Report{"Počet náprav musí být celé číslo od 0 do 20!", Beep::AfterMessage, Field::AxleCount, {}}))
            << bad;
}

// Each column's first fault, the forces' before the distances'.
struct AxleTableCase {
    std::vector<std::pair<std::string, std::string>> rows;
    std::vector<std::string> messages;
};

class AxleTable : public ::testing::TestWithParam<AxleTableCase> {};

TEST_P(AxleTable, ReportsTheFirstFaultOfEachColumn)
{
    TextTable table(static_cast<int>(GetParam().rows.size()) + 1, 2);
    int r = 1;
    for (const auto& [f, a] : GetParam().rows)
        table.setRow(r++, {f, a});
    std::vector<std::string> messages;
    for (const Report& report : checkAxleTable(table, ',')) {
        EXPECT_EQ(report.focus, Field::AxleTable);
        EXPECT_EQ(report.beep, Beep::AfterMessage);
        messages.push_back(report.message);
    }
    EXPECT_EQ(messages, GetParam().messages);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, AxleTable,
    ::testing::Values(
        AxleTableCase{{}, {}},
        AxleTableCase{{{"300", "0"}, {"300", "1,2"}}, {}},
        AxleTableCase{{{"300", ""}}, {"Políčko v 2.sloupci a 1.řádku neobsahuje číslo!"}},
        AxleTableCase{{{"300", "0,5"}}, {"Vzdálenost první nápravy musí být 0!"}},
        AxleTableCase{{{"300", "0"}, {"0", "1"}, {"x", "2"}}, {"Síla nápravy v 2.řádku musí být větší než 0!"}},
        AxleTableCase{{{"300", "0"}, {"200", "1,2"}, {"200", "1,2"}},
                      {"Vzdálenosti náprav musí být zadány vzestupně, vzdálenost v 3.řádku není větší než v "
                       "2.řádku!"}},
        AxleTableCase{{{"300", "0"}, {"", "1"}, {"100", "0,5"}},
                      {"Políčko v 1.sloupci a 2.řádku neobsahuje číslo!",
                       "Vzdálenosti náprav musí být zadány vzestupně, vzdálenost v 3.řádku není větší než v "
                       "2.řádku!"}}));

TEST(LoadInput, MoreThan20AxlesAreRefused)
{
    LoadInput loads;
    setAxleCount(loads, 20);
    for (int r = 1; r <= 20; ++r)
        loads.axles.setRow(r, {"10", std::to_string(r - 1)});
    EXPECT_EQ(findLoadFault(loads, ','), std::nullopt);
    loads.axles.setRowCount(22);
    loads.axles.setRow(21, {"10", "20"});
    const auto fault = findLoadFault(loads, ',');
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->report.message, "Skupina může mít nejvýše 20 náprav!");
    EXPECT_EQ(fault->report.focus, Field::AxleCount);
}

// Empty fields count 0; the count keeps the cells and starts a at 0.
TEST(LoadInput, ValuesCountEmptyFieldsAsZero)
{
    Project p;
    EXPECT_FALSE(p.loads.entered());
    setLoads(p, "", "2,5", "", {{"300", "0"}, {"200", "1,2"}}, ',');
    EXPECT_TRUE(p.loads.entered());
    const LoadValues v = loadValues(p.loads, ',');
    EXPECT_EQ(v.uniform.selfWeight, 0);
    EXPECT_EQ(v.uniform.permanent, 2.5L);
    EXPECT_EQ(v.uniform.variable, 0);
    EXPECT_EQ(v.axles.forces, (std::vector<long double>{300, 200}));
    EXPECT_EQ(v.axles.distances, (std::vector<long double>{0, toNumber("1,2", ',')}));

    setAxleCount(p.loads, 3);
    EXPECT_EQ(p.loads.axles.cell(2, 0), "200");
    EXPECT_THROW(loadValues(p.loads, ','), Error);  // the new row is empty
    LoadInput fresh;
    setAxleCount(fresh, 1);
    EXPECT_EQ(fresh.axles.cell(1, 1), "0");
}

}  // namespace
}  // namespace kvor::testing
