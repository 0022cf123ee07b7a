// Version 2 of the data section: written only for a project with a generated
// influence line; every file of version 1 still reads.

#include "results/project_file.h"

#include "model/error.h"
#include "model/slots.h"
#include "results/data_section.h"
#include "support/file_lines.h"
#include "support/sample_project.h"

#include <gtest/gtest.h>

#include <algorithm>

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
    EXPECT_NE(damage("[data]\t2", "[data]\t4").find("nepodporovaná verze datové části"), std::string::npos);
    // Version 1 knows no mode 2 and no station line.
    EXPECT_NE(damage("[data]\t2", "[data]\t1").find("Soubor projektu je poškozen"), std::string::npos);
}

// The station X and a generated line's parameters are judged as the dialog
// judges them, and a version-1 file holds nothing of version 2; each fault
// names the line it stands on.
TEST(DataSectionVersion, StationsGeneratorsAndVersion2ContentAreCheckedOnTheirLines)
{
    const std::string v2 = encodeProjectFile(withGeneratedLine(), SaveVariant::InputOnly, ',');
    struct Case {
        std::string from, to;  // the first `from` is replaced; the message names its line
        std::string message;
    };
    const std::string beyondBeam = "Staničení posuzovaného průřezu X musí ležet na nosníku, od 0 do 27,5 m!";
    const std::string notNumber = "Staničení posuzovaného průřezu X musí být zadáno jako číslo!";
    const std::string v1 = " patří až do datové části verze 2, soubor je označen verzí 1";
    const std::vector<Case> cases = {
        {"station\t\r\npoints\t3", "station\t27,5000000001\r\npoints\t3", beyondBeam},  // a typed line
        {"station\t5", "station\t-1", beyondBeam},
        {"station\t5", "station\t1E308", beyondBeam},
        {"station\t5", "station\tabc", notNumber},
        {"station\t5", "station\tNaN", notNumber},
        {"station\t5", "station\t5\\n", notNumber},  // an escaped line break: still one line
        {"station\t5", "station\t", "Staničení X musí být zadáno jako číslo!"},  // a generated line knows X
        {"generator\tw\t2,5", "generator\tw\tNaN", "Krok musí být zadán jako číslo!"},
        {"generator\tw\t2,5", "generator\tw\t", "Krok musí být zadán jako číslo!"},
        {"generator\tw\t2,5", "generator\tw\t-1", "Krok musí být větší než 0!"},
        {"generator\tw\t2,5\t30000", "generator\tw\t2,5\tabc", "Modul pružnosti E musí být zadán jako číslo!"},
        {"generator\tw\t2,5\t30000", "generator\tw\t2,5\t", "Zadejte modul pružnosti E!"},
        {"generator\tw\t2,5\t30000", "generator\tM\t2,5\t30000",
         "2. příčinková čára: modul pružnosti E se ukládá jen u průhybu a pootočení"},
        {"[data]\t2\r\nseparator\t,\r\n", "[data]\t1\r\nseparator\t,\r\n", ""},  // see below
    };
    for (const Case& c : cases) {
        std::string bytes = v2;
        const size_t at = bytes.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.from;
        bytes.replace(at, c.from.size(), c.to);
        const auto lineOf = [&bytes](size_t offset) {
            return 1 + static_cast<int>(std::count(bytes.begin(), bytes.begin() + static_cast<long>(offset), '\n'));
        };
        int line = lineOf(at);
        std::string message = c.message;
        if (message.empty()) {  // version 1 marked: the first station line is refused
            line = lineOf(bytes.find("station\t"));
            message = "položka „station“" + v1;
        }
        try {
            decodeProjectFile(bytes, ',');
            ADD_FAILURE() << c.to << ": read";
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()),
                      "Soubor projektu je poškozen na řádku " + std::to_string(line) + ": " + message)
                << c.to;
        }
    }

    // Without its station lines, a version-1 file is refused at the first value version 1 lacks.
    std::string v1File = v2;
    v1File.replace(v1File.find("[data]\t2"), 8, "[data]\t1");
    for (size_t at; (at = v1File.find("station\t")) != std::string::npos;)
        v1File.erase(at, v1File.find("\r\n", at) + 2 - at);
    try {
        decodeProjectFile(v1File, ',');
        ADD_FAILURE() << "version 1 with mode 2: read";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find(": hodnota „2“ položky „mode“" + v1), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace kvor
