#include "model/error.h"
#include "tendons/parabolic_polygon.h"

#include <gtest/gtest.h>

using namespace kvor;

namespace {

struct Row {
    const char *x, *e, *n, *m;
};
TextTable store4(std::initializer_list<Row> rows)
{
    TextTable t(static_cast<int>(rows.size()) + 1, 4);
    int r = 1;
    for (const Row& row : rows)
        t.setRow(r++, {row.x, row.e, row.n, row.m});
    return t;
}

std::vector<std::vector<std::string>> rowsOf(const TextTable& t)
{
    std::vector<std::vector<std::string>> rows;
    for (int r = 1; r < t.rowCount(); ++r)
        rows.push_back({std::string(t.cell(r, 0)), std::string(t.cell(r, 1)), std::string(t.cell(r, 2))});
    return rows;
}

}  // namespace

TEST(ParabolicPolygon, ChordPointsFollowTheParabolaAndCarryTheForceOfTheirSegment)
{
    // Sag f = 0,3 - (0 + 0,1) / 2 = 0,25; at t = 1/4: e = 0,025 + 4·0,25·0,1875 = 0,2125,
    // at t = 3/4: e = 0,075 + 0,1875 = 0,2625.
    const TextTable store = store4({{"0", "0", "-800", "0,3"}, {"10", "0,1", "-750", "0,2"}, {"14", "0,1", "-750", ""}});
    const TextTable polygon = parabolicPolygon(store, TendonType::CompositeParabolic, 4, ',');
    EXPECT_EQ(polygon.cell(0, 2), "Předpínací síla");
    EXPECT_EQ(rowsOf(polygon), (std::vector<std::vector<std::string>>{
                                   {"0", "0", "-800"},
                                   {"2,5", "0,2125", "-800"},
                                   {"5", "0,3", "-800"},
                                   {"7,5", "0,2625", "-800"},
                                   {"10", "0,1", "-750"},
                                   {"11", "0,175", "-750"},
                                   {"12", "0,2", "-750"},
                                   {"13", "0,175", "-750"},
                                   {"14", "0,1", "-750"},
                               }));
}

TEST(ParabolicPolygon, GivenTextsStayAndStraightSegmentsAddNothing)
{
    const TextTable store =
        store4({{" 0,0", "0,10", "-1E3", ""}, {"4", "0,3", "-1000", "0,3"}, {"8", "0,3", "-900", ""}});
    const TextTable combined = parabolicPolygon(store, TendonType::Combined, 2, ',');
    EXPECT_EQ(rowsOf(combined), (std::vector<std::vector<std::string>>{
                                    {" 0,0", "0,10", "-1E3"}, {"4", "0,3", "-1000"}, {"6", "0,3", "-1000"}, {"8", "0,3", "-900"}}));
    // D = 1 leaves the given points alone, whatever the type.
    EXPECT_EQ(rowsOf(parabolicPolygon(store4({{"0", "0", "-5", "9"}, {"1", "0", "-5", ""}}),
                                      TendonType::SimpleParabolic, 1, ',')),
              (std::vector<std::vector<std::string>>{{"0", "0", "-5"}, {"1", "0", "-5"}}));
    // A decimal point where the separator is one.
    EXPECT_EQ(parabolicPolygon(store4({{"0", "0", "-5", "0.2"}, {"1", "0", "-5", ""}}), TendonType::SimpleParabolic,
                               2, '.')
                  .cell(2, 0),
              "0.5");
}

TEST(ParabolicPolygon, DivisionsAreWholeNumbersFromOneToAThousand)
{
    EXPECT_EQ(parseDivisions("1"), 1);
    EXPECT_EQ(parseDivisions("1000"), 1000);
    for (const char* bad : {"0", "1001", "2,5", "", "x", "-3"})
        EXPECT_FALSE(parseDivisions(bad)) << bad;
}

TEST(ParabolicPolygon, AtMost32766Points)
{
    // 34 points and 33 parabolic segments: 34 + 33·(D - 1) points.
    TextTable store(35, 4);
    for (int r = 1; r <= 34; ++r)
        store.setRow(r, {std::to_string(r), "0", "-1", r < 34 ? "0" : ""});
    EXPECT_EQ(polygonPointCount(store, TendonType::CompositeParabolic, 992), 32737);
    EXPECT_EQ(parabolicPolygon(store, TendonType::CompositeParabolic, 992, ',').rowCount(), 32738);
    EXPECT_EQ(polygonPointCount(store, TendonType::CompositeParabolic, 1000), 33001);
    try {
        parabolicPolygon(store, TendonType::CompositeParabolic, 1000, ',');
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Kabel by po rozdělení parabol měl 33001 bodů, smí jich mít nejvýše 32766!!!");
    }
}

// A chord of a parabola lies f/D² from it at its middle: the note names the
// largest sag; straight segments and an unusable D say nothing.
TEST(ParabolicPolygon, ChordDeviationIsTheLargestSagOverDSquared)
{
    // Sags 0,25 and 0,1 m (the first as in the polygon test above).
    const TextTable store = store4({{"0", "0", "-800", "0,3"}, {"10", "0,1", "-750", "0,2"}, {"14", "0,1", "-750", ""}});
    EXPECT_EQ(chordDeviationNote(store, TendonType::CompositeParabolic, "100", ','),
              "Odchylka tětiv od paraboly: f/D² = 0,025 mm.");
    EXPECT_EQ(chordDeviationNote(store, TendonType::CompositeParabolic, "3", ','),
              "Odchylka tětiv od paraboly: f/D² = 27,8 mm.");
    const TextTable combined = store4({{"0", "0", "-5", ""}, {"4", "0,3", "-5", "0,2"}, {"8", "0", "-5", ""}});
    EXPECT_NEAR(static_cast<double>(*chordDeviation(combined, TendonType::Combined, "10", ',')), 0.05 / 100, 1e-15);
    EXPECT_EQ(chordDeviationNote(store, TendonType::CompositeParabolic, "0", ','), "");
    EXPECT_EQ(chordDeviationNote(store4({{"0", "0", "-5", "x"}, {"1", "0", "-5", ""}}), TendonType::SimpleParabolic,
                                 "20", ','),
              "");
}
