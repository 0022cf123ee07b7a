// A parabolic tendon is evaluated as the broken tendon of its polygon: checked
// against the polygon typed in as a broken tendon, and against the closed-form
// effects of parabolic prestress on a simple and on a two-span beam.
#include "evaluation/evaluation_run.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "tendons/parabolic_polygon.h"
#include "tendons/parabolic_store.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

using namespace kvor;

namespace {

constexpr char kSep = ',';

// An influence line sampled every `step` metres from 0 to `length`.
TextTable sampledLine(long double length, long double step, const std::function<long double(long double)>& ordinate)
{
    const int n = static_cast<int>(std::lround(length / step));
    TextTable line(n + 2, 2);
    line.setRow(0, {"Staničení [m]", "Pořadnice"});
    for (int i = 0; i <= n; ++i) {
        const long double x = step * i;
        line.setRow(i + 1, {formatNumber(x, kSep), formatNumber(ordinate(x), kSep)});
    }
    return line;
}

Project beamProject(std::initializer_list<const char*> spans, const TextTable& line)
{
    Project p;
    if (spans.size() == 1) {
        p.beam.kind = BeamKind::Simple;
        p.beam.length = *spans.begin();
    } else {
        p.beam.kind = BeamKind::Continuous;
        p.beam.members.resize(static_cast<int>(spans.size()) + 1, 2);
        int r = 1;
        for (const char* s : spans) {
            p.beam.members.setRow(r, {formatInteger(r), s});
            ++r;
        }
    }
    p.section.eBottom = "0,5";
    p.section.eTop = "-0,5";
    QuantitySlot& q = p.quantities[0];
    q.shown = true;
    q.kindText = "Ohybový moment";
    storeInfluenceLine(q, line, EntryMode::Manual, "");
    return p;
}

// Rows (x, e, N, m) of a store table of types 2 to 4.
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

void enter(Project& p, int t, TendonType type, TextTable points, const char* divisions)
{
    TendonSlot& slot = p.tendons[static_cast<size_t>(t)];
    slot.shown = true;
    storeParabolicTendon(slot, type, std::move(points), divisions);
}

void enterBroken(Project& p, int t, TextTable points)
{
    TendonSlot& slot = p.tendons[static_cast<size_t>(t)];
    slot.shown = true;
    slot.points = std::move(points);
    slot.type = TendonType::Broken;
    slot.status = SlotStatus::Entered;
}

long double value(const Project& p, int t) { return toNumber(p.results.value[0][static_cast<size_t>(t)], kSep); }

}  // namespace

// Tendon 1 is the parabolic one, tendon 2 the same polygon typed as a broken
// tendon: values and tendon tables agree to the byte.
TEST(ParabolicEvaluation, EqualsItsPolygonTypedAsABrokenTendon)
{
    const TextTable line = sampledLine(20, 1, [](long double x) { return x <= 10 ? x / 2 : (20 - x) / 2; });
    struct Case {
        TendonType type;
        TextTable points;
        const char* divisions;
        int polygonPoints;
    };
    const Case cases[] = {
        {TendonType::SimpleParabolic, store4({{"2", "0,1", "-900", "0,4"}, {"18", "-0,05", "-900", ""}}), "1", 2},
        {TendonType::SimpleParabolic, store4({{"0", "0", "-900", "0,4"}, {"20", "0", "-900", ""}}), "20", 21},
        {TendonType::CompositeParabolic,
         store4({{"0", "0", "-1000", "0,3"}, {"12", "-0,2", "-950", "0,25"}, {"20", "0,1", "-950", ""}}), "7", 15},
        {TendonType::Combined,
         store4({{"0", "0", "-1000", ""}, {"4", "0,3", "-1000", "0,35"}, {"16", "0,3", "-800", ""},
                 {"20", "0", "-800", ""}}),
         "12", 15},
    };
    for (const Case& c : cases) {
        Project p = beamProject({"20"}, line);
        enter(p, 0, c.type, c.points, c.divisions);
        const TextTable polygon = parabolicPolygon(p.tendons[0], kSep);
        ASSERT_EQ(polygon.rowCount() - 1, c.polygonPoints);
        enterBroken(p, 1, polygon);
        evaluateProject(p, kSep);
        EXPECT_EQ(p.results.value[0][0], p.results.value[0][1]);
        EXPECT_EQ(p.results.tendonTables[0][0], p.results.tendonTables[0][1]);
        EXPECT_EQ(p.results.tendonTableType[0], static_cast<int>(c.type));
    }
}

// Type 2 with D = 1 is its chord: the same value as the two points typed as a broken tendon.
TEST(ParabolicEvaluation, OneDivisionIsTheChord)
{
    const TextTable line = sampledLine(20, 1, [](long double x) { return x <= 10 ? x / 2 : (20 - x) / 2; });
    Project p = beamProject({"20"}, line);
    enter(p, 0, TendonType::SimpleParabolic, store4({{"3", "0,1", "-700", "0,45"}, {"15", "0,2", "-700", ""}}), "1");
    TextTable chord(3, 3);
    chord.setRow(1, {"3", "0,1", "-700"});
    chord.setRow(2, {"15", "0,2", "-700"});
    enterBroken(p, 1, chord);
    evaluateProject(p, kSep);
    EXPECT_EQ(p.results.value[0][0], p.results.value[0][1]);
}

// Simple beam L = 20 m, e = 0 at both ends and m = 0,3 m at midspan, N = -1000 kN,
// exact midspan-moment influence line: the moment at midspan is N·m = -300 kNm.
TEST(ParabolicEvaluation, SimpleBeamMidspanMomentIsForceTimesSag)
{
    const TextTable line = sampledLine(20, 0.5L, [](long double x) { return x <= 10 ? x / 2 : (20 - x) / 2; });
    Project p = beamProject({"20"}, line);
    enter(p, 0, TendonType::SimpleParabolic, store4({{"0", "0", "-1000", "0,3"}, {"20", "0", "-1000", ""}}), "20");
    evaluateProject(p, kSep);
    const long double exact = -1000 * 0.3L;
    EXPECT_NEAR(value(p, 0), exact, 0.001L * 300) << p.results.value[0][0];
}

// Two spans of 10 m, in each a parabola with e = 0 over the supports and the sag
// f at midspan, N = -1000 kN. The primary moment over the inner support is N·0,
// so the moment there is the secondary one: the parabolas load both spans
// upwards with w = 8·P·f / L², which gives w·L² / 8 = P·f at the support
// (sagging positive). Influence line of that moment (unit load at a in a span,
// measured from the outer support): -a·(L² - a²) / (4·L²).
// The D chords put w on their points as the trapezoidal rule does, which misses
// w·h²/12 times the change of the line's slope (3/4 per span): P·f·(1 - 1/D²).
// A steep parabola loses another α²-order part (the force acts along the tendon,
// not horizontally).
TEST(ParabolicEvaluation, TwoSpanParabolaGivesTheClosedFormSecondaryMoment)
{
    const long double span = 10;
    const auto supportMoment = [span](long double x) {
        const long double a = x <= span ? x : 2 * span - x;
        return -a * (span * span - a * a) / (4 * span * span);
    };
    const TextTable line = sampledLine(20, 0.05L, supportMoment);
    struct Case {
        const char* sag;
        long double f;
        const char* divisions;
        long double expected;
        long double tolerance;  // relative
    };
    const Case cases[] = {
        // Shallow (L/400): the closed form with the chord correction, closely.
        {"0,025", 0.025L, "20", 1000 * 0.025L * (1 - 1.0L / 400), 1e-4L},
        {"0,025", 0.025L, "20", 1000 * 0.025L, 3e-3L},
        // Steep (L/40, end slope 0,1): within 0,2 % once the chords are fine.
        {"0,25", 0.25L, "100", 1000 * 0.25L, 2e-3L},
    };
    for (const Case& c : cases) {
        Project p = beamProject({"10", "10"}, line);
        enter(p, 0, TendonType::CompositeParabolic,
              store4({{"0", "0", "-1000", c.sag}, {"10", "0", "-1000", c.sag}, {"20", "0", "-1000", ""}}),
              c.divisions);
        evaluateProject(p, kSep);
        EXPECT_NEAR(value(p, 0), c.expected, c.tolerance * c.expected) << c.sag << " " << c.divisions;
    }
}
