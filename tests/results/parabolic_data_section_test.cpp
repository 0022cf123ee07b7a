// Tendons of types 2 to 4 in the data section: version 2, "divisions" and rows
// of four fields, while the blocks of the other tendons keep their layout.
#include "results/project_file.h"

#include "model/error.h"
#include "support/sample_project.h"

#include <gtest/gtest.h>

#include <string>

namespace kvor {
namespace {

using testing::expectSameProject;
using testing::sampleProject;

void storeParabola(TendonSlot& slot, TendonType type, const char* typeText, const char* divisions,
                   std::initializer_list<std::initializer_list<std::string_view>> rows)
{
    slot.shown = true;
    slot.typeText = typeText;
    slot.type = type;
    slot.status = SlotStatus::Entered;
    slot.divisions = divisions;
    slot.points = TextTable(static_cast<int>(rows.size()) + 1, 4);
    slot.points.setRow(0, {"Staničení", "Excentricita", "Předpínací síla", "Excentricita uprostřed"});
    int r = 1;
    for (const auto& row : rows)
        slot.points.setRow(r++, row);
}

Project projectWithParabolas()
{
    Project p = sampleProject();
    storeParabola(p.tendons[2], TendonType::SimpleParabolic, "prostý parabolický", "20",
                  {{"0", "0", "-900", "0,3"}, {"22,5", "0", "-900", ""}});
    storeParabola(p.tendons[3], TendonType::CompositeParabolic, "složený parabolický", "8",
                  {{"0", "0", "-1000", "0,25"}, {"10", "-0,1", "-990", "0,2"}, {"22,5", "0,05", "-990", ""}});
    storeParabola(p.tendons[4], TendonType::Combined, "kombinovaný", "1000",
                  {{"0", "0", "-800", ""}, {"5", "0,2", "-800", "0,25"}, {"17,5", "0,2", "-780", ""},
                   {"22,5", "0", "-780", ""}});
    return p;
}

// The lines from "[tendon]\tk" up to the next block.
std::string tendonBlock(const std::string& bytes, int k)
{
    const size_t start = bytes.find("[tendon]\t" + std::to_string(k) + "\r\n");
    const size_t end = bytes.find("\r\n[", start + 1);
    return bytes.substr(start, end - start);
}

}  // namespace

TEST(ParabolicDataSection, RoundTripOfEveryTypeKeepsTheOtherBlocksAsTheyWere)
{
    const Project saved = projectWithParabolas();
    const std::string bytes = encodeProjectFile(saved, SaveVariant::WithResults, ',');
    const auto loaded = decodeProjectFile(bytes, ',');
    ASSERT_TRUE(loaded);
    expectSameProject(saved, loaded->project, true);

    EXPECT_NE(bytes.find("\r\n[data]\t2\r\n"), std::string::npos);
    EXPECT_EQ(tendonBlock(bytes, 4), "[tendon]\t4\r\nshown\t1\r\nname\t\r\ntypeText\tslo\x9e" "en\xfd parabolick\xfd\r\n"
                                     "status\t1\r\ndraw\t0\r\ntype\t3\r\ndivisions\t8\r\npoints\t3\r\n"
                                     "0\t0\t-1000\t0,25\r\n10\t-0,1\t-990\t0,2\r\n22,5\t0,05\t-990\t");
    // Straight and broken tendons are written as in a version 1 file.
    const std::string before = encodeProjectFile(sampleProject(), SaveVariant::WithResults, ',');
    EXPECT_NE(before.find("\r\n[data]\t1\r\n"), std::string::npos);
    for (int k : {1, 2})
        EXPECT_EQ(tendonBlock(bytes, k), tendonBlock(before, k)) << k;

    // Read on a system with a decimal point, the mid-eccentricities follow.
    const auto pointed = decodeProjectFile(bytes, '.');
    ASSERT_TRUE(pointed);
    EXPECT_EQ(pointed->project.tendons[3].points.cell(2, 3), "0.2");
    EXPECT_EQ(pointed->project.tendons[4].points.cell(1, 3), "");
    EXPECT_EQ(pointed->project.tendons[4].divisions, "1000");
}

TEST(ParabolicDataSection, ATypeOutsideZeroToFourIsRefusedNamingItsLine)
{
    std::string bytes = encodeProjectFile(projectWithParabolas(), SaveVariant::InputOnly, ',');
    const size_t at = bytes.find("type\t3\r\n");
    const int line = 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + static_cast<long>(at), '\n'));
    bytes.replace(at, 6, "type\t5");
    try {
        decodeProjectFile(bytes, ',');
        FAIL() << "loaded";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Soubor projektu je poškozen na řádku " + std::to_string(line) +
                                             ": neplatná hodnota „5“ položky „type“");
    }
}

}  // namespace kvor
