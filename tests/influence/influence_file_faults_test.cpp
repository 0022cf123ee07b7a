// "Načíst" on a file that changed after it was picked (gone, unreadable) or
// that is far too large: the error is reported and the entry table keeps its
// points; only the headings are rewritten.

#include "influence/influence_file.h"
#include "model/error.h"
#include "support/child_process.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace kvor {
namespace {

namespace fs = std::filesystem;

// The dialog's entry table after an earlier reading: two points.
TextTable readEarlier()
{
    TextTable t(3, 2);
    t.setRow(0, {"", ""});
    t.setRow(1, {"0", "0"});
    t.setRow(2, {"10", "-0,5"});
    return t;
}

// The table as before, apart from the headings that every reading writes first.
void expectPointsKept(const TextTable& t)
{
    EXPECT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.cell(0, 0), kEntryStationHeading);
    EXPECT_EQ(t.cell(0, 1), kEntryOrdinateHeading);
    EXPECT_EQ(t.cell(1, 0), "0");
    EXPECT_EQ(t.cell(1, 1), "0");
    EXPECT_EQ(t.cell(2, 0), "10");
    EXPECT_EQ(t.cell(2, 1), "-0,5");
}

class InfluenceFileFaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "kvor_influence_faults_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        // Others may enter, so that an unprivileged child reaches the files.
        fs::permissions(dir_, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string picked(const char* name, const std::string& content = "0 0\n5 2.5\n10 0\n")
    {
        std::ofstream(dir_ / name, std::ios::binary) << content;
        return (dir_ / name).string();
    }
    // The text of the error box, or "no failure".
    static std::string failureOf(const std::string& path, TextTable& t)
    {
        try {
            readInfluenceFile(path, t, ',');
        } catch (const Error& e) {
            return e.what();
        }
        return "no failure";
    }

    fs::path dir_;
};

TEST_F(InfluenceFileFaults, FileRemovedAfterPickingIsNotFound)
{
    const std::string path = picked("vliv.txt");
    fs::remove(path);
    TextTable t = readEarlier();
    EXPECT_EQ(failureOf(path, t), "File not found");
    expectPointsKept(t);
}

TEST_F(InfluenceFileFaults, FileReplacedByAFolderAfterPickingIsRefused)
{
    const std::string path = picked("vliv.txt");
    fs::remove(path);
    fs::create_directory(path);
    TextTable t = readEarlier();
    EXPECT_EQ(failureOf(path, t), "File access denied");
    expectPointsKept(t);
}

TEST_F(InfluenceFileFaults, FileMadeUnreadableAfterPickingIsAccessDenied)
{
    const std::string path = picked("vliv.txt");
    fs::permissions(path, fs::perms::owner_write);
    // Root reads any file, so the reading runs as an unprivileged child; it
    // reports by exit code: 0 when the error and the table are as they must be.
    const testing::ChildEnd end = testing::runInChild([&] {
        if (!testing::becomeUnprivileged())
            return 4;
        TextTable t = readEarlier();
        if (failureOf(path, t) != "File access denied")
            return 1;
        return t.rowCount() == 3 && t.cell(2, 1) == "-0,5" && t.cell(0, 0) == kEntryStationHeading ? 0 : 2;
    });
    ASSERT_TRUE(end.exited);
    EXPECT_EQ(end.code, 0);
}

TEST_F(InfluenceFileFaults, FileLargerThanTheLimitIsRefusedBeforeReading)
{
    // A sparse file: its size is what counts, nothing is read.
    const std::string path = picked("velky.txt", "");
    fs::resize_file(path, kMaxInfluenceFileBytes + 1);
    TextTable t = readEarlier();
    EXPECT_EQ(failureOf(path, t), "Soubor je větší než 256 MB, příčinkovou čáru z něj nelze načíst");
    expectPointsKept(t);
}

TEST_F(InfluenceFileFaults, EndlessDeviceStopsAtTheLimit)
{
    // A link to /dev/zero has no size and never ends (every byte a separator).
    const fs::path link = dir_ / "nuly.txt";
    fs::create_symlink("/dev/zero", link);
    TextTable t = readEarlier();
    EXPECT_EQ(failureOf(link.string(), t), "Soubor je větší než 256 MB, příčinkovou čáru z něj nelze načíst");
    expectPointsKept(t);
}

TEST(InfluenceFileLimits, MoreNumbersThanTheLimitAreRefusedWithoutTouchingTheRows)
{
    std::string content;
    content.reserve(2 * static_cast<size_t>(kMaxInfluenceFileValues) + 2);
    for (long long v = 0; v <= kMaxInfluenceFileValues; ++v)
        content += "1\n";
    TextTable t = readEarlier();
    try {
        readInfluenceText(content, t, ',');
        FAIL() << "no refusal";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Soubor obsahuje více než 2000000 čísel, příčinkovou čáru z něj nelze načíst");
    }
    expectPointsKept(t);

    // One number fewer is read: the limit is a count, not a guess from the size.
    content.resize(content.size() - 2);
    readInfluenceText(content, t, ',');
    EXPECT_EQ(t.rowCount(), kMaxInfluenceFileValues / 2 + 1);
    EXPECT_EQ(t.cell(t.rowCount() - 1, 1), "1");
}

}  // namespace
}  // namespace kvor
