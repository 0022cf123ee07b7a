// kvor-calc on parabolic tendons: byte for byte what the polygon typed in as a
// broken tendon gives, and the checks of the dialog before the first quantity.

#include "support/program_run.h"
#include "support/project_builders.h"

#include "tendons/parabolic_polygon.h"
#include "tendons/parabolic_store.h"

#include <gtest/gtest.h>

namespace kvor::testing {
namespace {

struct Row {
    const char *x, *e, *n, *m;
};

// A simple beam of 20 m with the midspan-moment line in slot 1 and the
// reaction at the start in slot 2.
Project beam(char sep)
{
    Project p;
    p.beam.length = "20";
    p.section.eBottom = typed("0,4", sep);
    p.section.eTop = typed("-0,4", sep);
    storeLine(p, 0, "Ohybový moment", "uprostřed", {{"0", "0"}, {"10", "5"}, {"20", "0"}}, sep);
    storeLine(p, 1, "Reakce", "a", {{"0", "1"}, {"7,5", "0,625"}, {"20", "0"}}, sep);
    return p;
}

void storeParabola(Project& p, TendonType type, const char* divisions, std::initializer_list<Row> rows, char sep)
{
    TextTable store(static_cast<int>(rows.size()) + 1, 4);
    int r = 1;
    for (const Row& row : rows)
        store.setRow(r++, {typed(row.x, sep), typed(row.e, sep), typed(row.n, sep), typed(row.m, sep)});
    TendonSlot& slot = p.tendons[0];
    slot.shown = true;
    slot.typeText = kTendonTypeLabels[static_cast<size_t>(type)];
    storeParabolicTendon(slot, type, std::move(store), divisions);
}

// The same project with tendon 1 replaced by its polygon as a broken tendon.
Project asBroken(const Project& parabolic, char sep)
{
    Project p = parabolic;
    TendonSlot& slot = p.tendons[0];
    slot.points = parabolicPolygon(parabolic.tendons[0], sep);
    slot.type = TendonType::Broken;
    slot.typeText = kTendonTypeLabels[1];
    slot.divisions.clear();
    return p;
}

}  // namespace

TEST(CalcParabolic, GivesExactlyWhatItsPolygonGivesAsABrokenTendon)
{
    struct Case {
        TendonType type;
        const char* divisions;
        std::initializer_list<Row> rows;
    };
    const Case cases[] = {
        {TendonType::SimpleParabolic, "1", {{"1", "0,1", "-900", "0,35"}, {"19", "-0,1", "-900", ""}}},
        {TendonType::SimpleParabolic, "20", {{"0", "0", "-900", "0,3"}, {"20", "0", "-900", ""}}},
        {TendonType::CompositeParabolic,
         "9",
         {{"0", "0", "-1000", "0,3"}, {"12", "-0,1", "-950", "0,2"}, {"20", "0,1", "-950", ""}}},
        {TendonType::Combined,
         "15",
         {{"0", "0", "-1000", ""}, {"4", "0,3", "-1000", "0,35"}, {"16", "0,3", "-800", ""}, {"20", "0", "-800", ""}}},
    };
    TempFolder folder;
    for (char sep : {',', '.'}) {
        for (const Case& c : cases) {
            Project p = beam(sep);
            storeParabola(p, c.type, c.divisions, c.rows, sep);
            const CalcRun parabolic = runCalc({"--tables", saveAs(p, folder.path(), "parabola.txt", sep)});
            const CalcRun broken = runCalc({"--tables", saveAs(asBroken(p, sep), folder.path(), "polygon.txt", sep)});
            EXPECT_EQ(parabolic.status, 0) << parabolic.err;
            EXPECT_EQ(parabolic.out, broken.out);
            EXPECT_NE(parabolic.out.find("[kabel]\t2\t1\n"), std::string::npos);
        }
    }
}

TEST(CalcParabolic, AFaultOfTheDefinitionEndsTheRunWithItsMessage)
{
    TempFolder folder;
    Project p = beam(',');
    // From e = 0 down to the bottom fibres with m = 0,35 the parabola bulges below them.
    storeParabola(p, TendonType::CompositeParabolic, "20",
                  {{"0", "0", "-1000", "0,35"}, {"10", "0,4", "-1000", "0,3"}, {"20", "0", "-1000", ""}}, ',');
    const CalcRun run = runCalc({saveAs(p, folder.path(), "bulge.txt", ',')});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    // The reader judges the definition as the dialog would, and names the line of the segment's row.
    EXPECT_EQ(run.firstErrLine(), "Soubor projektu je poškozen na řádku 142: Parabola 1.úseku kabelu vybíhá mimo "
                                  "průřez nosníku, kabel musí ležet od e_h = -0,4 do e_d = 0,4 m!");

    p.tendons[0].divisions = "0";
    EXPECT_EQ(runCalc({saveAs(p, folder.path(), "d.txt", ',')}).firstErrLine(),
              "Soubor projektu je poškozen na řádku 140: Počet dělení paraboly musí být celé číslo od 1 do 1000!!!");
}

}  // namespace kvor::testing
