// kvor-il run as a program: its output, its refusals and exit statuses, and a
// project built from its output evaluated by kvor-calc.

#include "analysis/line_generator.h"
#include "analysis/slot_generation.h"
#include "influence/influence_file.h"
#include "model/numbers.h"
#include "support/program_run.h"
#include "support/project_builders.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kvor::testing {
namespace {

TEST(KvorIl, WritesTheLineAsAnInfluenceLineFile)
{
    const auto run = runIl({"--step", "1", "M", "2", "4"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "0\t0\n1\t0.5\n2\t1\n3\t0.5\n4\t0\n");

    // A decimal comma, the shear's double station, and --ei ignored for V.
    const auto v = runIl({"--step", "2,5", "--ei", "x", "V", "2,5", "5"});
    EXPECT_EQ(v.status, 0);
    EXPECT_EQ(v.out, "0\t0\n2.5\t-0.5\n2.5\t0.5\n5\t0\n");

    // Two spans of 6 m: the moment over the middle support for a load at 3 m
    // is -s(L² - s²)/(4L²) = -0.5625; the reaction at b for the load on it is 1.
    const auto m = runIl({"--step", "3", "M", "6", "6", "6"});
    EXPECT_EQ(m.out, "0\t0\n3\t-0.5625\n6\t0\n9\t-0.5625\n12\t0\n");
    const auto r = runIl({"--step", "3", "R", "6", "6", "6"});
    EXPECT_EQ(r.out, "0\t0\n3\t0.6875\n6\t1\n9\t0.6875\n12\t0\n");

    // L³/(48·EI) at midspan, in metres per kN.
    const auto w = runIl({"--ei", "1e6", "--step", "5", "w", "5", "10"});
    EXPECT_EQ(w.status, 0);
    EXPECT_EQ(w.out, "0\t0\n5\t2.08333333333333E-5\n10\t0\n");
}

TEST(KvorIl, RefusesWhatItCannotGenerate)
{
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"Q", "1", "10"}, "Neznámá veličina „Q“, zadejte M, V, R, w nebo fi!"},
        {{"M", "11", "10"}, "Staničení X musí ležet na nosníku, od 0 do 10 m!"},
        {{"M", "1", "5", "0"}, "Délka 2.pole musí být větší než 0!"},
        {{"M", "1", "5", "1 0"}, "Délka 2.pole „1 0“ není číslo!"},
        {{"M", "x", "5"}, "Staničení X „x“ není číslo!"},
        {{"--step", "-1", "M", "1", "5"}, "Krok musí být větší než 0!"},
        {{"--step", "", "M", "1", "5"}, "Krok „“ není číslo!"},
        {{"R", "1", "5"}, "Reakci lze počítat jen v podpoře, X musí být jedno ze staničení 0, 5!"},
        {{"V", "5.0000000000000001", "5", "5"}, "Posouvající sílu nelze počítat přímo v podpoře, zvolte X mimo podpory!"},
        {{"fi", "1", "5"}, "Pro průhyb a pootočení zadejte ohybovou tuhost EI!"},
        {{"--ei", "0", "w", "1", "5"}, "Ohybová tuhost EI musí být větší než 0!"},
        {{"--step", "0.001", "M", "1", "40"}, "Příčinková čára by měla více než 32750 bodů! Zvolte větší krok."},
        {{"M", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"},
         "Nosník smí mít nejvýše 15 polí!"},
        // Each span a number, their sum beyond the range: no step can help.
        {{"M", "1", "1e4931", "1e4931", "1e4931", "1e4931", "1e4931", "1e4931", "1e4931", "1e4931", "1e4931",
          "1e4931", "1e4931", "1e4931", "1e4931", "1e4931", "1e4931"},
         "Délky polí jsou mimo rozsah čísel, jejich součet nelze spočítat!"},
        // An argument is quoted visibly and cut: control characters as pictures, bytes of no UTF-8 as �.
        {{"M", "\x01\xff\xfe" + std::string(100000, '9') + "x", "5"},
         "Staničení X „␁��" + std::string(57, '9') + "…“ není číslo!"},
    };
    for (const auto& c : cases) {
        const auto run = runIl(c.args);
        EXPECT_EQ(run.status, 1) << c.message;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.message + "\n");
    }
}

TEST(KvorIl, WrongArgumentsShowTheUsage)
{
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--krok", "1", "M", "1", "5"}, {"M", "1"}, {}, {"--step"}, {"M", "1", "5", "--step"}}) {
        const auto run = runIl(args);
        // An option after the operands is an operand: "--step" is no span length.
        const int expected = args.size() == 4 && args[3] == "--step" ? 1 : 2;
        EXPECT_EQ(run.status, expected);
        EXPECT_EQ(run.out, "");
        if (expected == 2) {
            EXPECT_NE(run.err.find("Použití: kvor-il [--step H] [--ei EI] VELIČINA X POLE [POLE ...]\n"), std::string::npos);
        }
    }
    const auto help = runIl({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Příklad"), std::string::npos);

    // An option given twice, as kvor-calc refuses one; a wrong option is shown visibly and cut.
    struct Case {
        std::vector<std::string> args;
        std::string firstLine;
    };
    const std::vector<Case> wrong = {
        {{"--step", "1", "--step", "2", "M", "1", "5"}, "Volba --step je uvedena dvakrát"},
        {{"--ei", "1", "--ei", "1", "w", "1", "5"}, "Volba --ei je uvedena dvakrát"},
        {{"--\xff\xfe" + std::string(100000, 'x'), "M", "1", "5"}, "Neznámá volba --��" + std::string(56, 'x') + "…"},
    };
    for (const Case& c : wrong) {
        const auto run = runIl(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.firstErrLine(), c.firstLine);
    }

    // Help that cannot be written is a failure with a message.
    const auto full = runProgram(KVOR_IL_PATH, {"--help"}, "/dev/full");
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.err, "Nápovědu nelze vypsat na standardní výstup: Disk full\n");
}

// kvor-il's output read as "Načíst" reads a file gives the table "Vygenerovat"
// fills; a simple beam with a straight tendon then gives the midspan moment N·e.
TEST(KvorIl, GeneratedProjectGivesNTimesEAtMidspan)
{
    const auto run = runIl({"M", "6", "12"});
    ASSERT_EQ(run.status, 0);
    LineRequest request;
    request.station = 6;
    request.spans = {12};
    TextTable fromProgram, fromCore;
    readInfluenceText(run.out, fromProgram, ',');
    readInfluenceText(lineFileText(generateLine(request).points), fromCore, ',');
    EXPECT_EQ(fromProgram, fromCore);
    EXPECT_EQ(fromProgram.rowCount(), 122);

    Project p;
    p.beam.length = "12";
    p.section.eBottom = "0,3";
    p.section.eTop = "-0,3";
    QuantitySlot& slot = p.quantities[0];
    slot.shown = true;
    slot.kindText = "Ohybový moment";
    slot.description = "Moment uprostřed";
    storeInfluenceLine(slot, fromProgram, EntryMode::FromFile, "moment.txt");
    storeStraight(p, 0, "0", "12", "0,25", "-2000", ',');
    TempFolder folder;
    const auto calc = runCalc({saveAs(p, folder.path(), "Kvorprj.txt", ',')});
    ASSERT_EQ(calc.status, 0) << calc.err;
    EXPECT_EQ(calc.outLines().at(0), "1\t- Ohybový moment\tMoment uprostřed\t[kNm]\t-500\t###\t###\t###\t###");
}

// A generated line whose beam changed since: evaluated as stored, with one
// warning line on standard error and the exit status of success.
TEST(KvorIl, KvorCalcWarnsOfAGeneratedLineThatNoLongerMatchesTheBeam)
{
    Project p;
    p.beam.length = "12";
    p.section.inertia = "0,0054";
    p.section.eBottom = "0,3";
    p.section.eTop = "-0,3";
    for (int k : {0, 1}) {
        QuantitySlot& slot = p.quantities[static_cast<size_t>(k)];
        slot.shown = true;
        slot.kindText = k == 0 ? "Ohybový moment" : "Průhyb";
        const SlotLine line = generateSlotLine(p, slot.kindText, {"6", "0,5", "30000"}, ',');
        ASSERT_FALSE(line.fault);
        TextTable entry;
        readInfluenceText(line.fileText, entry, ',');
        storeGeneratedLine(slot, entry, line.station, line.parameters);
    }
    storeStraight(p, 0, "0", "12", "0,25", "-2000", ',');
    TempFolder folder;
    const auto fresh = runCalc({saveAs(p, folder.path(), "Kvorprj.txt", ',')});
    EXPECT_EQ(fresh.status, 0);
    EXPECT_EQ(fresh.err, "");
    EXPECT_EQ(fresh.outLines().at(0).substr(fresh.outLines().at(0).rfind("[kNm]")), "[kNm]\t-500\t###\t###\t###\t###");

    p.section.inertia = "0,006";  // the deflection line no longer matches
    const auto stale = runCalc({saveAs(p, folder.path(), "Kvorprj.txt", ',')});
    EXPECT_EQ(stale.status, 0);
    // The moment line still matches the beam; the stale deflection line is
    // differentiated from its stored points instead of exactly, which moves
    // the straight tendon's effect by about (H/L)².
    EXPECT_EQ(stale.outLines().at(0), fresh.outLines().at(0));
    const auto deflection = [](const CalcRun& run) {
        std::string line = run.outLines().at(1);  // slot, caption, comment, unit, tendon 1, …
        for (int field = 0; field < 4; ++field)
            line.erase(0, line.find('\t') + 1);
        return static_cast<double>(toNumber(line.substr(0, line.find('\t')), ','));
    };
    EXPECT_NEAR(deflection(stale), deflection(fresh), 5e-3 * std::fabs(deflection(fresh)));
    EXPECT_EQ(stale.err, "Upozornění: příčinková čára 2. veličiny byla vygenerována z konstrukce, která se od té "
                         "doby změnila; vyhodnocena je uložená tabulka.\n");
}

}  // namespace
}  // namespace kvor::testing
