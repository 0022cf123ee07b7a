#pragma once
// Running the built kvor-calc on project files that the core's writer wrote.

#include "model/project.h"
#include "model/slots.h"
#include "results/project_file.h"
#include "tendons/tendon_store.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

extern char** environ;

namespace kvor::testing {

// A fresh empty folder, removed with everything in it at the end of the test.
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kvor-calc-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("no temporary folder");
        path_ = pattern;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void writeBytes(const std::filesystem::path& file, std::string_view bytes)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

struct CalcRun {
    int status = -1;  // exit status, -1 when the program did not exit normally
    std::string out;
    std::string err;

    // The lines of `out`, each without its LF.
    std::vector<std::string> outLines() const
    {
        std::vector<std::string> lines;
        size_t start = 0;
        for (size_t lf; (lf = out.find('\n', start)) != std::string::npos; start = lf + 1)
            lines.push_back(out.substr(start, lf - start));
        return lines;
    }
    std::string firstErrLine() const { return err.substr(0, err.find('\n')); }
};

// Runs the program `path` with `args`; standard output and error go to files
// in a folder of their own, so output of any size cannot block the program.
// `outTarget` sends standard output elsewhere (such as "/dev/full").
inline CalcRun runProgram(const char* path, const std::vector<std::string>& args, const std::string& outTarget = {})
{
    TempFolder capture;
    const std::string outFile = outTarget.empty() ? (capture.path() / "out").string() : outTarget;
    const std::string errFile = (capture.path() / "err").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::vector<std::string> argv = {path};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> cargv;
    for (std::string& a : argv)
        cargv.push_back(a.data());
    cargv.push_back(nullptr);

    CalcRun run;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path, &actions, nullptr, cargv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error(std::string(path) + " could not be started");
    int wstatus = 0;
    while (waitpid(pid, &wstatus, 0) < 0)
        ;
    if (WIFEXITED(wstatus))
        run.status = WEXITSTATUS(wstatus);
    run.out = outTarget.empty() ? readBytes(outFile) : std::string();
    run.err = readBytes(errFile);
    return run;
}

inline CalcRun runCalc(const std::vector<std::string>& args, const std::string& outTarget = {})
{
    return runProgram(KVOR_CALC_PATH, args, outTarget);
}
#ifdef KVOR_IL_PATH
inline CalcRun runIl(const std::vector<std::string>& args) { return runProgram(KVOR_IL_PATH, args); }
#endif

// `text` with every ',' replaced by `sep`: the model's texts as typed on a
// system with that decimal separator.
inline std::string typed(std::string_view text, char sep)
{
    std::string t(text);
    std::replace(t.begin(), t.end(), ',', sep);
    return t;
}

// Shows the rows up to slot k as "Další" would: rows are shown in slot order.
template <typename Slot>
void showUpTo(std::array<Slot, kSlotCount>& rows, int k)
{
    for (int i = 0; i <= k; ++i)
        rows[static_cast<size_t>(i)].shown = true;
}

// An influence line stored into slot k as typed, rows (station, ordinate).
inline void storeLine(Project& p, int k, std::string_view kind, std::string_view description,
                      std::initializer_list<std::pair<std::string_view, std::string_view>> rows, char sep)
{
    TextTable entry(static_cast<int>(rows.size()) + 1, 2);
    int r = 1;
    for (const auto& [s, v] : rows)
        entry.setRow(r++, {typed(s, sep), typed(v, sep)});
    showUpTo(p.quantities, k);
    QuantitySlot& slot = p.quantities[static_cast<size_t>(k)];
    slot.kindText = kind;
    slot.description = description;
    storeInfluenceLine(slot, entry, EntryMode::Manual, "");
}

inline void storeStraight(Project& p, int k, std::string_view s1, std::string_view s2, std::string_view e,
                          std::string_view n, char sep)
{
    showUpTo(p.tendons, k);
    TendonSlot& slot = p.tendons[static_cast<size_t>(k)];
    slot.typeText = kTendonTypeLabels[0];
    ASSERT_FALSE(storeTendon(slot, StraightTendonInput{typed(s1, sep), typed(s2, sep), typed(e, sep),
                                                      typed(n, sep)}));
}

struct BrokenPoint {
    std::string_view station, eccentricity, force;  // force of the segment that starts here
};

inline void storeBroken(Project& p, int k, std::initializer_list<BrokenPoint> points, char sep)
{
    TextTable table(static_cast<int>(points.size()) + 1, 2);
    TextTable forces(static_cast<int>(points.size()), 1);
    int r = 1;
    for (const BrokenPoint& point : points) {
        table.setRow(r, {typed(point.station, sep), typed(point.eccentricity, sep)});
        if (r < static_cast<int>(points.size()))
            forces.setCell(r, 0, typed(point.force, sep));
        ++r;
    }
    showUpTo(p.tendons, k);
    TendonSlot& slot = p.tendons[static_cast<size_t>(k)];
    slot.typeText = kTendonTypeLabels[1];
    ASSERT_FALSE(storeTendon(slot, BrokenTendonInput{table, forces}));
}

// The worked examples: the influence line (0; 0), (5; 2,5), (10; 0) in slot 1,
// the straight tendon (0; 0,2; -1000)-(10; 0,2; -1000) in slot 1 and the broken
// tendon (2; 0,1), (5; 0,5), (8; 0,1) with -1000 kN in slot 2, on a simple
// beam of 10 m whose section reaches 0,6 m below and above the centroid.
inline Project workedExample(char sep)
{
    Project p;
    p.info.name = "Příklad";
    p.beam.length = "10";
    p.section.eBottom = typed("0,6", sep);
    p.section.eTop = typed("-0,6", sep);
    storeLine(p, 0, "Ohybový moment", "Moment uprostřed", {{"0", "0"}, {"5", "2,5"}, {"10", "0"}}, sep);
    storeStraight(p, 0, "0", "10", "0,2", "-1000", sep);
    storeBroken(p, 1, {{"2", "0,1", "-1000"}, {"5", "0,5", "-1000"}, {"8", "0,1", ""}}, sep);
    return p;
}

// Saves `p` as `name` in `folder` with the core's writer; returns the path.
inline std::string saveAs(const Project& p, const std::filesystem::path& folder, std::string_view name,
                          char sep, SaveVariant variant = SaveVariant::InputOnly)
{
    const std::filesystem::path file = folder / name;
    writeBytes(file, encodeProjectFile(p, variant, sep));
    return file.string();
}

}  // namespace kvor::testing
