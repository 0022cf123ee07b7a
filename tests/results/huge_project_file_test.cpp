// Project files far larger than any the program writes: table counts beyond
// what the model holds (99999999 among them), a count at the limit with no rows
// behind it, and a line of 100 MB. They are refused as damaged, or read,
// without a giant allocation up front.

#include "model/error.h"
#include "results/project_file.h"
#include "support/sample_project.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>

namespace kvor {
namespace {

const std::string kHeaderLine = "Vstupn\xED soubor programu Kvor1.1\r\n";

// A saved project with the count of the first table line `key` (after `after`) replaced.
std::string withCount(const std::string& key, const std::string& count, const std::string& after = "")
{
    std::string file = encodeProjectFile(testing::sampleProject(), SaveVariant::InputOnly, ',');
    const size_t at = file.find(key + "\t", file.find(after));
    const size_t end = file.find('\r', at);
    return file.replace(at, end - at, key + "\t" + count);
}

std::string damageOf(const std::string& file)
{
    try {
        decodeProjectFile(file, ',');
    } catch (const Error& e) {
        return e.what();
    }
    return "no damage";
}

struct CountCase {
    const char* name;
    std::string key, after, count;
};

class CountBeyondWhatTheModelHolds : public ::testing::TestWithParam<CountCase> {};

TEST_P(CountBeyondWhatTheModelHolds, IsADamagedSection)
{
    // 15 members, a million points of an influence line read from a file,
    // 32766 points of a broken tendon: a file never holds more.
    const CountCase& c = GetParam();
    const std::string message = damageOf(withCount(c.key, c.count, c.after));
    EXPECT_NE(message.find("Soubor projektu je poškozen na řádku "), std::string::npos) << message;
    EXPECT_NE(message.find("neplatná hodnota „" + c.count + "“ položky „" + c.key + "“"), std::string::npos)
        << message;
}

INSTANTIATE_TEST_SUITE_P(
    Tables, CountBeyondWhatTheModelHolds,
    ::testing::Values(CountCase{"TypedCount", "points", "", "99999999"},
                      CountCase{"Members", "members", "", "16"},
                      CountCase{"InfluenceLine", "points", "[quantity]", "1000001"},
                      CountCase{"Tendon", "points", "[tendon]", "32767"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HugeProjectFile, CountAtTheLimitWithoutItsRowsFailsFast)
{
    // A million rows are allowed, but the rows are read before the table is
    // sized: a file that lacks them fails at once instead of allocating first.
    const auto start = std::chrono::steady_clock::now();
    const std::string message = damageOf(withCount("points", "1000000"));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_NE(message.find("Soubor projektu je poškozen"), std::string::npos) << message;
    EXPECT_EQ(message.find("neplatná hodnota"), std::string::npos) << message;
    EXPECT_LT(took, std::chrono::seconds(2));
}

class HugeLine : public ::testing::Test {
protected:
    void write(const std::string& name, const std::string& bytes)
    {
        std::ofstream(folder.path() / name, std::ios::binary) << bytes;
    }
    testing::TempFolder folder;
};

TEST_F(HugeLine, NameOf100MegabytesOpensWhole)
{
    // 100 MB of "x" ending in "č": the code page conversion runs over all of it.
    std::string name(100'000'000, 'x');
    name.back() = '\xE8';
    write("velky.txt", kHeaderLine + name + "\r\npopis\r\nautor\r\n1. 1. 2026\r\nnic dalšího\r\n");
    name.clear();
    name.shrink_to_fit();

    const auto preview = previewProjectFile(folder.path(), "velky.txt");
    ASSERT_TRUE(preview.has_value());
    EXPECT_EQ(preview->name.size(), 100'000'001u);  // "č" takes two bytes in UTF-8
    EXPECT_TRUE(preview->name.ends_with("xč"));
    EXPECT_EQ(preview->description, "popis");

    Project p;
    ASSERT_EQ(openProjectFile(p, folder.path(), "velky.txt"), OpenOutcome::Opened);
    EXPECT_EQ(p.info.name.size(), 100'000'001u);
    EXPECT_EQ(p.info.createdOn, "1. 1. 2026");
}

TEST_F(HugeLine, FirstLineOf100MegabytesIsNoProjectFileAndIsNotReadWhole)
{
    write("cizi.txt", std::string(100'000'000, 'V') + "\r\n");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(previewProjectFile(folder.path(), "cizi.txt").has_value());
    Project p;
    EXPECT_EQ(openProjectFile(p, folder.path(), "cizi.txt"), OpenOutcome::NotAProjectFile);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

}  // namespace
}  // namespace kvor
