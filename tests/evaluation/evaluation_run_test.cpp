#include "evaluation/derivative_table.h"
#include "evaluation/evaluation_run.h"
#include "evaluation/parsed_input_cache.h"
#include "evaluation/station_lookup.h"
#include "evaluation/tendon_effect.h"
#include "evaluation_fixtures.h"
#include "model/error.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "tendons/tendon_store.h"

#include <gtest/gtest.h>

#include <optional>

using namespace kvor;
using kvor::testing::stationTable;
using kvor::testing::triangleLine;

namespace {

void enterQuantity(Project& p, int q, const TextTable& line, const char* kind = "Ohybový moment",
                   const char* description = "")
{
    QuantitySlot& slot = p.quantities[static_cast<size_t>(q)];
    slot.shown = true;
    slot.kindText = kind;
    slot.description = description;
    storeInfluenceLine(slot, line, EntryMode::Manual, "");
}

void enterStraight(Project& p, int t, const char* s1, const char* s2, const char* e, const char* n)
{
    TendonSlot& slot = p.tendons[static_cast<size_t>(t)];
    slot.shown = true;
    ASSERT_FALSE(storeTendon(slot, StraightTendonInput{s1, s2, e, n}));
}

void enterBroken(Project& p, int t, std::initializer_list<std::pair<const char*, const char*>> pts,
                 std::initializer_list<const char*> forces)
{
    TextTable points(static_cast<int>(pts.size()) + 1, 2), segmentForces(static_cast<int>(pts.size()), 1);
    int r = 1;
    for (const auto& [s, e] : pts)
        points.setRow(r++, {s, e});
    r = 1;
    for (const char* f : forces)
        segmentForces.setCell(r++, 0, f);
    TendonSlot& slot = p.tendons[static_cast<size_t>(t)];
    slot.shown = true;
    ASSERT_FALSE(storeTendon(slot, BrokenTendonInput{points, segmentForces}));
}

std::string runError(Project& p, TendonTables tables = TendonTables::Formed, char sep = ',')
{
    try {
        evaluateProject(p, sep, tables);
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

TEST(EvaluationPreconditions, TendonsAreAskedForFirst)
{
    Project p;
    const Report tendons{"Zadejte typ a tvar předpínacích kabelů", Beep::AfterMessage, Field::TendonDefinition1, std::nullopt};
    EXPECT_EQ(checkEvaluationPreconditions(p), tendons);

    enterQuantity(p, 0, triangleLine());
    EXPECT_EQ(checkEvaluationPreconditions(p), tendons);
}

TEST(EvaluationPreconditions, ThenInfluenceLinesWithTheirPage)
{
    Project p;
    enterStraight(p, 0, "0", "10", "0,2", "-1000");
    const auto report = checkEvaluationPreconditions(p);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->message, "Zadejte průběhy příčinkových čar");
    EXPECT_EQ(report->beep, Beep::AfterMessage);
    EXPECT_EQ(report->focus, Field::QuantityLine1);
    EXPECT_EQ(report->page, Page::InfluenceLines);

    enterQuantity(p, 3, triangleLine());
    p.quantities[3].shown = true;
    EXPECT_FALSE(checkEvaluationPreconditions(p));
}

TEST(EvaluationPreconditions, AHiddenRowCountsAsNotEntered)
{
    Project p;
    enterStraight(p, 1, "0", "10", "0,2", "-1000");
    enterQuantity(p, 0, triangleLine());
    p.tendons[1].shown = false;  // status still Entered, row not shown
    EXPECT_EQ(checkEvaluationPreconditions(p)->focus, Field::TendonDefinition1);
}

TEST(EvaluationRun, FillsValuesMarksAndCaptions)
{
    Project p;
    enterQuantity(p, 1, triangleLine(), "Reakce", "podpora A");
    enterStraight(p, 0, "0", "10", "0,2", "-1000");
    enterBroken(p, 2, {{"2", "0,1"}, {"5", "0,5"}, {"8", "0,1"}}, {"-1000", "-1000"});
    p.tendons[1].shown = true;  // shown, never stored
    p.results.group = {true, true, true, true, true};
    p.results.value[0][0] = "old";

    evaluateProject(p, ',');
    const EvaluationResult& r = p.results;

    EXPECT_EQ(r.block[0], BlockState::NotEvaluated);
    EXPECT_EQ(r.caption[0], "");
    EXPECT_EQ(r.comment[0], "");
    EXPECT_EQ(r.value[0][0], "old");  // hidden, kept as it was

    EXPECT_EQ(r.block[1], BlockState::Evaluated);
    EXPECT_TRUE(r.evaluated(1));
    EXPECT_EQ(r.caption[1], "- Reakce");
    EXPECT_EQ(r.comment[1], "podpora A");
    EXPECT_EQ(r.unit[1], "[kN]");
    EXPECT_EQ(r.value[1][0], "-200");
    EXPECT_EQ(r.value[1][1], "###");
    EXPECT_EQ(r.value[1][2], "-455,964834314012");
    EXPECT_EQ(r.value[1][3], "###");
    EXPECT_EQ(r.value[1][4], "###");

    EXPECT_EQ(r.selectable, (std::array<bool, 5>{true, false, true, false, false}));
    EXPECT_EQ(r.group, (std::array<bool, 5>{}));
    // Only a straight tendon marks its column of tendon tables.
    EXPECT_EQ(r.tendonTableType, (std::array<int, 5>{0, -1, -1, -1, -1}));

    EXPECT_EQ(r.derivatives[1].cell(1, 1), "0,5");
    EXPECT_EQ(r.tendonTables[1][2].rowCount(), 4);
    EXPECT_EQ(r.tendonTables[1][2].cell(2, 4), "-264,327440182036");
    EXPECT_EQ(r.tendonTables[0][0].rowCount(), 5);  // quantity 1 was not evaluated
}

TEST(EvaluationRun, UnitFollowsTheKindText)
{
    struct Case {
        const char* kind;
        const char* unit;
    };
    for (const Case& c : {Case{"", "[-]"}, Case{"Ohybový moment", "[kNm]"}, Case{"Posouvající síla", "[kN]"},
                          Case{"Reakce", "[kN]"}, Case{"Průhyb", "[m]"}, Case{"Pootočení", "[rad]"},
                          Case{"moment", "[rad]"}, Case{"Reakce ", "[rad]"}}) {
        Project p;
        p.results.unit[0] = "[rad]";
        enterQuantity(p, 0, triangleLine(), c.kind);
        enterStraight(p, 0, "0", "10", "0,2", "-1000");
        evaluateProject(p, ',');
        EXPECT_EQ(p.results.unit[0], c.unit) << '"' << c.kind << '"';
        EXPECT_EQ(p.results.caption[0], std::string("- ") + c.kind);
    }
}

TEST(EvaluationRun, FiveByFiveFillsEveryTableAndCell)
{
    Project p;
    for (int q = 0; q < 5; ++q) {
        // Line q peaks at 1 + q at mid-span.
        const std::string peak = std::to_string(1 + q);
        enterQuantity(p, q, stationTable({{"0", "0"}, {"5", peak}, {"10", "0"}}));
    }
    for (int t = 0; t < 5; ++t) {
        const std::string force = "-" + std::to_string(100 * (t + 1));
        enterStraight(p, t, "0", "10", "0,1", force.c_str());
    }
    evaluateProject(p, ',');
    for (int q = 0; q < 5; ++q)
        for (int t = 0; t < 5; ++t) {
            // N·e·(d(0) - d(10)) with d = ±peak/5.
            const long double expected = -100.0L * (t + 1) * 0.1L * 2 * (1 + q) / 5;
            EXPECT_NEAR(static_cast<double>(toNumber(p.results.value[q][t], ',')), static_cast<double>(expected), 1e-9)
                << q << ',' << t;
            EXPECT_EQ(p.results.tendonTables[q][t].rowCount(), 3);
        }
    // The result field Edit17 shows quantity 4, tendon 2.
    EXPECT_EQ(p.results.value[3][1], "-32");
}

TEST(EvaluationRun, AFailureKeepsWhatWasWrittenBeforeIt)
{
    Project p;
    enterQuantity(p, 0, triangleLine(), "Průhyb", "first");
    enterQuantity(p, 1, stationTable({{"0", "0"}, {"5", "1"}, {"7", "0"}}), "Reakce", "second");
    enterStraight(p, 0, "0", "6", "0,2", "-1000");
    enterBroken(p, 1, {{"2", "0"}, {"9", "0,1"}}, {"-500"});  // past the last station of quantity 2
    enterStraight(p, 2, "1", "4", "0,1", "-100");
    p.results.value[1][2] = "before";
    p.results.selectable = {false, false, false, false, false};

    EXPECT_EQ(runError(p), "'' is not a valid floating point value");
    const EvaluationResult& r = p.results;
    EXPECT_EQ(r.block[0], BlockState::Evaluated);
    EXPECT_EQ(r.unit[0], "[m]");
    EXPECT_NE(r.value[0][1], "");
    // Quantity 2 stopped at tendon 2: tendon 1 is done, tendon 3 untouched, no caption yet.
    EXPECT_EQ(r.block[1], BlockState::Initial);
    EXPECT_EQ(r.caption[1], "- posouvající síla");
    EXPECT_NE(r.value[1][0], "");
    EXPECT_EQ(r.value[1][2], "before");
    EXPECT_EQ(r.block[2], BlockState::Initial);
    EXPECT_EQ(r.derivatives[1].cell(3, 1), "-0,5");
}

TEST(EvaluationRun, AnEqualStationAtTheStartOfALineEndsTheRun)
{
    Project p;
    enterQuantity(p, 0, stationTable({{"0", "0"}, {"0", "1"}, {"10", "0"}}));
    enterStraight(p, 0, "0", "10", "0,2", "-1000");
    EXPECT_EQ(runError(p), "Floating point division by zero");
    EXPECT_EQ(p.results.value[0][0], "");
}

TEST(EvaluationRun, AnEnteredTendonOfAnotherTypeKeepsItsValue)
{
    Project p;
    enterQuantity(p, 0, triangleLine());
    enterStraight(p, 0, "0", "10", "0,2", "-1000");
    p.tendons[0].type = TendonType::None;  // entered without a type: only a damaged file gives that
    p.results.value[0][0] = "12";
    evaluateProject(p, ',');
    EXPECT_EQ(p.results.value[0][0], "12");
    EXPECT_TRUE(p.results.selectable[0]);
    EXPECT_EQ(p.results.tendonTables[0][0].rowCount(), 5);
}

// A run for the values alone gives the values and the failure of a full run,
// also where tendons at the same stations share their lookups.
TEST(EvaluationRun, AValuesOnlyRunGivesTheSameValuesAndFailure)
{
    Project ok;
    enterQuantity(ok, 0, triangleLine());
    enterQuantity(ok, 1, stationTable({{"0", "0"}, {"4", "1"}, {"10", "0"}}));
    enterBroken(ok, 0, {{"2", "0"}, {"5", "0,5"}, {"8", "0"}}, {"-1000", "-1000"});
    enterStraight(ok, 1, "0", "10", "0,2", "-1000");
    enterBroken(ok, 2, {{"1", "0"}, {"3", "0,2"}, {"6", "0"}}, {"-800", "-800"});
    Project failing = ok;
    enterQuantity(failing, 2, stationTable({{"0", "0"}, {"5", "1"}}));  // tendons 1 and 3 run past its end
    Project shared = ok;
    enterBroken(shared, 3, {{"2", "0,1"}, {"5", "0,3"}, {"8", "0"}}, {"-900", "-700"});  // tendon 1's stations
    enterBroken(shared, 4, {{"1", "0"}, {"3", "0,1"}, {"6,5", "0"}}, {"-600", "-600"});  // all but one of tendon 3's
    Project sharedFailing = shared;
    enterQuantity(sharedFailing, 2, stationTable({{"0", "0"}, {"5", "1"}}));
    Project sharedOverflowing = shared;  // tendon 4's V·η overflows on quantity 4, tendon 1's does not
    enterQuantity(sharedOverflowing, 3, stationTable({{"0", "0"}, {"4", "1E4500"}, {"10", "0"}}));
    enterBroken(sharedOverflowing, 3, {{"2", "0,1"}, {"5", "0,3"}, {"8", "0"}}, {"-1E500", "-1E500"});
    for (const Project* p : {&ok, &failing, &shared, &sharedFailing, &sharedOverflowing}) {
        Project formed = *p, skipped = *p;
        const std::string error = runError(formed);
        EXPECT_EQ(error == "no error", p == &ok || p == &shared) << error;
        EXPECT_EQ(runError(skipped, TendonTables::Skipped), error);
        EXPECT_EQ(skipped.results.value, formed.results.value);
        EXPECT_EQ(skipped.results.derivatives, formed.results.derivatives);
        EXPECT_EQ(skipped.results.tendonTables, p->results.tendonTables) << "a skipped run leaves the tables";
    }
}

TEST(EvaluationRun, ARepeatedRunGivesTheSameResult)
{
    Project p;
    enterQuantity(p, 0, triangleLine());
    enterBroken(p, 0, {{"2", "0"}, {"5", "0,5"}, {"8", "0"}}, {"-1000", "-1000"});
    evaluateProject(p, ',');
    const EvaluationResult first = p.results;
    evaluateProject(p, ',');
    EXPECT_EQ(p.results.value, first.value);
    EXPECT_EQ(p.results.tendonTables, first.tendonTables);
    EXPECT_EQ(p.results.value[0][0], "-493,196961916073");
}

}  // namespace

namespace {

// The pairs are computed on several threads; whatever fails first there, the
// project is left as a run in slot order leaves it.
TEST(EvaluationRun, AFailureLeavesWhatARunInSlotOrderLeaves)
{
    Project p;
    const TextTable shortLine = stationTable({{"0", "0"}, {"5", "1"}, {"7", "0"}});
    enterQuantity(p, 0, triangleLine());
    enterQuantity(p, 1, shortLine);                                           // tendon 3 runs past its end
    enterQuantity(p, 2, triangleLine());
    enterQuantity(p, 3, stationTable({{"0", "0"}, {"0", "1"}, {"10", "0"}}));  // its slopes divide by zero
    enterQuantity(p, 4, stationTable({{"0", "0"}, {"5", "1"}}));               // tendon 1 runs past its end
    enterStraight(p, 0, "0", "6", "0,2", "-1000");
    enterBroken(p, 1, {{"1", "0"}, {"3", "0,2"}, {"6", "0"}}, {"-800", "-800"});
    enterBroken(p, 2, {{"2", "0"}, {"5", "0,3"}, {"9", "0,1"}}, {"-500", "-450"});
    enterStraight(p, 3, "1", "4", "0,1", "-100");
    enterBroken(p, 4, {{"0", "0,1"}, {"6", "0,2"}}, {"-300"});
    TextTable marker(4, 9);
    marker.setCell(1, 1, "before");
    for (size_t q = 0; q < kSlotCount; ++q) {
        p.results.derivatives[q] = marker;
        for (size_t t = 0; t < kSlotCount; ++t) {
            p.results.value[q][t] = "before";
            p.results.tendonTables[q][t] = marker;
        }
    }

    // The failing pair's table as a run in slot order leaves it: the tendon's
    // loads formed on quantity 1, then quantity 2 stops at the end of its line.
    TextTable expected = marker;
    {
        TextTable slopes1, slopes2, first;
        buildDerivativeTable(triangleLine(), slopes1, ',');
        buildDerivativeTable(shortLine, slopes2, ',');
        const TextTable triangle = triangleLine();
        TendonLoads loads;
        ASSERT_TRUE(tendonEffect(TendonType::Broken, p.tendons[2].points, StationIndex(triangle, ','),
                                 StationIndex(slopes1, ','), first, ',', loads));
        EXPECT_THROW(tendonEffect(TendonType::Broken, p.tendons[2].points, StationIndex(shortLine, ','),
                                  StationIndex(slopes2, ','), expected, ',', loads),
                     Error);
    }

    for (int attempt = 0; attempt < 10; ++attempt) {
        Project run = p;
        EXPECT_EQ(runError(run), "'' is not a valid floating point value");
        const EvaluationResult& r = run.results;
        EXPECT_EQ(r.block[0], BlockState::Evaluated);
        for (size_t t = 0; t < kSlotCount; ++t)
            EXPECT_NE(r.value[0][t], "before") << t;
        EXPECT_NE(r.value[1][0], "before");
        EXPECT_NE(r.value[1][1], "before");
        EXPECT_TRUE(r.tendonTables[1][2] == expected);
        EXPECT_EQ(r.block[1], BlockState::Initial);
        EXPECT_EQ(r.derivatives[1].cell(3, 1), "-0,5");
        for (size_t q = 1; q < kSlotCount; ++q)
            for (size_t t = q == 1 ? 2 : 0; t < kSlotCount; ++t) {
                EXPECT_EQ(r.value[q][t], "before") << q << ' ' << t;
                if (q > 1 || t > 2) {
                    EXPECT_TRUE(r.tendonTables[q][t] == marker) << q << ' ' << t;
                }
            }
        for (size_t q = 2; q < kSlotCount; ++q) {
            EXPECT_TRUE(r.derivatives[q] == marker) << q;
            EXPECT_EQ(r.block[q], BlockState::Initial) << q;
        }
    }
}

TEST(EvaluationRun, ATendonsTablesHoldItsStoreAndLoadsOnce)
{
    Project p;
    enterQuantity(p, 0, triangleLine());
    enterQuantity(p, 1, stationTable({{"0", "1"}, {"10", "3"}}));
    enterBroken(p, 0, {{"2", "0"}, {"5", "0,5"}, {"8", "0"}}, {"-1000", "-1000"});
    evaluateProject(p, ',');
    const auto& tables = p.results.tendonTables;
    for (int col : {1, 2, 3})
        EXPECT_TRUE(tables[1][0].sharesColumn(col, p.tendons[0].points, col - 1)) << col;
    for (int col : {0, 4, 5, 6})
        EXPECT_TRUE(tables[1][0].sharesColumn(col, tables[0][0], col)) << col;
    EXPECT_TRUE(p.results.derivatives[0].sharesColumn(0, p.quantities[0].line, 0));
}

}  // namespace

namespace {

// A run keeps the parsed lines and the tendons' loads for the next one (as
// does keepInputForFirstRun, when a project is opened, without a run); after
// any edit of the input (or another separator) a run gives what a run of the
// same texts never evaluated before gives, values, tables and failure.
TEST(EvaluationRun, ARunAfterAnEditReadsTheEditedInput)
{
    struct Edit {
        const char* what;
        void (*apply)(Project&);
        char sep;
    };
    const Edit edits[] = {
        {"nothing", [](Project&) {}, ','},
        {"line ordinate", [](Project& p) { p.quantities[0].line.setCell(2, 1, "3"); }, ','},
        {"line station", [](Project& p) { p.quantities[1].line.setCell(2, 0, "4,5"); }, ','},
        {"line rows", [](Project& p) { p.quantities[0].line.setRowCount(3); }, ','},
        {"quantity's station", [](Project& p) { p.quantities[0].station = "5"; }, ','},
        {"tendon station", [](Project& p) { p.tendons[0].points.setCell(2, 0, "6"); }, ','},
        {"tendon eccentricity", [](Project& p) { p.tendons[2].points.setCell(2, 1, "0,25"); }, ','},
        {"tendon force", [](Project& p) { p.tendons[0].points.setCell(1, 2, "-900"); }, ','},
        {"separator", [](Project&) {}, '.'},
    };
    Project base;
    enterQuantity(base, 0, triangleLine());
    enterQuantity(base, 1, stationTable({{"0", "0"}, {"4", "1"}, {"10", "0"}}));
    enterBroken(base, 0, {{"2", "0"}, {"5", "0,5"}, {"8", "0"}}, {"-1000", "-1000"});
    enterStraight(base, 1, "0", "10", "0,2", "-1000");
    enterBroken(base, 2, {{"1", "0"}, {"3", "0,2"}, {"6", "0"}}, {"-800", "-800"});
    // Before the edit: a run forming or skipping the tables, or no run (nullopt)
    // but what opening a project keeps.
    const std::optional<TendonTables> befores[] = {TendonTables::Skipped, TendonTables::Formed, std::nullopt};
    for (const Edit& edit : edits)
        for (const std::optional<TendonTables> before : befores)
            for (const TendonTables after : {TendonTables::Skipped, TendonTables::Formed}) {
                Project p = base, fresh = base;
                forgetKeptInput();
                if (before)
                    evaluateProject(fresh, ',', *before);
                edit.apply(fresh);
                forgetKeptInput();
                const std::string freshError = runError(fresh, after, edit.sep);
                forgetKeptInput();
                if (before)
                    evaluateProject(p, ',', *before);
                else
                    keepInputForFirstRun(p, ',');
                edit.apply(p);
                const std::string error = runError(p, after, edit.sep);
                const auto label = [&] {
                    const char* first = !before ? " kept on opening"
                                        : *before == TendonTables::Formed ? " formed"
                                                                          : " skipped";
                    return std::string(edit.what) + first +
                           (after == TendonTables::Formed ? " then formed" : " then skipped");
                };
                EXPECT_EQ(error, freshError) << label();
                EXPECT_EQ(p.results.value, fresh.results.value) << label();
                EXPECT_TRUE(p.results.derivatives == fresh.results.derivatives) << label();
                EXPECT_TRUE(p.results.tendonTables == fresh.results.tendonTables) << label();
            }
}

}  // namespace
