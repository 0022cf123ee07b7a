#include "analysis/line_generator.h"
#include "evaluation/derivative_table.h"
#include "evaluation/tendon_effect.h"
#include "influence/influence_file.h"
#include "model/numbers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kvor;

namespace {

LineRequest request(LineKind kind, long double x, std::vector<long double> spans, long double step = 0.1L)
{
    LineRequest r;
    r.kind = kind;
    r.station = x;
    r.spans = std::move(spans);
    r.step = step;
    return r;
}

std::vector<std::string> stationsOf(const GeneratedLine& line)
{
    std::vector<std::string> out;
    for (const auto& p : line.points)
        out.push_back(p.station);
    return out;
}

TEST(LineGenerator, StationsAreTheGridTheSupportsXAndTheEnd)
{
    // Grid 0, 1.5, 3, 4.5; supports 0, 2, 5; X 3.25; end 5.
    const auto m = generateLine(request(LineKind::Moment, 3.25L, {2, 3}, 1.5L));
    ASSERT_EQ(m.fault, "");
    EXPECT_EQ(stationsOf(m), (std::vector<std::string>{"0", "1.5", "2", "3", "3.25", "4.5", "5"}));

    // A grid station that prints like a support is that support (0.1·3 vs 0.3).
    const auto near = generateLine(request(LineKind::Reaction, 0.1L, {0.1L, 0.2L}));
    ASSERT_EQ(near.fault, "");
    EXPECT_EQ(stationsOf(near), (std::vector<std::string>{"0", "0.1", "0.2", "0.3"}));
    EXPECT_EQ(near.points[1].ordinate, "1");   // the load on the support itself
    EXPECT_EQ(near.points[3].ordinate, "0");

    // The shear's station X twice: the load just left, then just right of it.
    const auto v = generateLine(request(LineKind::Shear, 4, {10}, 2));
    ASSERT_EQ(v.fault, "");
    EXPECT_EQ(v.points, (std::vector<LinePoint>{{"0", "0"}, {"2", "-0.2"}, {"4", "-0.4"}, {"4", "0.6"},
                                                 {"6", "0.4"}, {"8", "0.2"}, {"10", "0"}}));
}

TEST(LineGenerator, NumbersUseTheGeneralFormatWithADecimalPoint)
{
    const auto w = generateLine([] {
        auto r = request(LineKind::Deflection, 5, {10}, 2.5L);
        r.ei = 1e9L;
        return r;
    }());
    ASSERT_EQ(w.fault, "");
    // L³/(48 EI) = 2.08333…E-8 and the quarter points.
    EXPECT_EQ(w.points[2], (LinePoint{"5", "2.08333333333333E-8"}));
    EXPECT_EQ(w.points[0].ordinate, "0");
    EXPECT_EQ(lineFileText({{"0", "0"}, {"2.5", "-1.5E-5"}}), "0\t0\n2.5\t-1.5E-5\n");
}

TEST(LineGenerator, RequestFaults)
{
    struct Case {
        LineRequest request;
        std::string fault;
    };
    auto withEi = [](LineRequest r, long double ei) { r.ei = ei; return r; };
    const std::vector<Case> cases = {
        {request(LineKind::Moment, 1, {}), "Zadejte délku alespoň jednoho pole!"},
        {request(LineKind::Moment, 1, std::vector<long double>(16, 1)), "Nosník smí mít nejvýše 15 polí!"},
        {request(LineKind::Moment, 1, {4, 0}), "Délka 2.pole musí být větší než 0!"},
        {request(LineKind::Moment, 1, {4}, 0), "Krok musí být větší než 0!"},
        {request(LineKind::Rotation, 1, {4}), "Pro průhyb a pootočení zadejte ohybovou tuhost EI!"},
        {withEi(request(LineKind::Deflection, 1, {4}), -2), "Ohybová tuhost EI musí být větší než 0!"},
        {request(LineKind::Moment, 9.5L, {4, 5}), "Staničení X musí ležet na nosníku, od 0 do 9 m!"},
        {request(LineKind::Moment, -0.01L, {4, 5}), "Staničení X musí ležet na nosníku, od 0 do 9 m!"},
        {request(LineKind::Reaction, 2, {4, 5}), "Reakci lze počítat jen v podpoře, X musí být jedno ze staničení 0, 4, 9!"},
        {request(LineKind::Shear, 4.00000000000000001L, {4, 5}), "Posouvající sílu nelze počítat přímo v podpoře, zvolte X mimo podpory!"},
        {request(LineKind::Moment, 1, {3275}, 0.1L), "Příčinková čára by měla více než 32750 bodů! Zvolte větší krok."},
        {request(LineKind::Moment, 1, {1e6L}, 1e-9L), "Příčinková čára by měla více než 32750 bodů! Zvolte větší krok."},
        {withEi(request(LineKind::Deflection, 1e4000L, {1e4000L, 1e4000L}, 1e4000L), 1e-4000L),
         "Pořadnice příčinkové čáry přesahují rozsah čísel!"},
    };
    for (const auto& c : cases) {
        const auto line = generateLine(c.request);
        EXPECT_EQ(line.fault, c.fault);
        EXPECT_TRUE(line.points.empty());
    }
    // The limit counts rows: X twice for the shear.
    EXPECT_EQ(generateLine(request(LineKind::Moment, 1, {3274.9L}, 0.1L)).points.size(), 32750u);
    EXPECT_EQ(generateLine(request(LineKind::Moment, 1.05L, {3274.9L}, 0.1L)).fault.empty(), false);
    EXPECT_EQ(generateLine(request(LineKind::Shear, 1, {3274.9L}, 0.1L)).fault.empty(), false);
}

TEST(LineGenerator, AStationThatPrintsAsASupportIsThatSupport)
{
    const auto r = generateLine(request(LineKind::Reaction, 12.0000000000000001L, {12, 15}, 3));
    ASSERT_EQ(r.fault, "");
    EXPECT_EQ(r.points.front().ordinate, "0");
    EXPECT_EQ(r.points[4], (LinePoint{"12", "1"}));
    EXPECT_EQ(r.points.size(), 10u);  // 0, 3, …, 24, 27
}

// The file text read back as "Načíst" reads it gives the generated table.
TEST(LineGenerator, FileTextReadsBackAsTheGeneratedTable)
{
    const auto line = generateLine(request(LineKind::Moment, 6.5L, {6, 8.25L, 7}, 0.25L));
    ASSERT_EQ(line.fault, "");
    TextTable entry;
    readInfluenceText(lineFileText(line.points), entry, ',');
    ASSERT_EQ(entry.rowCount(), static_cast<int>(line.points.size()) + 1);
    for (size_t i = 0; i < line.points.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        EXPECT_EQ(parseNumber(entry.cell(row, 0), ','), parseNumber(line.points[i].station, '.'));
        EXPECT_EQ(parseNumber(entry.cell(row, 1), ','), parseNumber(line.points[i].ordinate, '.'));
    }
}

// The sign conventions meet the evaluation's: a straight tendon along a simple
// beam gives the midspan moment N·e (compression negative, e downwards).
TEST(LineGenerator, StraightTendonGivesNTimesEAtMidspan)
{
    const auto line = generateLine(request(LineKind::Moment, 6, {12}, 0.1L));
    ASSERT_EQ(line.fault, "");
    TextTable influence, slopes, tendonTable;
    readInfluenceText(lineFileText(line.points), influence, ',');
    buildDerivativeTable(influence, slopes, ',');
    TextTable tendon(3, 3);
    tendon.setRow(0, {"Staničení", "Excentricita", "Předpínací síla"});
    tendon.setRow(1, {"0", "0,25", "-2000"});
    tendon.setRow(2, {"12", "0,25", "-2000"});
    const StationIndex lineIndex(influence, ','), slopeIndex(slopes, ',');
    const auto effect = tendonEffect(TendonType::Straight, tendon, lineIndex, slopeIndex, tendonTable, ',');
    ASSERT_TRUE(effect);
    EXPECT_EQ(formatNumber(*effect, ','), "-500");
}

}  // namespace
