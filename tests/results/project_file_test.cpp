#include "results/project_file.h"

#include "model/error.h"
#include "results/file_io.h"
#include "support/sample_project.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <iterator>

namespace kvor {
namespace {

namespace fs = std::filesystem;
using testing::filesIn;
using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

const std::string kHeaderBytes = "Vstupn\xED soubor programu Kvor1.1";

Project informationOnly()
{
    Project p;
    p.info.name = "Žluťoučký kůň";
    p.info.description = "";
    p.info.author = "Jiří";
    p.info.createdOn = "8.12.2026";
    return p;
}

TEST(ProjectFile, FirstFiveLinesByteForByte)
{
    const std::string bytes = encodeProjectFile(informationOnly(), SaveVariant::InputOnly, ',');
    const std::string expected = kHeaderBytes + "\r\n"
                                 "\x8Elu\x9Dou\xE8k\xFD k\xF9\xF2\r\n"
                                 "\r\n"
                                 "Ji\xF8\xED\r\n"
                                 "8.12.2026\r\n";
    EXPECT_EQ(bytes.substr(0, expected.size()), expected);
    EXPECT_EQ(bytes.substr(expected.size(), 8), "[data]\t1");
}

TEST(ProjectFile, FileNamesOfTheVariants)
{
    EXPECT_EQ(projectFileName(SaveVariant::InputOnly), "Kvordat.txt");
    EXPECT_EQ(projectFileName(SaveVariant::WithResults), "Kvorprj.txt");
    EXPECT_EQ(projectFileStem(SaveVariant::InputOnly), "Kvordat");
    EXPECT_EQ(projectFileStem(SaveVariant::WithResults), "Kvorprj");
}

TEST(ProjectFile, SavedFilePreviewsAndOpensWithItsCzechTexts)
{
    TempFolder folder;
    Project saved = testing::sampleProject();
    saveProject(saved, SaveVariant::InputOnly, folder.path(), ',');
    EXPECT_TRUE(saved.results.saved);

    const auto preview = previewProjectFile(folder.path(), "Kvordat.txt");
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->name, "Most přes Želivku – č. 3");
    EXPECT_EQ(preview->description, "Předpjatý nosník\tse \\ znaky");
    EXPECT_EQ(preview->author, "Jiří Čermák");

    Project opened;
    opened.info.createdOn = "dnes";
    EXPECT_EQ(openProjectFile(opened, folder.path(), "Kvordat.txt"), OpenOutcome::Opened);
    EXPECT_EQ(opened.info.name, saved.info.name);
    EXPECT_EQ(opened.info.description, saved.info.description);
    EXPECT_EQ(opened.info.author, saved.info.author);
    EXPECT_EQ(opened.info.createdOn, "8. 12. 2026");
    EXPECT_TRUE(opened.info.readOnly);
    // Opening takes the information only.
    EXPECT_EQ(opened.beam.length, "");

    const auto loaded = loadProjectFile(folder.path(), "Kvordat.txt", ',');
    ASSERT_TRUE(loaded);
    testing::expectSameProject(saved, loaded->project, false);
}

TEST(ProjectFile, BothVariantsSideBySideAndASecondSaveReplaces)
{
    TempFolder folder;
    Project p = testing::sampleProject();
    saveProject(p, SaveVariant::InputOnly, folder.path(), ',');
    saveProject(p, SaveVariant::WithResults, folder.path(), ',');
    EXPECT_EQ(filesIn(folder.path()), (std::vector<std::string>{"Kvordat.txt", "Kvorprj.txt"}));
    EXPECT_EQ(readBytes(folder.path() / "Kvorprj.txt").find("[results]") == std::string::npos, false);
    EXPECT_EQ(readBytes(folder.path() / "Kvordat.txt").find("[results]"), std::string::npos);

    p.info.name = "druhý";
    saveProject(p, SaveVariant::InputOnly, folder.path(), ',');
    EXPECT_EQ(previewProjectFile(folder.path(), "Kvordat.txt")->name, "druhý");
    EXPECT_EQ(filesIn(folder.path()).size(), 2u);
}

struct EdgeFile {
    const char* what;
    std::string bytes;
    bool isProjectFile;
    std::array<std::string, 4> info;  // name, description, author, createdOn
};

TEST(ProjectFile, EdgeCasesOfReadingLines)
{
    const std::string h = kHeaderBytes;
    const EdgeFile files[] = {
        {"LF line ends only", h + "\nN\nD\nA\nC\n", false, {}},
        {"header with a trailing blank", h + " \r\nN\r\n", false, {}},
        {"header in other case", "vstupn\xED soubor programu Kvor1.1\r\n", false, {}},
        {"header in UTF-8", "Vstupní soubor programu Kvor1.1\r\n", false, {}},
        {"empty file", "", false, {}},
        {"header only", h + "\r\n", true, {"", "", "", ""}},
        {"header without line end", h, true, {"", "", "", ""}},
        {"shorter than five lines", h + "\r\nN\r\nD", true, {"N", "D", "", ""}},
        {"0x1A ends the text", h + "\r\nN\x1A\r\nD\r\nA\r\n", true, {"N", "", "", ""}},
        {"CR alone ends a line", h + "\rN\rD\rA\rC", true, {"N", "D", "A", "C"}},
        {"LF inside a line is text", h + "\r\nN\nx\r\n\r\nA\r\nC\r\nextra", true, {"N\nx", "", "A", "C"}},
        {"CR CR gives an empty line", h + "\r\r\nD\r\nA\r\nC\r\n", true, {"", "D", "A", "C"}},
        {"long line", h + "\r\n" + std::string(200000, 'x') + "\r\nD\r\n", true,
         {std::string(200000, 'x'), "D", "", ""}},
    };
    TempFolder folder;
    for (const EdgeFile& f : files) {
        writeBytes(folder.path() / "p.txt", f.bytes);
        Project p;
        p.info.createdOn = "dnes";
        const auto preview = previewProjectFile(folder.path(), "p.txt");
        const OpenOutcome outcome = openProjectFile(p, folder.path(), "p.txt");
        if (!f.isProjectFile) {
            EXPECT_FALSE(preview) << f.what;
            EXPECT_EQ(outcome, OpenOutcome::NotAProjectFile) << f.what;
            EXPECT_EQ(p.info.createdOn, "dnes") << f.what;
            EXPECT_FALSE(p.info.readOnly) << f.what;
            continue;
        }
        ASSERT_TRUE(preview) << f.what;
        EXPECT_EQ(preview->name, f.info[0]) << f.what;
        EXPECT_EQ(preview->description, f.info[1]) << f.what;
        EXPECT_EQ(preview->author, f.info[2]) << f.what;
        EXPECT_EQ(outcome, OpenOutcome::Opened) << f.what;
        EXPECT_EQ(p.info.name, f.info[0]) << f.what;
        EXPECT_EQ(p.info.description, f.info[1]) << f.what;
        EXPECT_EQ(p.info.author, f.info[2]) << f.what;
        EXPECT_EQ(p.info.createdOn, f.info[3]) << f.what;
        EXPECT_TRUE(p.info.readOnly) << f.what;
    }
}

TEST(ProjectFile, NoFileChosenAndMissingFile)
{
    TempFolder folder;
    Project p;
    EXPECT_FALSE(previewProjectFile(folder.path(), "*.txt"));
    EXPECT_EQ(openProjectFile(p, folder.path(), "*.txt"), OpenOutcome::NoFileChosen);
    EXPECT_FALSE(loadProjectFile(folder.path(), "*.txt", ','));
    EXPECT_FALSE(p.info.readOnly);
    try {
        openProjectFile(p, folder.path(), "chybí.txt");
        FAIL() << "expected an I/O error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "File not found");
    }
    EXPECT_THROW(previewProjectFile(folder.path(), "chybí.txt"), Error);
    EXPECT_FALSE(p.info.readOnly);
}

TEST(ProjectFile, UnrepresentableCharacterRefusesAndWritesNothing)
{
    struct Case {
        const char* what;
        void (*spoil)(Project&);
        const char* field;
    };
    const Case cases[] = {
        {"project name", [](Project& p) { p.info.name = "Most 漢"; }, "„Jméno projektu“"},
        {"author", [](Project& p) { p.info.author = "Ŵ"; }, "„Autor projektu“"},
        {"tendon table cell", [](Project& p) { p.tendons[1].points.setCell(2, 1, "0,25 √"); },
         "„Tabulka 2. kabelu, řádek 2“"},
        {"quantity description", [](Project& p) { p.quantities[1].description = "ĉ"; },
         "„Název - popis (2. příčinková čára)“"},
        {"invalid UTF-8", [](Project& p) { p.section.area = "\xFF"; }, "„Plocha průřezu A“"},
    };
    TempFolder folder;
    Project former = testing::sampleProject();
    saveProject(former, SaveVariant::WithResults, folder.path(), ',');
    const std::string formerBytes = readBytes(folder.path() / "Kvorprj.txt");
    for (const Case& c : cases) {
        for (SaveVariant variant : {SaveVariant::InputOnly, SaveVariant::WithResults}) {
            Project p = testing::sampleProject();
            c.spoil(p);
            try {
                saveProject(p, variant, folder.path(), ',');
                ADD_FAILURE() << c.what << ": saved";
            } catch (const Error& e) {
                const std::string message = e.what();
                EXPECT_NE(message.find(c.field), std::string::npos) << message;
                EXPECT_NE(message.find("Windows-1250"), std::string::npos) << message;
            }
            EXPECT_FALSE(p.results.saved) << c.what;
        }
        EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"Kvorprj.txt"}) << c.what;
        EXPECT_EQ(readBytes(folder.path() / "Kvorprj.txt"), formerBytes) << c.what;
    }
    // The euro sign and Czech quotes are in the code page.
    Project p = testing::sampleProject();
    p.info.name = "Cena 5 € „A“";
    EXPECT_NO_THROW(saveProject(p, SaveVariant::InputOnly, folder.path(), ','));
}

TEST(ProjectFile, TextsThatWouldBreakTheLinesAreRefused)
{
    for (const char* bad : {"a\r\nb", "a\rb", "a\x1A"}) {
        Project p;
        p.info.description = bad;
        EXPECT_THROW(encodeProjectFile(p, SaveVariant::InputOnly, ','), Error);
    }
    // A lone LF is text to the reader: a project read with one saves again.
    for (const char* text : {"a\nb", "\nb", "a\n", "\n\n"}) {
        Project p;
        p.info.name = text;
        p.info.description = text;
        p.info.author = text;
        p.info.createdOn = text;
        const auto again = decodeProjectFile(encodeProjectFile(p, SaveVariant::InputOnly, ','), ',');
        ASSERT_TRUE(again);
        EXPECT_EQ(again->project.info.name, text);
        EXPECT_EQ(again->project.info.description, text);
        EXPECT_EQ(again->project.info.author, text);
        EXPECT_EQ(again->project.info.createdOn, text);
        EXPECT_TRUE(again->hasDataSection);
    }
    // In the data section line breaks are escaped, but the end mark is refused.
    Project p;
    p.tendons[0].name = "a\r\nb";
    EXPECT_NO_THROW(encodeProjectFile(p, SaveVariant::InputOnly, ','));
    p.tendons[0].name = "a\x1A";
    try {
        encodeProjectFile(p, SaveVariant::InputOnly, ',');
        FAIL() << "expected a refusal";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("„Název (1. kabel)“"), std::string::npos) << e.what();
    }
}

TEST(ProjectFile, SaveIntoReadOnlyFolderLeavesFormerFileWhole)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
    TempFolder folder;
    Project p = testing::sampleProject();
    saveProject(p, SaveVariant::InputOnly, folder.path(), ',');
    const std::string formerBytes = readBytes(folder.path() / "Kvordat.txt");
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    p.info.name = "nový";
    p.results.saved = false;
    try {
        saveProject(p, SaveVariant::InputOnly, folder.path(), ',');
        FAIL() << "expected an I/O error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "File access denied");
    }
    EXPECT_FALSE(p.results.saved);
    EXPECT_EQ(readBytes(folder.path() / "Kvordat.txt"), formerBytes);
}

TEST(ProjectFile, ReadOnlyFormerFileIsNotReplaced)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root may write any file";
    TempFolder folder;
    const fs::path target = folder.path() / "Kvordat.txt";
    writeBytes(target, "chráněný");
    fs::permissions(target, fs::perms::owner_read);
    try {
        replaceFileContents(target, "nový");
        FAIL() << "expected an I/O error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "File access denied");
    }
    EXPECT_EQ(readBytes(target), "chráněný");
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"Kvordat.txt"});
}

// System calls that fail the way a full disk, a lost medium or a locked
// target would; the first write goes half through.
ssize_t halfThenDiskFull(int fd, const void* data, size_t size)
{
    static bool half = false;
    half = !half;
    if (half)
        return ::write(fd, data, size / 2);
    errno = ENOSPC;
    return -1;
}
int fsyncFails(int) { errno = EIO; return -1; }
int renameDenied(const char*, const char*) { errno = EACCES; return -1; }

TEST(ProjectFile, FailedReplaceRemovesTheTemporaryFileAndKeepsTheFormerOne)
{
    struct Case {
        const char* what;
        FileCalls calls;
        const char* message;
    };
    FileCalls sys = systemFileCalls();
    const Case cases[] = {
        {"disk full", {&halfThenDiskFull, sys.fsync, sys.rename}, "Disk full"},
        {"flush fails", {sys.write, &fsyncFails, sys.rename}, "I/O error 5"},
        {"rename denied", {sys.write, sys.fsync, &renameDenied}, "File access denied"},
    };
    TempFolder folder;
    const fs::path target = folder.path() / "Kvordat.txt";
    writeBytes(target, "former content");
    for (const Case& c : cases) {
        try {
            replaceFileContents(target, std::string(100000, 'x'), c.calls);
            ADD_FAILURE() << c.what << ": no failure";
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), c.message) << c.what;
        }
        EXPECT_EQ(readBytes(target), "former content") << c.what;
        EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"Kvordat.txt"}) << c.what;
    }
    replaceFileContents(target, "new");
    EXPECT_EQ(readBytes(target), "new");
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"Kvordat.txt"});
}

TEST(ProjectFile, SaveOverADirectoryFailsCleanly)
{
    TempFolder folder;
    fs::create_directory(folder.path() / "Kvorprj.txt");
    Project p = testing::sampleProject();
    EXPECT_THROW(saveProject(p, SaveVariant::WithResults, folder.path(), ','), Error);
    EXPECT_FALSE(p.results.saved);
    EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"Kvorprj.txt"});
    EXPECT_TRUE(fs::is_directory(folder.path() / "Kvorprj.txt"));
}

TEST(ProjectFile, KeepsTheModeOfTheFormerFile)
{
    TempFolder folder;
    const fs::path target = folder.path() / "Kvordat.txt";
    writeBytes(target, "x");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    replaceFileContents(target, "y");
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
}  // namespace kvor
