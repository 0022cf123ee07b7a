// kvor-calc --check: the stress check of each checked section after the
// other tables, a failing section still a result (status 0).

#include "support/program_run.h"
#include "support/project_builders.h"

#include <gtest/gtest.h>

namespace kvor::testing {
namespace {

// P = −2000 kN at e = 0,3 m, g0 = 10 kN/m, C30/37: the top fibre's 0,9375 MPa
// of tension passes at transfer and in the characteristic rows (f_ctm = 2,9)
// and fails in the quasi-permanent ones (limit 0).
TEST(CalcCheck, PrintsTheRowsWithTheSeparatorOfTheFile)
{
    for (const char sep : {',', '.'}) {
        Project p = stressCheckBeam(sep);
        storeStraight(p, 0, "0", "10", "0,3", "-2000", sep);
        setLoads(p, "10", "", "", {}, sep);
        p.check = CheckInput{"30", typed("2,9", sep), "", "", ""};
        TempFolder folder;
        const CalcRun run = runCalc({"--check", saveAs(p, folder.path(), "Kvordat.txt", sep)});
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::string> lines = run.outLines();
        ASSERT_EQ(lines.size(), 12u) << run.out;
        EXPECT_EQ(lines[5], "[posouzení]\t1\t5");
        EXPECT_EQ(lines[6], "kombinace\tMext [kNm]\tP [kN]\tMp [kNm]\tσ_h [MPa]\tσ_d [MPa]\tσ_min [MPa]\tσ_max [MPa]"
                            "\tvýsledek");
        const std::string rest = typed("\t125\t-2000\t-600\t0,9375\t-10,9375", sep);
        EXPECT_EQ(lines[7], "po předpětí" + rest + typed("\t-18\t2,9\tvyhovuje", sep));
        EXPECT_EQ(lines[8], "charakteristická max" + rest + typed("\t-18\t2,9\tvyhovuje", sep));
        EXPECT_EQ(lines[9], "charakteristická min" + rest + typed("\t-18\t2,9\tvyhovuje", sep));
        EXPECT_EQ(lines[10], "kvazistálá max" + rest + typed("\t-13,5\t0\tnevyhovuje", sep));
        EXPECT_EQ(lines[11], "kvazistálá min" + rest + typed("\t-13,5\t0\tnevyhovuje", sep));
    }
}

TEST(CalcCheck, MissingInputsAreOneLineAndBadInputEndsTheRun)
{
    Project p = stressCheckBeam(',');
    storeStraight(p, 0, "0", "10", "0,3", "-2000", ',');
    TempFolder folder;
    const CalcRun missing = runCalc({"--check", saveAs(p, folder.path(), "Kvordat.txt", ',')});
    ASSERT_EQ(missing.status, 0) << missing.err;
    EXPECT_EQ(missing.outLines().back(), "[posouzení]\tPro posouzení napětí chybí zatížení; pevnosti betonu f_ck a "
                                         "f_ctm.");

    p.check.psi2 = "0,5";
    const std::string file = saveAs(p, folder.path(), "Kvordat.txt", ',');
    std::string bytes = readBytes(file);
    bytes.replace(bytes.find("psi2\t0,5"), 8, "psi2\t2");
    writeBytes(file, bytes);
    const CalcRun bad = runCalc({"--check", file});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_NE(bad.firstErrLine().find("Součinitel ψ2 proměnného zatížení musí být číslo od 0 do 1!"),
              std::string::npos) << bad.err;
    EXPECT_EQ(runCalc({"--check", "--check", file}).status, 2);
}

}  // namespace
}  // namespace kvor::testing
