// A large data section is read by two threads, from its start and from its
// first tendon block. Whatever the file holds, the outcome must be that of
// reading line after line: the same project, or the same message naming the
// same line, also where a damage moves or hides the place the second thread
// starts from.

#include "evaluation/evaluation_run.h"
#include "evaluation/parsed_input_cache.h"
#include "model/error.h"
#include "model/numbers.h"
#include "model/slots.h"
#include "results/data_section.h"
#include "results/project_file.h"
#include "results/project_lines.h"
#include "support/sample_project.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace kvor {
namespace {

// The sample project with an influence line long enough for two threads.
const std::string& largeFile()
{
    static const std::string file = [] {
        Project p = testing::sampleProject();
        constexpr int kRows = 6000;
        TextTable line(kRows + 1, 2);
        for (int r = 1; r <= kRows; ++r) {
            line.setCell(r, 0, formatNumber(22.5L * (r - 1) / (kRows - 1), ','));
            line.setCell(r, 1, formatNumber(r % 7 * 0.125L, ','));
        }
        storeInfluenceLine(p.quantities[0], line, EntryMode::Manual, "");
        return encodeProjectFile(p, SaveVariant::WithResults, ',');
    }();
    return file;
}

// The saved project read back as `reading` reads its section, or the message.
std::string readBack(const std::string& file, SectionReading reading)
{
    ProjectFileLines lines(file);
    for (int i = 0; i < 5; ++i)  // the header and the information lines
        lines.next();
    Project project;
    try {
        if (!readDataSection(lines, project, ',', reading))
            return "no section";
    } catch (const Error& e) {
        return e.what();
    }
    return encodeProjectFile(project, SaveVariant::WithResults, ',');
}

std::string replaced(std::string file, const std::string& what, const std::string& by, size_t from = 0)
{
    const size_t at = file.find(what, from);
    return at == std::string::npos ? "not found: " + what : file.replace(at, what.size(), by);
}

const std::string kTendon1 = "\r\n[tendon]\t1\r\n";

struct Damage {
    const char* name;
    std::function<std::string(const std::string&)> apply;
};

// The second thread starts at the first line that reads exactly "[tendon]\t1"
// after a CR LF and before a CR: the line number and what next() gives then,
// or nothing.
TEST(SectionInTwoParts, FindsTheLineItStartsFrom)
{
    struct Case {
        std::string text;
        int linesRead;
        std::optional<std::pair<int, std::string>> found;  // line number, the line after it
    };
    const Case cases[] = {
        {"a\r\n[tendon]\t10\r\n[tendon]\t1\r\nb\r\n", 0, std::pair{3, "b"}},
        {"a\r\n[tendon]\t1\rb\r\n[tendon]\t1\r\n", 0, std::pair{2, "b"}},  // a CR alone ends it too
        {"a\r\n[tendon]\t1\r\nb\r\n[tendon]\t1\r\nc\r\n", 2, std::pair{4, "c"}},
        {"a\r\n[tendon]\t1\r\nb\r\n", 1, std::pair{2, "b"}},  // the very next line
        {"[tendon]\t1\r\na\r\n", 0, std::nullopt},  // no CR LF before the first line
        {"a\n[tendon]\t1\r\n", 0, std::nullopt},    // an LF alone is text
        {"a\r\n[tendon]\t1", 0, std::nullopt},       // no CR after it
        {"a\r\nx[tendon]\t1\r\n", 0, std::nullopt},
        {"a\r\n[tendon]\t1\r\nb\r\n", 2, std::nullopt},  // already read
        {"a\r\n[tendon]\t1\r\n\x1A\r\n[tendon]\t1\r\n", 2, std::nullopt},  // past the end mark
    };
    for (const Case& c : cases) {
        ProjectFileLines lines(c.text);
        for (int i = 0; i < c.linesRead; ++i)
            lines.next();
        std::optional<ProjectFileLines> from = lines.fromLine("[tendon]\t1");
        ASSERT_EQ(from.has_value(), c.found.has_value()) << c.text;
        if (!from)
            continue;
        EXPECT_EQ(from->next(), "[tendon]\t1") << c.text;
        EXPECT_EQ(from->lineNumber(), c.found->first) << c.text;
        EXPECT_EQ(from->next(), c.found->second) << c.text;
    }
}

TEST(SectionInTwoParts, ReadsWhatLineAfterLineReads)
{
    const std::string& file = largeFile();
    ASSERT_GT(file.size(), 64u * 1024);
    const std::string read = readBack(file, SectionReading::TwoParts);
    EXPECT_TRUE(read.starts_with("Vstupn")) << read.substr(0, 200);
    EXPECT_TRUE(read == readBack(file, SectionReading::LineByLine));

    const size_t row = file.find("\r\n11,");  // a row in the middle of the long line
    const size_t rowEnd = file.find('\r', row + 2);
    const Damage damages[] = {
        {"a row of the first part that is no number",
         [&](auto f) { return replaced(f, "\r\n11,", "\r\n11;", row); }},
        {"a row of the first part with three fields", [&](auto f) { return f.insert(rowEnd, "\t0"); }},
        {"the line's count one too many", [](auto f) { return replaced(f, "points\t6000", "points\t6001"); }},
        {"the line's count one too few", [](auto f) { return replaced(f, "points\t6000", "points\t5999"); }},
        {"the first tendon block misnumbered", [](auto f) { return replaced(f, kTendon1, "\r\n[tendon]\t2\r\n"); }},
        {"the first tendon block missing", [](auto f) { return replaced(f, kTendon1, "\r\n"); }},
        {"a tendon header among the line's rows",
         [&](auto f) { return replaced(f, "\r\n11,", kTendon1 + "11,", row); }},
        {"the first tendon block twice",
         [](auto f) { return replaced(f, kTendon1, kTendon1 + "shown\t1\r\n[tendon]\t1\r\n"); }},
        {"a tendon row that is no number", [](auto f) { return replaced(f, "\r\n8\t0,25\t", "\r\n8\t0,2x\t"); }},
        {"a tendon row out of the section", [](auto f) { return replaced(f, "\r\n8\t0,25\t", "\r\n8\t25\t"); }},
        {"a damaged result", [](auto f) { return replaced(f, "tendons\t1\t1", "tendons\t1\t2"); }},
        {"no end", [](auto f) { return replaced(f, "[end]", "[edn]"); }},
        {"cut within the tendons", [](auto f) { return f.substr(0, f.find("[tendon]\t3")); }},
        {"a header line ending with LF alone", [](auto f) { return replaced(f, kTendon1, "\r\n[tendon]\t1\n"); }},
        {"the end of the text before the tendons", [](auto f) { return replaced(f, kTendon1, "\r\n\x1A"); }},
    };
    for (const Damage& d : damages) {
        const std::string damaged = d.apply(file);
        ASSERT_FALSE(damaged.starts_with("not found")) << d.name;
        const std::string message = readBack(damaged, SectionReading::LineByLine);
        EXPECT_TRUE(message.starts_with("Soubor projektu je poškozen na řádku "))
            << d.name << ": " << message.substr(0, 200);
        const std::string inTwoParts = readBack(damaged, SectionReading::TwoParts);
        EXPECT_TRUE(inTwoParts == message) << d.name << ": " << inTwoParts.substr(0, 200);
    }
}

// Reading keeps each checked influence line's numbers for the first run: that
// run gives what a run that reads every number itself gives, values, tables
// and failure, and an edit after reading (or another separator) is not served
// from what reading kept.
TEST(SectionInTwoParts, TheFirstRunAfterReadingIsThatOfARunFromScratch)
{
    struct Edit {
        const char* what;
        void (*apply)(Project&);
        char sep;
        bool keepsLine;  // whether the first line is still served from what reading kept
    };
    const Edit edits[] = {
        {"nothing", [](Project&) {}, ',', true},
        {"line ordinate", [](Project& p) { p.quantities[0].line.setCell(2, 1, "3"); }, ',', false},
        {"line station", [](Project& p) { p.quantities[0].line.setCell(2, 0, "4,5"); }, ',', false},
        {"line rows", [](Project& p) { p.quantities[0].line.setRowCount(3); }, ',', false},
        {"another line", [](Project& p) { p.quantities[1].line.setCell(2, 1, "2"); }, ',', true},
        {"separator", [](Project&) {}, '.', false},
    };
    const auto read = [](const std::string& file, SectionReading reading) {
        ProjectFileLines lines(file);
        for (int i = 0; i < 5; ++i)  // the header and the information lines
            lines.next();
        Project project;
        EXPECT_TRUE(readDataSection(lines, project, ',', reading));
        return project;
    };
    const auto run = [](Project& p, char sep) -> std::string {
        try {
            evaluateProject(p, sep);
        } catch (const Error& e) {
            return e.what();
        }
        return "no error";
    };
    const std::string small = encodeProjectFile(testing::sampleProject(), SaveVariant::InputOnly, ',');
    for (const std::string* file : {&small, &largeFile()})
        for (const SectionReading reading : {SectionReading::TwoParts, SectionReading::LineByLine})
            for (const Edit& edit : edits) {
                const std::string label = std::string(edit.what) + (file == &small ? " small " : " large ") +
                                          (reading == SectionReading::TwoParts ? "in two parts" : "line by line");
                forgetKeptInput();
                Project fresh = read(*file, reading);
                forgetKeptInput();
                edit.apply(fresh);
                const std::string freshError = run(fresh, edit.sep);

                forgetKeptInput();
                Project p = read(*file, reading);
                edit.apply(p);
                EXPECT_EQ(keptLineIndex(0, p.quantities[0].line, edit.sep).has_value(), edit.keepsLine) << label;
                EXPECT_EQ(run(p, edit.sep), freshError) << label;
                EXPECT_EQ(p.results.value, fresh.results.value) << label;
                EXPECT_TRUE(p.results.derivatives == fresh.results.derivatives) << label;
                EXPECT_TRUE(p.results.tendonTables == fresh.results.tendonTables) << label;
            }
}

}  // namespace
}  // namespace kvor
