// Version 2 of the data section: written only for a project with a generated
// influence line; every file of version 1 still reads.

#include "results/project_file.h"

#include "model/error.h"
#include "model/slots.h"
#include "results/data_section.h"
#include "support/file_lines.h"
#include "support/sample_project.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvor {
namespace {

using testing::expectSameProject;
using testing::fileLines;
using testing::sampleProject;

// The sample project with a generated deflection line in slot 2.
Project withGeneratedLine()
{
    Project p = sampleProject();
    QuantitySlot& slot = p.quantities[1];
    TextTable entry(4, 2);
    entry.setRow(1, {"0", "0"});
    entry.setRow(2, {"5", "0,0001"});
    entry.setRow(3, {"10", "0"});
    storeGeneratedLine(slot, entry, "5", {"w", "2,5", "30000"});
    return p;
}

TEST(DataSectionVersion, OnlyAGeneratedLineNeedsVersion2)
{
    const Project plain = sampleProject();
    EXPECT_EQ(dataSectionVersion(plain), 1);
    const auto v1 = fileLines(encodeProjectFile(plain, SaveVariant::InputOnly, ','));
    EXPECT_EQ(v1.at(5), "[data]\t1");
    for (const auto& line : v1) {
        EXPECT_FALSE(line.starts_with("station\t"));
        EXPECT_FALSE(line.starts_with("generator\t"));
    }

    const Project generated = withGeneratedLine();
    EXPECT_EQ(dataSectionVersion(generated), 2);
    const auto v2 = fileLines(encodeProjectFile(generated, SaveVariant::InputOnly, ','));
    EXPECT_EQ(v2.at(5), "[data]\t2");
    // Every block carries its station line after "file"; only the generated one its generator.
    int stations = 0, generators = 0;
    for (size_t i = 0; i < v2.size(); ++i) {
        if (v2[i].starts_with("station\t")) {
            ++stations;
            EXPECT_TRUE(v2[i - 1].starts_with("file\t")) << i;
        }
        if (v2[i].starts_with("generator\t")) {
            ++generators;
            EXPECT_EQ(v2[i], "generator\tw\t2,5\t30000");
            EXPECT_EQ(v2[i - 1], "station\t5");
            EXPECT_EQ(v2[i - 3], "mode\t2");
        }
    }
    EXPECT_EQ(stations, kSlotCount);
    EXPECT_EQ(generators, 1);
}

TEST(DataSectionVersion, Version2RoundTripsAcrossSeparators)
{
    const Project saved = withGeneratedLine();
    const auto loaded = decodeProjectFile(encodeProjectFile(saved, SaveVariant::WithResults, ','), ',');
    ASSERT_TRUE(loaded);
    expectSameProject(saved, loaded->project, true);

    // Read on a system with a decimal point, the number texts follow it.
    const auto dotted = decodeProjectFile(encodeProjectFile(saved, SaveVariant::InputOnly, ','), '.');
    ASSERT_TRUE(dotted);
    EXPECT_EQ(dotted->project.quantities[1].generator, (LineGeneratorParameters{"w", "2.5", "30000"}));
    EXPECT_EQ(dotted->project.quantities[1].entryMode, EntryMode::Generated);
}

TEST(DataSectionVersion, TheStationOfATypedLineNeedsVersion2AndReadsBack)
{
    Project typed = sampleProject();
    typed.quantities[0].station = "12,5";
    EXPECT_EQ(dataSectionVersion(typed), 2);
    const auto dotted = decodeProjectFile(encodeProjectFile(typed, SaveVariant::InputOnly, ','), '.');
    ASSERT_TRUE(dotted);
    EXPECT_EQ(dotted->project.quantities[0].station, "12.5");
    EXPECT_EQ(dotted->project.quantities[0].entryMode, EntryMode::Manual);
}

TEST(DataSectionVersion, DamagedVersionLinesAreRefused)
{
    const std::string v2 = encodeProjectFile(withGeneratedLine(), SaveVariant::InputOnly, ',');
    auto damage = [&](const std::string& from, const std::string& to) {
        std::string bytes = v2;
        const size_t at = bytes.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        bytes.replace(at, from.size(), to);
        try {
            decodeProjectFile(bytes, ',');
            return std::string("read");
        } catch (const Error& e) {
            return std::string(e.what());
        }
    };
    EXPECT_NE(damage("generator\tw\t", "generator\tQ\t").find("neplatná hodnota „Q“ položky „generator“"), std::string::npos);
    EXPECT_NE(damage("[data]\t2", "[data]\t3").find("nepodporovaná verze datové části"), std::string::npos);
    // Version 1 knows no mode 2 and no station line.
    EXPECT_NE(damage("[data]\t2", "[data]\t1").find("Soubor projektu je poškozen"), std::string::npos);
}

}  // namespace
}  // namespace kvor
