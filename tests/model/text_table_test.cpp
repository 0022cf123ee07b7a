#include "model/numbers.h"
#include "model/text_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <span>
#include <vector>

using namespace kvor;

namespace {

TextTable numbered(int rows)
{
    TextTable t(rows, 2);
    t.setRow(0, {"A", "B"});
    for (int r = 1; r < rows; ++r)
        t.setRow(r, {std::to_string(r), "x" + std::to_string(r)});
    return t;
}

// Every way of changing one of two tables that hold a column together leaves
// the other as it was.
TEST(SharedColumns, AWriteToEitherTableLeavesTheOther)
{
    const auto changes = {
        +[](TextTable& t) { t.setCell(2, 0, "changed"); },
        +[](TextTable& t) { t.setNumber(1, 0, 1.5L, ','); },
        +[](TextTable& t) { t.setNumbers(0, std::vector<long double>{0.5L, 2.0L}, ','); },
        +[](TextTable& t) { t.setRowCount(2); },
        +[](TextTable& t) { t.resize(9, 1); },
        +[](TextTable& t) { t.setColCount(0); },
    };
    for (auto change : changes) {
        for (bool changeTheSource : {false, true}) {
            TextTable source = numbered(5);
            TextTable user(5, 3);
            user.shareColumn(2, source, 0);
            ASSERT_TRUE(user.sharesColumn(2, source, 0));
            EXPECT_EQ(user.cell(0, 2), "");  // headings are the table's own
            EXPECT_EQ(user.cell(3, 2), "3");
            const TextTable sourceBefore = source, userBefore = user;
            TextTable& changed = changeTheSource ? source : user;
            change(changed);
            EXPECT_TRUE((changeTheSource ? user : source) == (changeTheSource ? userBefore : sourceBefore));
        }
    }
}

TEST(SharedColumns, NeedEqualRowCounts)
{
    const TextTable source = numbered(5);
    TextTable other = numbered(4);
    other.shareColumn(0, source, 1);
    EXPECT_FALSE(other.sharesColumn(0, source, 1));
    EXPECT_EQ(other.cell(1, 0), "1");
    TextTable same(5, 2);
    same.shareColumn(1, source, 7);  // no such column: unchanged
    EXPECT_EQ(same.cell(1, 1), "");
}

TEST(TextTable, CopiesCompareByTheirTexts)
{
    TextTable a = numbered(4);
    TextTable b(4, 2);
    b.setRow(0, {"A", "B"});
    for (int r = 1; r < 4; ++r)
        b.setRow(r, {std::to_string(r), "x" + std::to_string(r)});
    EXPECT_EQ(a, b);
    b.setCell(3, 1, "y");
    EXPECT_FALSE(a == b);
    // A column never written equals one written with empty texts.
    TextTable empty(3, 1), written(3, 1);
    written.setCell(2, 0, "");
    EXPECT_EQ(empty, written);
}

TEST(TextTable, ShrinkingToNoRowsClearsTheHeadings)
{
    TextTable t = numbered(3);
    t.setRowCount(0);
    t.setRowCount(2);
    EXPECT_EQ(t.cell(0, 0), "");
    EXPECT_EQ(t.cell(1, 1), "");
}

// A column written at once holds what writing its rows one by one leaves: a
// whole column of a fresh table, or the first rows of a column with cells.
TEST(TextTable, SetNumbersWritesAsSetNumberDoes)
{
    const std::vector<long double> values = {roundTo15(1.0L / 3), 0.0L, roundTo15(-2.5e-7L), roundTo15(1e20L)};
    for (const int rows : {4, 2}) {
        for (const bool written : {false, true}) {
            TextTable bulk(5, 2), single(5, 2);
            if (written)
                bulk = single = numbered(5);
            bulk.setNumbers(1, std::span(values).first(static_cast<size_t>(rows)), '.');
            for (int r = 1; r <= rows; ++r)
                single.setNumber(r, 1, values[static_cast<size_t>(r - 1)], '.');
            EXPECT_TRUE(bulk == single) << rows << " rows, written " << written;
            EXPECT_EQ(bulk.number(1, 1, '.'), values[0]);
        }
    }
}

// A computed number is held as its value until its text is read: the text is
// then formatNumber's, and every way of reading the value gives what the text
// reads back as, before and after, also through copies.
TEST(TextTable, ANumberReadsAsItsFifteenDigitText)
{
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-4940, 4930);
    std::vector<long double> values = {1.0L / 3, -2.5e-7L, 123456789012345678.0L, 0.0L, -0.0L, 0.5L, 9.999999999999995e14L,
                                       std::numeric_limits<long double>::infinity(),
                                       std::numeric_limits<long double>::quiet_NaN(),
                                       std::numeric_limits<long double>::denorm_min()};
    for (int i = 0; i < 2000; ++i)
        values.push_back(static_cast<long double>(mantissa(rng)) * std::pow(10.0L, i % 2 ? exponent(rng) % 40 : exponent(rng)));
    for (const char sep : {',', '.'}) {
        for (long double v : values) {
            TextTable t(2, 2);
            const long double reread = t.setNumber(1, 0, v, sep);
            const FormattedNumber expected = formatAndReread(v, sep);
            TextTable copy(2, 2);
            copy.copyCell(1, 1, t, 1, 0);
            const auto before = t.number(1, 0, sep);
            ASSERT_TRUE(before);
            EXPECT_TRUE(reread == expected.reread || (std::isnan(reread) && std::isnan(expected.reread))) << expected.text;
            EXPECT_EQ(t.cell(1, 0), expected.text);
            EXPECT_EQ(copy.cell(1, 1), expected.text);
            if (std::isfinite(v)) {
                EXPECT_EQ(*before, reread) << expected.text;
                EXPECT_EQ(t.number(1, 0, sep), reread) << expected.text;  // now read from the text
            }
        }
    }
    TextTable t(2, 1);
    EXPECT_EQ(t.setNumber(5, 0, 2.0L, ','), 2.0L);  // outside: nothing written
    EXPECT_FALSE(t.number(1, 0, ','));              // the empty text is no number
    t.setCell(1, 0, "1,25");
    EXPECT_EQ(t.number(1, 0, ','), 1.25L);
}

}  // namespace
