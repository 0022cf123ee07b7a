#pragma once
// Running a built program (kvor-calc, kvor-il) and catching what it prints.

#include "support/temp_folder.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace kvor::testing {

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

#ifdef KVOR_CALC_PATH
inline CalcRun runCalc(const std::vector<std::string>& args, const std::string& outTarget = {})
{
    return runProgram(KVOR_CALC_PATH, args, outTarget);
}
#endif
#ifdef KVOR_IL_PATH
inline CalcRun runIl(const std::vector<std::string>& args) { return runProgram(KVOR_IL_PATH, args); }
#endif

}  // namespace kvor::testing
