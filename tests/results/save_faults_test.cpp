// Saves that fail for real (no write rights, a file that may not grow, a process
// killed mid-write) leave the former project file whole and end with the error
// box's text; nothing half-written is ever left under the project file's name.

#include "model/error.h"
#include "model/numbers.h"
#include "results/file_io.h"
#include "results/project_file.h"
#include "support/child_process.h"
#include "support/sample_project.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace kvor {
namespace {

namespace fs = std::filesystem;
using testing::ChildEnd;
using testing::filesIn;
using testing::readBytes;
using testing::runInChild;
using testing::TempFolder;

// The project saved second: its file is far larger than the sample's, so that
// a limit or a kill can fall in the middle of writing it.
Project largerProject()
{
    Project p = testing::sampleProject();
    p.info.name = "Nová verze";
    TextTable& line = p.quantities[1].line;
    line.setRowCount(20001);
    for (int r = 1; r < line.rowCount(); ++r)
        line.setRow(r, {formatInteger(r) + "E-3", "0,125"});  // stations up to 20 m, on the beam
    return p;
}

// Exit codes of a child that tries a save: what it met.
enum SaveOutcome { Saved = 0, FailedWithExpectedText = 1, FailedWithOtherText = 2, SavedFlagChanged = 3, NoPrivilegeDrop = 4 };

SaveOutcome trySave(Project p, const fs::path& folder, const char* expectedText)
{
    try {
        saveProject(p, SaveVariant::InputOnly, folder, ',');
        return Saved;
    } catch (const Error& e) {
        if (p.results.saved)
            return SavedFlagChanged;
        return std::string(e.what()) == expectedText ? FailedWithExpectedText : FailedWithOtherText;
    }
}

class SaveFaults : public ::testing::Test {
protected:
    void SetUp() override
    {
        Project former = testing::sampleProject();
        saveProject(former, SaveVariant::InputOnly, folder.path(), ',');
        formerBytes = readBytes(file());
        ASSERT_FALSE(formerBytes.empty());
    }
    fs::path file() const { return folder.path() / "Kvordat.txt"; }
    void expectFormerFileWhole() const
    {
        EXPECT_EQ(readBytes(file()), formerBytes);
        EXPECT_EQ(filesIn(folder.path()), std::vector<std::string>{"Kvordat.txt"});
    }

    TempFolder folder;
    std::string formerBytes;
};

TEST_F(SaveFaults, FolderWithoutWriteRightsKeepsTheFormerFile)
{
    // A child that gives up root's privileges, so that the folder's rights
    // count however the tests are run.
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const ChildEnd denied = runInChild([&] {
        if (!testing::becomeUnprivileged())
            return static_cast<int>(NoPrivilegeDrop);
        return static_cast<int>(trySave(largerProject(), folder.path(), "File access denied"));
    });
    ASSERT_TRUE(denied.exited);
    EXPECT_EQ(denied.code, FailedWithExpectedText);
    expectFormerFileWhole();
    EXPECT_EQ(errorBoxText("File access denied"), "File access denied.");

    // The same child may save once the folder may be written: the refusal above
    // came from the rights, not from the change of user.
    fs::permissions(folder.path(), fs::perms::all);
    fs::permissions(file(), fs::perms::all);
    const ChildEnd allowed = runInChild([&] {
        if (!testing::becomeUnprivileged())
            return static_cast<int>(NoPrivilegeDrop);
        return static_cast<int>(trySave(largerProject(), folder.path(), ""));
    });
    ASSERT_TRUE(allowed.exited);
    EXPECT_EQ(allowed.code, Saved);
    EXPECT_NE(readBytes(file()), formerBytes);
}

TEST_F(SaveFaults, FileThatMayNotGrowIsADiskFullAndKeepsTheFormerFile)
{
    // RLIMIT_FSIZE makes the kernel fail the write of the temporary file
    // (EFBIG) as a full disk fails it; the former file is far below the limit.
    const std::string larger = encodeProjectFile(largerProject(), SaveVariant::InputOnly, ',');
    ASSERT_GT(larger.size(), 2 * formerBytes.size());
    const auto limit = static_cast<rlim_t>(formerBytes.size() + 100);
    const ChildEnd full = runInChild([&] {
        if (!testing::limitFileSize(limit))
            return 97;
        return static_cast<int>(trySave(largerProject(), folder.path(), "Disk full"));
    });
    ASSERT_TRUE(full.exited);
    EXPECT_EQ(full.code, FailedWithExpectedText);
    expectFormerFileWhole();

    // Within the limit the save goes through.
    const ChildEnd roomy = runInChild([&] {
        if (!testing::limitFileSize(static_cast<rlim_t>(larger.size())))
            return 97;
        return static_cast<int>(trySave(largerProject(), folder.path(), ""));
    });
    ASSERT_TRUE(roomy.exited);
    EXPECT_EQ(roomy.code, Saved);
    EXPECT_EQ(readBytes(file()), larger);
}

// A write that puts half of the bytes on disk and then the process dies.
ssize_t halfThenKilled(int fd, const void* data, std::size_t size)
{
    const ssize_t written = ::write(fd, data, size / 2);
    ::kill(::getpid(), SIGKILL);
    return written;
}

TEST_F(SaveFaults, ProcessKilledMidWriteLeavesTheFormerFileWhole)
{
    const std::string larger = encodeProjectFile(largerProject(), SaveVariant::InputOnly, ',');
    const ChildEnd killed = runInChild([&] {
        FileCalls calls = systemFileCalls();
        calls.write = &halfThenKilled;
        replaceFileContents(file(), larger, calls);
        return 0;
    });
    EXPECT_FALSE(killed.exited);
    EXPECT_EQ(killed.signal, SIGKILL);
    EXPECT_EQ(readBytes(file()), formerBytes);

    // The dead process could not remove its temporary file; it is not a "*.txt"
    // file, so the start window never lists it, and the next save goes through.
    const std::vector<std::string> names = filesIn(folder.path());
    ASSERT_EQ(names.size(), 2u);
    EXPECT_FALSE(names[1].ends_with(".txt")) << names[1];
    Project again = largerProject();
    saveProject(again, SaveVariant::InputOnly, folder.path(), ',');
    EXPECT_EQ(readBytes(file()), larger);
}

TEST_F(SaveFaults, KillAtAnyMomentLeavesOneWholeVersion)
{
    // A child saves the two versions in turn until it is killed; whenever the
    // kill falls, the file holds one of them completely.
    const std::string larger = encodeProjectFile(largerProject(), SaveVariant::InputOnly, ',');
    for (int delayMs : {0, 3, 10, 25, 60}) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            try {
                Project versions[2] = {testing::sampleProject(), largerProject()};
                for (int i = 0;; ++i)
                    saveProject(versions[i % 2], SaveVariant::InputOnly, folder.path(), ',');
            } catch (...) {
            }
            ::_exit(1);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        ::kill(pid, SIGKILL);
        testing::waitForChild(pid);
        const std::string now = readBytes(file());
        EXPECT_TRUE(now == formerBytes || now == larger) << "after " << delayMs << " ms: " << now.size() << " bytes";
        const auto loaded = loadProjectFile(folder.path(), "Kvordat.txt", ',');
        ASSERT_TRUE(loaded.has_value());
        EXPECT_TRUE(loaded->hasDataSection);
    }
}

}  // namespace
}  // namespace kvor
