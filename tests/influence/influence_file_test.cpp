#include "influence/influence_file.h"
#include "model/error.h"
#include "model/numbers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace kvor;
using namespace std::string_literals;

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

// The entry table as the dialog leaves it: headings that the reader must
// rewrite and four old points that a shorter file must not leave inside.
TextTable usedEntryTable()
{
    TextTable t(5, 2);
    t.setRow(0, {"old", "old"});
    for (int r = 1; r <= 4; ++r)
        t.setRow(r, {"7", "8"});
    return t;
}

Rows pointRows(const TextTable& t)
{
    Rows rows;
    for (int r = 1; r < t.rowCount(); ++r)
        rows.emplace_back(t.cell(r, 0), t.cell(r, 1));
    return rows;
}

const Rows kOldRows(4, {"7", "8"});
const Rows kExampleRows{{"0", "0"}, {"5,25", "1,3125"}, {"10", "0"}};

struct ReadCase {
    const char* name;
    std::string content;
    Rows rows;      // the point rows after reading
    bool fails;     // "Invalid numeric input" expected
};

// Shown by its name in the test list and in failures.
void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

class ReadInfluenceText : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadInfluenceText, FillsCompletePairs)
{
    const ReadCase& c = GetParam();
    TextTable t = usedEntryTable();
    if (c.fails) {
        try {
            readInfluenceText(c.content, t, ',');
            ADD_FAILURE() << "no failure";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), "Invalid numeric input");
        }
    } else {
        readInfluenceText(c.content, t, ',');
    }
    EXPECT_EQ(t.cell(0, 0), "  Staničení [m]");
    EXPECT_EQ(t.cell(0, 1), "    Pořadnice");
    EXPECT_EQ(t.colCount(), 2);
    EXPECT_EQ(pointRows(t), c.rows);
}

const std::string k64Ones(64, '1');
const std::string kOnePoint65 = "1." + std::string(63, '0');  // splits into "1.000…" and "0"

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadInfluenceText,
    ::testing::Values(
        ReadCase{"CrLf", "0 0\r\n5.25 1.3125\r\n10 0\r\n", kExampleRows, false},
        ReadCase{"Lf", "0 0\n5.25 1.3125\n10 0", kExampleRows, false},
        ReadCase{"OneLine", "0 0 5.25 1.3125 10 0", kExampleRows, false},
        ReadCase{"OnePerLine", "\n\n0\n0\n5.25\n1.3125\n10\n0\n\n", kExampleRows, false},
        ReadCase{"ControlChars", "0\t0\x01 5.25\v1.3125\f10 "s + '\0' + " 0", kExampleRows, false},
        ReadCase{"TrailingBlanks", "0 0\n10 0\n \t\n\n", {{"0", "0"}, {"10", "0"}}, false},
        ReadCase{"FiveNumbers", "0 0\n5 1\n7\n", {{"0", "0"}, {"5", "1"}}, false},
        ReadCase{"GeneralFormat", "1e2 -0.5 +3.14159265358979323846 1E400 -0 0.00001",
                 {{"100", "-0,5"}, {"3,14159265358979", "1E400"}, {"0", "1E-5"}}, false},
        ReadCase{"EndMark", "0 0\n10 0\x1a\n20 x y", {{"0", "0"}, {"10", "0"}}, false},
        ReadCase{"SplitAt64", kOnePoint65 + " 5 6", {{"1", "0"}, {"5", "6"}}, false},
        ReadCase{"Exactly64", k64Ones + " 2", {{"1,11111111111111E63", "2"}}, false},
        ReadCase{"LongerRun", "0 0 1 1 2 2 3 3 4 4 5 5",
                 {{"0", "0"}, {"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}, {"5", "5"}}, false},
        // Nothing read: the rows stay as they were.
        ReadCase{"Empty", "", kOldRows, false},
        ReadCase{"OnlySeparators", " \r\n\t", kOldRows, false},
        ReadCase{"EndMarkFirst", "\x1a" "0 0", kOldRows, false},
        ReadCase{"FirstTokenBad", "x 0 0 1 1 2 2 3 3 4 4 5 5", kOldRows, true},
        // Failures keep the complete pairs read before them.
        ReadCase{"Comma", "0 0\n5,25 1,3125\n10 0\n", {{"0", "0"}}, true},
        ReadCase{"BadOrdinate", "0 0\n5 1e\n", {{"0", "0"}}, true},
        ReadCase{"SecondTokenBad", "0 1e+ 2 2", {}, true},
        ReadCase{"SplitLeavesExponent", k64Ones + "e5", {}, true},
        ReadCase{"LatinSpace", "0 0 5\xa0 1", {{"0", "0"}}, true},
        ReadCase{"Overflow", "0 0 1e99999 1", {{"0", "0"}}, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadInfluenceText, RandomContentLeavesOnlyNumbersInTheTable)
{
    const std::string alphabet = "0123456789.eE+-, \t\r\n\x1a\x7f\xff";
    std::mt19937 rng(11);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1), length(0, 200);
    for (int round = 0; round < 2000; ++round) {
        std::string content(length(rng), ' ');
        for (char& c : content)
            c = alphabet[pick(rng)];
        TextTable t = usedEntryTable();
        try {
            readInfluenceText(content, t, ',');
        } catch (const Error&) {
        }
        ASSERT_GE(t.rowCount(), 1) << content;
        for (int r = 1; r < t.rowCount(); ++r)
            ASSERT_TRUE(parseNumber(t.cell(r, 0), ',') && parseNumber(t.cell(r, 1), ',')) << content;
    }
}

TEST(ParseFileNumber, AcceptsOnlyTheFileSyntax)
{
    for (const char* good : {"0", "-1", "+2.5", "1e2", "1E-2", "1.5e+3", "007"})
        EXPECT_TRUE(parseFileNumber(good)) << good;
    for (const char* bad : {"", "-", ".5", "5.", "5,25", "1e", "e1", "1.2.3", "--1", "0x10", "inf", "nan", "1 "})
        EXPECT_FALSE(parseFileNumber(bad)) << bad;
}

TEST(InfluenceFileTokens, NeverLongerThan64)
{
    const std::string run(130, '9');
    InfluenceFileTokens tokens(run);
    EXPECT_EQ(tokens.next()->size(), 64u);
    EXPECT_EQ(tokens.next()->size(), 64u);
    EXPECT_EQ(tokens.next()->size(), 2u);
    EXPECT_FALSE(tokens.next());
}

class ReadInfluenceFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kvor_influence_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string write(const char* name, const std::string& content)
    {
        std::ofstream(dir_ / name, std::ios::binary) << content;
        return (dir_ / name).string();
    }
    std::string failureOf(const std::string& path, TextTable& t)
    {
        try {
            readInfluenceFile(path, t, ',');
        } catch (const Error& e) {
            return e.what();
        }
        return "no failure";
    }

    std::filesystem::path dir_;
};

TEST_F(ReadInfluenceFile, ReadsTheExampleFile)
{
    TextTable t = usedEntryTable();
    readInfluenceFile(write("vliv1.txt", "0 0\r\n5.25 1.3125\r\n10 0\r\n"), t, ',');
    EXPECT_EQ(pointRows(t), kExampleRows);
}

TEST_F(ReadInfluenceFile, FailureToOpenKeepsFormerRows)
{
    for (const std::string& path : {(dir_ / "missing.txt").string(), (dir_ / "*.txt").string()}) {
        TextTable t = usedEntryTable();
        EXPECT_EQ(failureOf(path, t), "File not found");
        EXPECT_EQ(t.cell(0, 0), "  Staničení [m]");
        EXPECT_EQ(pointRows(t), kOldRows);
    }
    TextTable t = usedEntryTable();
    EXPECT_EQ(failureOf(dir_.string(), t), "File access denied");
    EXPECT_EQ(pointRows(t), kOldRows);
}

TEST_F(ReadInfluenceFile, BadNumberKeepsPairsBeforeIt)
{
    TextTable t = usedEntryTable();
    EXPECT_EQ(failureOf(write("comma.txt", "0 0\n2 1\n5,25 1,3125\n"), t), "Invalid numeric input");
    EXPECT_EQ(pointRows(t), (Rows{{"0", "0"}, {"2", "1"}}));
}

}  // namespace
