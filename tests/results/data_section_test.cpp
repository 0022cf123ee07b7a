#include "results/project_file.h"

#include "model/error.h"
#include "support/file_lines.h"
#include "support/sample_project.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvor {
namespace {

using testing::expectSameProject;
using testing::fileLines;
using testing::joinLines;
using testing::lineNumberOf;
using testing::sampleProject;

// Replaces the first line `text` after the line `header` by `replacement`;
// returns its number.
int replaceAfter(std::vector<std::string>& lines, const std::string& header, const std::string& text,
                 const std::string& replacement)
{
    const int n = lineNumberOf(lines, text, lineNumberOf(lines, header));
    lines[static_cast<size_t>(n - 1)] = replacement;
    return n;
}

TEST(DataSection, RoundTripOfTheInput)
{
    const Project saved = sampleProject();
    const std::string bytes = encodeProjectFile(saved, SaveVariant::InputOnly, ',');
    const auto loaded = decodeProjectFile(bytes, ',');
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->hasDataSection);
    expectSameProject(saved, loaded->project, false);
    EXPECT_TRUE(loaded->project.info.readOnly);
    // Without the results block the result window starts afresh.
    EXPECT_EQ(loaded->project.results.block[0], BlockState::Initial);
    EXPECT_EQ(loaded->project.results.value[0][0], "");
    EXPECT_EQ(bytes.find("[results]"), std::string::npos);
}

TEST(DataSection, RoundTripWithResults)
{
    const Project saved = sampleProject();
    const std::string bytes = encodeProjectFile(saved, SaveVariant::WithResults, ',');
    const auto loaded = decodeProjectFile(bytes, ',');
    ASSERT_TRUE(loaded);
    expectSameProject(saved, loaded->project, true);
}

TEST(DataSection, RoundTripOfAFreshProject)
{
    Project fresh;
    fresh.info.createdOn = "1.1.2027";
    const auto loaded = decodeProjectFile(encodeProjectFile(fresh, SaveVariant::WithResults, ','), ',');
    ASSERT_TRUE(loaded);
    // The unstored tables keep their empty rows and their empty heading row.
    expectSameProject(fresh, loaded->project, false);
    EXPECT_EQ(loaded->project.quantities[0].line.rowCount(), 20);
    EXPECT_EQ(loaded->project.tendons[4].points.rowCount(), 12);
}

TEST(DataSection, EscapesControlCharactersAndWritesCodePage1250)
{
    const std::vector<std::string> lines =
        fileLines(encodeProjectFile(sampleProject(), SaveVariant::InputOnly, ','));
    EXPECT_NE(lineNumberOf(lines, "description\tMoment\\tv poli\\r\\n1 \\\\ st\xF8" "ed"), 0);
    EXPECT_EQ(lines[5], "[data]\t1");
    EXPECT_EQ(lines[6], "separator\t,");
    EXPECT_NE(lineNumberOf(lines, "members\t3"), 0);
    EXPECT_NE(lineNumberOf(lines, "22,5\t"), 0);  // an empty cell is kept as an empty field
    EXPECT_NE(lineNumberOf(lines, "file\tp\xF8\xED\xE8inka.txt"), 0);
    EXPECT_EQ(lines.back(), "[end]");
}

TEST(DataSection, FileWithoutDataSectionIsInformationOnly)
{
    const std::string header = "Vstupn\xED soubor programu Kvor1.1\r\n";
    for (const std::string& rest : {std::string(), std::string("a\r\nb\r\nc\r\nd\r\n"),
                                    std::string("a\r\nb\r\nc\r\nd\r\nvolný text\r\n[beam]\r\n")}) {
        const auto loaded = decodeProjectFile(header + rest, ',');
        ASSERT_TRUE(loaded);
        EXPECT_FALSE(loaded->hasDataSection) << rest;
        Project expected;
        expected.info = loaded->project.info;
        expectSameProject(expected, loaded->project, true);
    }
}

TEST(DataSection, NumberTextsFollowTheSystemSeparator)
{
    Project saved = sampleProject();
    saved.tendons[2].points.setCell(3, 2, "abc,d");  // no number: stays as it is
    const auto loaded = decodeProjectFile(encodeProjectFile(saved, SaveVariant::WithResults, ','), '.');
    ASSERT_TRUE(loaded);
    const Project& p = loaded->project;
    EXPECT_EQ(p.beam.length, "12.5");
    EXPECT_EQ(p.beam.members.cell(2, 1), "12.5");
    EXPECT_EQ(p.section.inertia, "5.4E-3");
    EXPECT_EQ(p.section.eTop, "-0.3");
    EXPECT_EQ(p.quantities[0].line.cell(2, 0), "5.25");
    EXPECT_EQ(p.tendons[1].points.cell(1, 2), "-1200.5");
    EXPECT_EQ(p.tendons[2].points.cell(3, 2), "abc,d");
    EXPECT_EQ(p.results.value[0][1], "-0.25");
    EXPECT_EQ(p.results.value[0][2], "###");
    EXPECT_EQ(p.results.groupSum[0], "1.25");
    // Texts that are not number fields keep their commas.
    EXPECT_EQ(p.info.name, saved.info.name);
    EXPECT_EQ(p.quantities[1].description, "Reakce podpory b");

    // And back: saved with a point, read on a Czech system.
    const auto again = decodeProjectFile(encodeProjectFile(p, SaveVariant::WithResults, '.'), ',');
    ASSERT_TRUE(again);
    EXPECT_EQ(again->project.beam.length, "12,5");
    EXPECT_EQ(again->project.tendons[2].points.cell(3, 2), "abc,d");
}

struct Damage {
    const char* what;
    // Changes the lines of a good file; returns the number of the line the message must name.
    int (*apply)(std::vector<std::string>& lines);
    const char* messagePart;
};

const Damage kDamages[] = {
    {"member count above the rows",
     [](std::vector<std::string>& l) { int n = lineNumberOf(l, "members\t3"); l[n - 1] = "members\t4"; return n; },
     "počet řádků tabulky 4"},
    {"member count below the rows",
     [](std::vector<std::string>& l) { int n = lineNumberOf(l, "members\t3"); l[n - 1] = "members\t2"; return n; },
     "počet řádků tabulky 2"},
    {"quantity count above the rows, the next header taken as a row",
     [](std::vector<std::string>& l) {
         int n = lineNumberOf(l, "points\t3");
         l[n - 1] = "points\t4";
         return n;
     },
     "počet řádků tabulky 4"},
    {"tendon count below the rows",
     [](std::vector<std::string>& l) {
         int n = lineNumberOf(l, "points\t4");
         l[n - 1] = "points\t3";
         return n;
     },
     "počet řádků tabulky 3"},
    {"unknown section",
     [](std::vector<std::string>& l) {
         int n = lineNumberOf(l, "[section]");
         l.insert(l.begin() + n - 1, "[pr\xF9\xF8" "ez]");  // in code page 1250
         return n;
     },
     "neznámá sekce „[průřez]“"},
    {"missing end",
     [](std::vector<std::string>& l) { l.pop_back(); return static_cast<int>(l.size()) + 1; }, "[end]"},
    {"file cut inside a table",
     [](std::vector<std::string>& l) {
         int n = lineNumberOf(l, "points\t4");
         l.resize(static_cast<size_t>(n) + 1);
         return n + 2;
     },
     "soubor končí"},
    {"beam kind out of range",
     [](std::vector<std::string>& l) { int n = lineNumberOf(l, "kind\t1"); l[n - 1] = "kind\t2"; return n; },
     "neplatná hodnota „2“ položky „kind“"},
    {"flag that is no 0 or 1",
     [](std::vector<std::string>& l) {
         int n = lineNumberOf(l, "valuesEditable\t1");
         l[n - 1] = "valuesEditable\tano";
         return n;
     },
     "položky „valuesEditable“"},
    {"entry mode out of range",
     [](std::vector<std::string>& l) { int n = lineNumberOf(l, "mode\t0"); l[n - 1] = "mode\t-2"; return n; },
     "položky „mode“"},
    {"count with a sign",
     [](std::vector<std::string>& l) { int n = lineNumberOf(l, "members\t3"); l[n - 1] = "members\t+3"; return n; },
     "položky „members“"},
    {"unknown escape",
     [](std::vector<std::string>& l) {
         int n = lineNumberOf(l, "description\tReakce podpory b");
         l[n - 1] = "description\tReakce\\x";
         return n;
     },
     "\\"},
    {"dimensions with three values",
     [](std::vector<std::string>& l) {
         int n = lineNumberOf(l, "dimensions\t0,3\t\t0,6\t");
         l[n - 1] = "dimensions\t0,3\t\t0,6";
         return n;
     },
     "má mít 4 hodnoty"},
    {"slots out of order",
     [](std::vector<std::string>& l) { int n = lineNumberOf(l, "[tendon]\t2"); l[n - 1] = "[tendon]\t3"; return n; },
     "očekáváno „[tendon] 2“"},
    {"table row with too few cells",
     [](std::vector<std::string>& l) { int n = lineNumberOf(l, "8\t0,25\t-1190"); l[n - 1] = "8\t0,25"; return n; },
     "3 hodnoty"},
    {"results line of the wrong quantity",
     [](std::vector<std::string>& l) {
         int n = lineNumberOf(l, "[results]") + 2;
         l[n - 1].replace(0, 10, "quantity\t3");
         return n;
     },
     "položky „quantity“"},
    {"unsupported version",
     [](std::vector<std::string>& l) { l[5] = "[data]\t4"; return 6; }, "verze"},
    {"separator that is a digit",
     [](std::vector<std::string>& l) { l[6] = "separator\t5"; return 7; }, "separator"},
    {"separator that is a semicolon",
     [](std::vector<std::string>& l) { l[6] = "separator\t;"; return 7; }, "„;“ položky „separator“"},
    {"separator that is NUL, shown visibly",
     [](std::vector<std::string>& l) { l[6] = std::string("separator\t\0", 11); return 7; },
     "neplatná hodnota „␀“ položky „separator“"},
    {"line quoted whole",
     [](std::vector<std::string>& l) { return replaceAfter(l, "[quantity]\t1", "[quantity]\t2", "[quantity]\t7"); },
     "očekáváno „[quantity] 2“, nalezeno „[quantity]␉7“"},
    {"line ended by LF alone",
     [](std::vector<std::string>& l) { return replaceAfter(l, "[beam]", "[section]", "[section]\ntype\t4"); },
     "řádek končí jen znakem LF místo CR LF"},
    {"count that takes a whole block of the next slot as rows",
     [](std::vector<std::string>& l) {
         return replaceAfter(l, "[quantity]\t5", "points\t19", "points\t27");
     },
     "počet řádků tabulky 27"},
    // Input that the windows would not have stored.
    {"slot 1 hidden",
     [](std::vector<std::string>& l) { return replaceAfter(l, "[quantity]\t1", "shown\t1", "shown\t0"); },
     "1. příčinková čára: první řádek je vždy zobrazen"},
    {"shown row after a hidden one",
     [](std::vector<std::string>& l) { return replaceAfter(l, "[quantity]\t4", "shown\t0", "shown\t1"); },
     "4. příčinková čára: zobrazený řádek nesmí následovat za skrytým"},
    {"hidden slot marked entered",
     [](std::vector<std::string>& l) { return replaceAfter(l, "[quantity]\t3", "status\t0", "status\t1"); },
     "3. příčinková čára: skrytý řádek nemůže být zadán"},
    {"drawn slot not entered",
     [](std::vector<std::string>& l) { return replaceAfter(l, "[tendon]\t3", "draw\t0", "draw\t1"); },
     "3. kabel: kreslit lze jen zadaný řádek"},
    {"entered line without its entry mode",
     [](std::vector<std::string>& l) { return replaceAfter(l, "[quantity]\t1", "mode\t0", "mode\t-1"); },
     "zadaná čára nemá způsob zadání"},
    {"descending stations",
     [](std::vector<std::string>& l) {
         return replaceAfter(l, "[quantity]\t2", "5,25\t1,3125", "23\t1,3125") + 1;  // row 3 falls below it
     },
     "Staničení nesmí být zadáváno sestupně, staničení v 3.řádku je menší než v 2.řádku!"},
    {"a member of 1E-300 leaves the lines beyond the beam",
     [](std::vector<std::string>& l) {
         replaceAfter(l, "[beam]", "1\t10", "1\t1E-300");
         return lineNumberOf(l, "points\t3", lineNumberOf(l, "[quantity]\t1")) + 3;  // the row at fault
     },
     "Staničení v 3.řádku nemůže být větší než celková délka nosníku!"},
    {"member of length 0",
     [](std::vector<std::string>& l) {
         replaceAfter(l, "[beam]", "3\t5", "3\t0");
         return lineNumberOf(l, "members\t3");
     },
     "Políčko v 2.sloupci a 3.řádku musí obsahovat číslo větší než 0!"},
    {"no members",
     [](std::vector<std::string>& l) {
         const int n = replaceAfter(l, "[beam]", "members\t3", "members\t0");
         l.erase(l.begin() + n, l.begin() + n + 3);
         return n;
     },
     "tabulka prutů má mít 2 až 15 prutů"},
    {"straight tendon beyond the beam",
     [](std::vector<std::string>& l) {
         return replaceAfter(l, "[tendon]\t1", "22,5\t0,2\t-1500", "40\t0,2\t-1500");
     },
     "Staničení nemůže být větší než celková délka nosníku!!!"},
    {"positive force",
     [](std::vector<std::string>& l) {
         replaceAfter(l, "[tendon]\t1", "22,5\t0,2\t-1500", "22,5\t0,2\t1500");
         return replaceAfter(l, "[tendon]\t1", "0\t0,2\t-1500", "0\t0,2\t1500");
     },
     "Předpínací síla musí být zadána jako záporná-tlaková!!!"},
    {"straight tendon whose points differ in force",
     [](std::vector<std::string>& l) {
         return replaceAfter(l, "[tendon]\t1", "22,5\t0,2\t-1500", "22,5\t0,2\t-1400");
     },
     "přímý kabel má mít v obou bodech stejnou excentricitu i předpínací sílu"},
    {"broken tendon outside the section",
     [](std::vector<std::string>& l) {
         return replaceAfter(l, "[tendon]\t2", "8\t0,25\t-1190", "8\t0,5\t-1190");
     },
     "Bod kabelu nesmí ležet mimo průřez nosníku"},
    {"broken tendon whose last point has another force",
     [](std::vector<std::string>& l) {
         return replaceAfter(l, "[tendon]\t2", "22,5\t0\t-1180", "22,5\t0\t-1000");
     },
     "poslední bod lomeného kabelu má mít předpínací sílu posledního úseku"},
    // A cell that holds no number: its row's line, its field and row.
    {"broken tendon force that is no number",
     [](std::vector<std::string>& l) { return replaceAfter(l, "[tendon]\t2", "8\t0,25\t-1190", "8\t0,25\t-1190kN"); },
     ": Předpínací síla v 2.řádku neobsahuje číslo!"},
    {"broken tendon eccentricity that is no number",
     [](std::vector<std::string>& l) { return replaceAfter(l, "[tendon]\t2", "14,5\t0,25\t-1180", "14,5\tx\t-1180"); },
     ": Excentricita v 3.řádku neobsahuje číslo!"},
    {"ordinate that is no number",
     [](std::vector<std::string>& l) { return replaceAfter(l, "[quantity]\t2", "5,25\t1,3125", "5,25\tabc"); },
     ": Pořadnice v 2.řádku neobsahuje číslo!"},
    {"station that is no number",
     [](std::vector<std::string>& l) { return replaceAfter(l, "[quantity]\t1", "0\t0", "O\t0"); },
     ": Staničení v 1.řádku neobsahuje číslo!"},
    // What version 2 brought, in a file marked version 1.
    {"station line in a version 1 file",
     [](std::vector<std::string>& l) {
         const int n = lineNumberOf(l, "file\t", lineNumberOf(l, "[quantity]\t1")) + 1;
         l.insert(l.begin() + n - 1, "station\t5");
         return n;
     },
     ": položka „station“ patří až do datové části verze 2, soubor je označen verzí 1"},
    {"type text that names another type",
     [](std::vector<std::string>& l) {
         return replaceAfter(l, "[tendon]\t1", "typeText\tp\xF8\xEDm\xFD kabel", "typeText\tlomen\xFD kabel");
     },
     "1. kabel: typ kabelu neodpovídá uloženému tvaru kabelu"},
    // Version 2 content in this version 1 file: refused at the type, before its D of 0.
    {"parabolic tendon in a version 1 file",
     [](std::vector<std::string>& l) {
         const int n = replaceAfter(l, "[tendon]\t3", "typeText\tlomen\xFD kabel", "typeText\tprost\xFD parabolick\xFD");
         l[static_cast<size_t>(n)] = "status\t1";
         l[static_cast<size_t>(n) + 2] = "type\t2";
         l.insert(l.begin() + n + 3, "divisions\t0");
         l[static_cast<size_t>(n) + 4] = "points\t2";
         l.erase(l.begin() + n + 5, l.begin() + n + 5 + 11);
         l.insert(l.begin() + n + 5, {"0\t0,1\t-1000\t0,2", "20\t0,1\t-1000\t"});
         return n + 3;  // the type line
     },
     ": hodnota „2“ položky „type“ patří až do datové části verze 2, soubor je označen verzí 1"},
};

TEST(DataSection, DamagedSectionNamesTheWrongLineAndLoadsNothing)
{
    const std::vector<std::string> good =
        fileLines(encodeProjectFile(sampleProject(), SaveVariant::WithResults, ','));
    for (const Damage& damage : kDamages) {
        std::vector<std::string> lines = good;
        const int wrongLine = damage.apply(lines);
        Project current = sampleProject();
        current.info.name = "rozpracovaný";
        try {
            // The caller's project changes only through a successful load.
            current = decodeProjectFile(joinLines(lines), ',')->project;
            ADD_FAILURE() << damage.what << ": loaded";
        } catch (const Error& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("na řádku " + std::to_string(wrongLine) + ":"), std::string::npos)
                << damage.what << ": " << message;
            EXPECT_NE(message.find(damage.messagePart), std::string::npos) << damage.what << ": " << message;
        }
        EXPECT_EQ(current.info.name, "rozpracovaný") << damage.what;
    }
}

TEST(DataSection, TextAfterTheEndIsIgnored)
{
    std::string bytes = encodeProjectFile(sampleProject(), SaveVariant::InputOnly, ',');
    bytes += "cokoli\r\n[beam]\r\n";
    const auto loaded = decodeProjectFile(bytes, ',');
    ASSERT_TRUE(loaded);
    expectSameProject(sampleProject(), loaded->project, false);
}

}  // namespace
}  // namespace kvor
