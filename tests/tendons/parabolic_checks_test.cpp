#include "tendons/parabolic_checks.h"
#include "tendons/parabolic_store.h"

#include <gtest/gtest.h>

using namespace kvor;

namespace {

constexpr char kSep = ',';

BeamModel simpleBeam()
{
    BeamModel beam;
    beam.kind = BeamKind::Simple;
    beam.length = "20";
    return beam;
}

CrossSection section()
{
    CrossSection s;
    s.eBottom = "0,3";
    s.eTop = "-0,3";
    return s;
}

SimpleParabolicInput goodSimple() { return {"0", "0", "20", "0", "0,25", "-1000", "20"}; }

struct Expected {
    std::string message;
    Beep beep;
    Field focus;
    int row = 0;
    int column = -1;
};

void expectFault(const std::optional<TendonFault>& fault, const Expected& e, const std::string& what)
{
    ASSERT_TRUE(fault) << what;
    EXPECT_EQ(fault->report.message, e.message) << what;
    EXPECT_EQ(fault->report.beep, e.beep) << what;
    EXPECT_EQ(fault->report.focus, e.focus) << what;
    EXPECT_EQ(fault->row, e.row) << what;
    EXPECT_EQ(fault->column, e.column) << what;
}

struct Tables {
    TextTable points{3, 2};
    TextTable segments{2, 2};
    std::string divisions = "20";
};

Tables tables(std::initializer_list<std::pair<const char*, const char*>> pts,
              std::initializer_list<std::pair<const char*, const char*>> segs, const char* divisions = "20")
{
    Tables t;
    rebuildParabolicTables(t.points, t.segments, std::to_string(pts.size()));
    int r = 1;
    for (const auto& [x, e] : pts)
        t.points.setRow(r++, {x, e});
    r = 1;
    for (const auto& [n, m] : segs)
        t.segments.setRow(r++, {n, m});
    t.divisions = divisions;
    return t;
}

std::optional<TendonFault> check(TendonType type, const Tables& t)
{
    return checkParabolicTendon(type, parabolicStoreTable(ParabolicTablesInput{t.points, t.segments, t.divisions}),
                                t.divisions, simpleBeam(), section(), kSep);
}

}  // namespace

TEST(ParabolicChecks, SimpleParabolaFieldsSpeakAsTheStraightTendon)
{
    struct Case {
        void (*spoil)(SimpleParabolicInput&);
        Expected expected;
    };
    const Case cases[] = {
        {[](SimpleParabolicInput& in) { in.x1 = "a"; },
         {"Staničení musí být zadáno jako číslo!!!", Beep::AfterMessage, Field::ParabolaFirstStation}},
        {[](SimpleParabolicInput& in) { in.x1 = "-1"; }, {"Staničení nesmí být záporné", Beep::None, Field::ParabolaFirstStation}},
        {[](SimpleParabolicInput& in) { in.e1 = "0,31"; },
         {"Kabel musí ležet uvnitř průřezu!!!", Beep::BeforeMessage, Field::ParabolaFirstEccentricity}},
        {[](SimpleParabolicInput& in) { in.x2 = "0"; },
         {"Staničení 2.bodu kabelu musí být větší než staničení 1.bodu kabelu!!!", Beep::AfterMessage, Field::ParabolaSecondStation}},
        {[](SimpleParabolicInput& in) { in.x2 = "20,5"; },
         {"Staničení nemůže být větší než celková délka nosníku!!!", Beep::AfterMessage, Field::ParabolaSecondStation}},
        {[](SimpleParabolicInput& in) { in.e2 = "x"; },
         {"Poloha kabelu musí být zadána jako číslo!!!", Beep::BeforeMessage, Field::ParabolaSecondEccentricity}},
        {[](SimpleParabolicInput& in) { in.mid = ""; },
         {"Zadejte excentricitu kabelu uprostřed úseku!!!", Beep::BeforeMessage, Field::ParabolaMidEccentricity}},
        {[](SimpleParabolicInput& in) { in.mid = "-0,4"; },
         {"Kabel musí ležet uvnitř průřezu!!!", Beep::BeforeMessage, Field::ParabolaMidEccentricity}},
        {[](SimpleParabolicInput& in) { in.n = "0"; },
         {"Předpínací síla musí být zadána jako záporná-tlaková!!!", Beep::BeforeMessage, Field::ParabolaForce}},
        {[](SimpleParabolicInput& in) { in.divisions = "0"; },
         {"Počet dělení paraboly musí být celé číslo od 1 do 1000!!!", Beep::BeforeMessage, Field::ParabolaDivisions}},
        {[](SimpleParabolicInput& in) { in.divisions = "1001"; },
         {"Počet dělení paraboly musí být celé číslo od 1 do 1000!!!", Beep::BeforeMessage, Field::ParabolaDivisions}},
        // e1 = 0, e2 = 0,3 (the bottom fibres), m = 0,25: the vertex lies at
        // t = 0,875 with e = 0,30625, and the chord point at t = 0,85 gives 0,306.
        {[](SimpleParabolicInput& in) { in.e2 = "0,3"; },
         {"Parabola kabelu vybíhá mimo průřez nosníku, kabel musí ležet od e_h = -0,3 do e_d = 0,3 m!!!",
          Beep::BeforeMessage, Field::ParabolaMidEccentricity}},
    };
    EXPECT_FALSE(checkParabolicTendon(TendonType::SimpleParabolic, parabolicStoreTable(goodSimple()), "20",
                                      simpleBeam(), section(), kSep));
    for (const Case& c : cases) {
        SimpleParabolicInput in = goodSimple();
        c.spoil(in);
        expectFault(checkParabolicTendon(TendonType::SimpleParabolic, parabolicStoreTable(in), in.divisions,
                                         simpleBeam(), section(), kSep),
                    c.expected, c.expected.message);
    }
    // The same bulging parabola as one chord stays inside.
    SimpleParabolicInput chord = goodSimple();
    chord.e2 = "0,3";
    EXPECT_FALSE(checkParabolicTendon(TendonType::SimpleParabolic, parabolicStoreTable(chord), "1", simpleBeam(),
                                      section(), kSep));
    // Field by field, as the focus leaves each.
    SimpleParabolicInput emptyMid = goodSimple();
    emptyMid.mid.clear();
    EXPECT_EQ(checkSimpleField(Field::ParabolaMidEccentricity, parabolicStoreTable(emptyMid), simpleBeam(), section(), kSep).size(), 1u);
    EXPECT_TRUE(checkSimpleField(Field::ParabolaFirstEccentricity, parabolicStoreTable(emptyMid), simpleBeam(), section(), kSep).empty());
}

TEST(ParabolicChecks, TablesNameTheCellAtFault)
{
    const auto good = [] {
        return tables({{"0", "0"}, {"10", "0,1"}, {"20", "0"}}, {{"-1000", "0,25"}, {"-900", "0,2"}});
    };
    EXPECT_FALSE(check(TendonType::CompositeParabolic, good()));
    struct Case {
        TendonType type;
        void (*spoil)(Tables&);
        Expected expected;
    };
    const Case cases[] = {
        {TendonType::CompositeParabolic, [](Tables& t) { t.points.setCell(3, 0, "9"); },
         {"Staničení nesmí být zadáváno sestupně, staničení v 3.řádku je menší než v 2.řádku!", Beep::AfterMessage,
          Field::ParabolaPoints, 3, 0}},
        {TendonType::CompositeParabolic, [](Tables& t) { t.points.setCell(2, 1, "0,5"); },
         {"Bod kabelu nesmí ležet mimo průřez nosníku", Beep::AfterMessage, Field::ParabolaPoints, 2, 1}},
        {TendonType::CompositeParabolic, [](Tables& t) { t.segments.setCell(2, 0, "0"); },
         {"Předpínací síla musí být zadána jako záporná-tlaková!", Beep::AfterMessage, Field::ParabolaSegments, 2, 0}},
        {TendonType::CompositeParabolic, [](Tables& t) { t.segments.setCell(2, 1, ""); },
         {"Zadejte excentricitu kabelu uprostřed 2.úseku!", Beep::AfterMessage, Field::ParabolaSegments, 2, 1}},
        {TendonType::CompositeParabolic, [](Tables& t) { t.segments.setCell(1, 1, "y"); },
         {"Políčko v 2.sloupci a 1.řádku neobsahuje číslo!", Beep::AfterMessage, Field::ParabolaSegments, 1, 1}},
        {TendonType::CompositeParabolic, [](Tables& t) { t.points.setCell(2, 0, "0"); },
         {"Staničení 2.bodu musí být větší než staničení 1.bodu, úsek mezi nimi je parabolický!",
          Beep::AfterMessage, Field::ParabolaPoints, 2, 0}},
        {TendonType::CompositeParabolic, [](Tables& t) { t.divisions = "abc"; },
         {"Počet dělení paraboly musí být celé číslo od 1 do 1000!!!", Beep::BeforeMessage, Field::ParabolaTableDivisions}},
        // Segment 1 from e = 0 down to the bottom fibres with m = 0,25 bulges out.
        {TendonType::CompositeParabolic, [](Tables& t) { t.points.setCell(2, 1, "0,3"); },
         {"Parabola 1.úseku kabelu vybíhá mimo průřez nosníku, kabel musí ležet od e_h = -0,3 do e_d = 0,3 m!",
          Beep::AfterMessage, Field::ParabolaSegments, 1, 1}},
        {TendonType::CompositeParabolic, [](Tables& t) { t.segments.setCell(2, 1, "-0,31"); },
         {"Excentricita uprostřed 2.úseku musí ležet v průřezu, od e_h = -0,3 do e_d = 0,3 m!", Beep::AfterMessage,
          Field::ParabolaSegments, 2, 1}},
        // A straight segment of a combined tendon: a vertical one with force 0 passes,
        // but a positive force does not.
        {TendonType::Combined,
         [](Tables& t) {
             t.points.setCell(2, 0, "0");
             t.segments.setRow(1, {"5", ""});
         },
         {"Předpínací síla musí být zadána jako záporná-tlaková!", Beep::AfterMessage, Field::ParabolaSegments, 1, 0}},
    };
    for (const Case& c : cases) {
        Tables t = good();
        c.spoil(t);
        expectFault(check(c.type, t), c.expected, c.expected.message);
    }
    Tables straight = good();
    straight.points.setCell(2, 0, "0");
    straight.segments.setRow(1, {"0", ""});
    EXPECT_FALSE(check(TendonType::Combined, straight));
}

TEST(ParabolicChecks, PolygonWithinTheLimitAndRunCheckFocusesTheSlot)
{
    // 34 points: 33 parabolic segments of D = 992 give 32737 points, of D = 993 32770.
    Tables t;
    rebuildParabolicTables(t.points, t.segments, "34");
    for (int r = 1; r <= 34; ++r) {
        t.points.setRow(r, {std::to_string((r - 1) / 2) + ((r - 1) % 2 ? ",5" : ""), "0"});
        if (r < 34)
            t.segments.setRow(r, {"-100", "0,1"});
    }
    t.divisions = "992";
    EXPECT_FALSE(check(TendonType::CompositeParabolic, t));
    t.divisions = "993";
    expectFault(check(TendonType::CompositeParabolic, t),
                {"Kabel by po rozdělení parabol měl 32770 bodů, smí jich mít nejvýše 32766!!!", Beep::BeforeMessage,
                 Field::ParabolaTableDivisions},
                "limit");

    Project p;
    p.beam = simpleBeam();
    p.section = section();
    TendonSlot& slot = p.tendons[2];
    slot.shown = true;
    storeParabolicTendon(slot, TendonType::CompositeParabolic,
                         parabolicStoreTable(ParabolicTablesInput{t.points, t.segments, t.divisions}), "993");
    const auto report = checkEnteredParabolicTendons(p, kSep);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->focus, Field::TendonDefinition3);
    EXPECT_EQ(report->message, "Kabel by po rozdělení parabol měl 32770 bodů, smí jich mít nejvýše 32766!!!");
    slot.divisions = "20";
    EXPECT_FALSE(checkEnteredParabolicTendons(p, kSep));
}
