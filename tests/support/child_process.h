#pragma once
// Runs a piece of a fault test in a forked child, so that it can give up its
// privileges, take a file-size limit or be killed without touching the test
// program itself. The child reports back by its exit code only.

#include <signal.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace kvor::testing {

struct ChildEnd {
    bool exited = false;  // ended by _exit (code below), not by a signal
    int code = -1;
    int signal = 0;
};

inline ChildEnd waitForChild(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
    }
    ChildEnd end;
    if (WIFEXITED(status)) {
        end.exited = true;
        end.code = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        end.signal = WTERMSIG(status);
    }
    return end;
}

// Runs `body` in a child and returns how it ended; the child's exit code is
// what `body` returns. Nothing the child does reaches the test's assertions.
inline ChildEnd runInChild(const std::function<int()>& body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        int code = 99;
        try {
            code = body();
        } catch (...) {
            code = 98;
        }
        ::_exit(code);
    }
    return waitForChild(pid);
}

// The user "nobody": a process that folder permissions apply to even when the
// tests run as root. True when the privileges are gone.
inline bool becomeUnprivileged()
{
    constexpr gid_t kNobodyGroup = 65534;
    constexpr uid_t kNobody = 65534;
    if (::geteuid() != 0)
        return true;  // permissions apply already
    return ::setgroups(0, nullptr) == 0 && ::setgid(kNobodyGroup) == 0 && ::setuid(kNobody) == 0;
}

// A file-size limit: a write beyond `bytes` fails with EFBIG, as a full disk
// fails a write (SIGXFSZ is ignored so that the write returns the failure).
inline bool limitFileSize(rlim_t bytes)
{
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

}  // namespace kvor::testing
