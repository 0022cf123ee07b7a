// kvor-calc --forces on a project whose tendons are stressed, and the
// stressing data through the project file (version 3).
#include "evaluation/stale_input.h"
#include "model/error.h"
#include "model/numbers.h"
#include "results/project_file.h"
#include "stressing/stressing_checks.h"
#include "stressing/tendon_stressing.h"
#include "support/program_run.h"
#include "support/project_builders.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kvor::testing {
namespace {

// A simple beam of 20 m, a moment line at midspan, a broken tendon stressed
// from the left (no kink friction along its two level legs: k only).
Project stressedProject()
{
    Project p;
    p.beam.length = "20";
    setRectangleSection(p, "0,4", "1");
    storeLine(p, 0, "Ohybový moment", "", {{"0", "0"}, {"10", "5"}, {"20", "0"}}, ',');
    storeBroken(p, 0, {{"0", "0,2", "-1"}, {"10", "0,2", "-1"}, {"20", "0,2", ""}}, ',');
    TendonSlot& slot = p.tendons[0];
    slot.stressing = defaultStressing(',');
    slot.stressing->jackingForce = "2000";
    slot.stressing->area = "1800";
    slot.stressing->anchorageSet = "0";
    slot.stressing->longTermLoss = "10";
    restressTendon(slot, ',');
    return p;
}

TEST(CalcForces, PrintsEachSegmentsMeanForceAndTheAnchors)
{
    TempFolder folder;
    const auto run = runCalc({"--forces", saveAs(stressedProject(), folder.path(), "Kvorprj.txt", ',')});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = run.outLines();
    ASSERT_EQ(lines.size(), 5u + 5u);  // five quantity lines, then the forces
    EXPECT_EQ(lines[5], "[síly]\t1");
    EXPECT_EQ(lines[6], "úsek\tod [m]\tdo [m]\tP0 [kN]\tP∞ [kN]");
    // P(x) = 2000·e^(−μkx), its mean over [a, b] in closed form; 10 % lost later.
    const long double a = 0.19L * 0.005L;
    const auto mean = [&](long double from, long double to) {
        return 2000 * (std::exp(-a * from) - std::exp(-a * to)) / (a * (to - from));
    };
    EXPECT_EQ(lines[7], "1\t0\t10\t" + formatNumber(mean(0, 10), ',') + "\t" + formatNumber(mean(0, 10) * 0.9L, ','));
    EXPECT_EQ(lines[8].substr(0, 7), "2\t10\t20");
    EXPECT_EQ(lines[9], "kotva\t2000\t");
    EXPECT_EQ(run.err, "");
}

TEST(CalcForces, BadDataNameTheTendonAndNothingIsPrinted)
{
    Project p = stressedProject();
    p.tendons[0].stressing->friction = "-1";
    TempFolder folder;
    // The window would not store it; the file's reader refuses it on its line.
    const auto run = runCalc({"--forces", saveAs(p, folder.path(), "Kvorprj.txt", ',')});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Součinitel tření μ musí být zadán jako číslo, nejméně 0!"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("na řádku"), std::string::npos) << run.err;
}

TEST(CalcForces, StressingDataGoThroughTheFileAsVersionThree)
{
    Project p = stressedProject();
    const std::string bytes = encodeProjectFile(p, SaveVariant::InputOnly, ',');
    EXPECT_NE(bytes.find("[data]\t3\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("stressing\tL\t2000\t0,19\t0,005\t0\t195000\t1800\t10\r\nsteel\t1860\r\n"), std::string::npos);
    const auto loaded = decodeProjectFile(bytes, ',');
    ASSERT_TRUE(loaded && loaded->hasDataSection);
    EXPECT_EQ(loaded->project.tendons[0].stressing, p.tendons[0].stressing);
    EXPECT_FALSE(stressingIsStale(loaded->project.tendons[0], ','));
    // Without stressing data the file stays version 1, as before.
    p.tendons[0].stressing.reset();
    EXPECT_NE(encodeProjectFile(p, SaveVariant::InputOnly, ',').find("[data]\t1\r\n"), std::string::npos);
    // A version-2 marker does not admit the line.
    std::string marked2 = bytes;
    marked2.replace(marked2.find("[data]\t3"), 8, "[data]\t2");
    try {
        decodeProjectFile(marked2, ',');
        ADD_FAILURE() << "accepted";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("patří až do datové části verze 3"), std::string::npos) << e.what();
    }
}

TEST(CalcForces, StaleForcesAreWarnedOfAndAskedAboutOnce)
{
    Project p = stressedProject();
    p.tendons[0].points.setCell(2, 1, "0,3");  // the geometry changed after the forces were computed
    const StaleInput stale = staleInput(p, ',');
    EXPECT_EQ(stale.tendons, std::vector<int>{1});
    EXPECT_EQ(staleInputQuestion(stale), "Síly 1. kabelu neodpovídají údajům o napínání (geometrie nebo síly se od "
                                         "výpočtu sil změnily). Přepočítat a vyhodnotit, vyhodnotit uložené, nebo "
                                         "výpočet zrušit?");
    TempFolder folder;
    const auto run = runCalc({saveAs(p, folder.path(), "Kvorprj.txt", ',')});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "Upozornění: síly 1. kabelu neodpovídají jeho údajům o napínání (geometrie nebo síly se od "
                       "výpočtu sil změnily); vyhodnoceny jsou uložené síly.\n");
    refreshStaleInput(p, stale, ',');
    EXPECT_TRUE(staleInput(p, ',').empty());
}

}  // namespace
}  // namespace kvor::testing
