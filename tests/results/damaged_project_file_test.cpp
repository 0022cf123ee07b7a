// Project files that are damaged, cut, padded or too long: what the start
// window and kvor-calc get from the reader.

#include "results/project_file.h"

#include "model/error.h"
#include "support/sample_project.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <fstream>

namespace kvor {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using testing::writeBytes;

// Makes the file `size` bytes long without writing the bytes: a hole of zeros.
void extendSparse(const fs::path& file, off_t size)
{
    ASSERT_EQ(::truncate(file.c_str(), size), 0);
}

TEST(DamagedProjectFile, DamagedSectionOpensAsInformationOnlyWithTheReadersMessage)
{
    TempFolder folder;
    std::string bytes = encodeProjectFile(testing::sampleProject(), SaveVariant::WithResults, ',');
    const size_t section = bytes.find("[section]");
    bytes.replace(section, 9, "[prurez]");
    writeBytes(folder.path() / "Kvorprj.txt", bytes);

    const auto loaded = loadProjectFile(folder.path(), "Kvorprj.txt", ',');
    ASSERT_TRUE(loaded);
    EXPECT_FALSE(loaded->hasDataSection);
    EXPECT_EQ(loaded->sectionDamage, "Soubor projektu je poškozen na řádku 16: neznámá sekce „[prurez]“");
    // Nothing of the section is taken: the project is a fresh one with lines 2 to 5.
    Project expected;
    expected.info = testing::sampleProject().info;
    expected.info.readOnly = true;
    testing::expectSameProject(expected, loaded->project, true);
    EXPECT_TRUE(loaded->project.info.readOnly);

    // kvor-calc, which needs the section, still gets the refusal.
    EXPECT_THROW(decodeProjectFile(bytes, ','), Error);
}

TEST(DamagedProjectFile, NothingAfterTheEndMarkIsRead)
{
    TempFolder folder;
    const fs::path file = folder.path() / "Kvordat.txt";
    const std::string project = encodeProjectFile(testing::sampleProject(), SaveVariant::InputOnly, ',');
    writeBytes(file, project + "\x1A");
    extendSparse(file, off_t{3} << 30);  // 3 GB of zeros after the end mark
    EXPECT_EQ(readProjectFileText(file), project);
    const auto loaded = loadProjectFile(folder.path(), "Kvordat.txt", ',');
    ASSERT_TRUE(loaded);
    EXPECT_TRUE(loaded->hasDataSection);
}

TEST(DamagedProjectFile, TextBeyondTheLimitIsRefused)
{
    TempFolder folder;
    const fs::path file = folder.path() / "Kvordat.txt";
    const std::string project = encodeProjectFile(testing::sampleProject(), SaveVariant::InputOnly, ',');
    writeBytes(file, project);
    EXPECT_EQ(readProjectFileText(file, project.size()), project);
    try {
        readProjectFileText(file, project.size() - 1);
        FAIL() << "read";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), projectFileTooLarge(project.size() - 1));
    }
    EXPECT_EQ(projectFileTooLarge(),
              "Soubor projektu je delší než 1073741824 bajtů; delší soubor projektu Kvor1.1 nenačte");
}

TEST(DamagedProjectFile, LineEndsOfLfAloneAreRecognised)
{
    const std::string header = "Vstupn\xED soubor programu Kvor1.1";
    EXPECT_TRUE(hasLfOnlyLineEnds(header + "\nMost\n"));
    EXPECT_FALSE(hasLfOnlyLineEnds(header + "\r\nMost\n"));
    EXPECT_FALSE(hasLfOnlyLineEnds(header + " \nMost\n"));
    EXPECT_FALSE(decodeProjectFile(header + "\nMost\n", ','));
}

}  // namespace
}  // namespace kvor
