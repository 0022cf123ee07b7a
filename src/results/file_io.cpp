#include "results/file_io.h"

#include "model/error.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace kvor {

InputFile::InputFile(const std::filesystem::path& file) : fd_(::open(file.c_str(), O_RDONLY | O_CLOEXEC))
{
    if (fd_ < 0)
        throw Error::fromErrno(errno);
}

InputFile::~InputFile() { ::close(fd_); }

bool InputFile::readMore(std::string& into, std::size_t maxBytes)
{
    const std::size_t before = into.size();
    into.resize(before + maxBytes);
    for (;;) {
        const ssize_t n = ::read(fd_, into.data() + before, maxBytes);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int failure = errno;
            into.resize(before);
            throw Error::fromErrno(failure);
        }
        into.resize(before + static_cast<std::size_t>(n));
        return n > 0;
    }
}

FileCalls systemFileCalls() { return FileCalls{&::write, &::fsync, &::rename}; }

namespace {

// A name beside the target that no other save of this process uses.
std::filesystem::path temporaryNameFor(const std::filesystem::path& target, int attempt)
{
    static std::atomic<unsigned> counter{0};
    std::filesystem::path name = target;
    name += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + "-" +
            std::to_string(attempt);
    return name;
}

// The mode of the new file: the former file's, or what a fresh create would give.
mode_t modeFor(const std::filesystem::path& target)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void writeAll(int fd, std::string_view bytes, const FileCalls& calls)
{
    while (!bytes.empty()) {
        const ssize_t n = calls.write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw Error::fromErrno(errno);
        if (n == 0)
            throw Error::diskFull();
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
}

void flushDirectory(const std::filesystem::path& file)
{
    // Makes the rename itself durable; a failure here no longer endangers the data.
    std::filesystem::path dir = file.parent_path();
    if (dir.empty())
        dir = ".";
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

}  // namespace

void replaceFileContents(const std::filesystem::path& target, std::string_view bytes,
                         const FileCalls& calls)
{
    // A former file marked read-only stays protected, as a plain rewrite leaves it.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        throw Error::fromErrno(errno);

    const mode_t mode = modeFor(target);
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0; ++attempt) {
        temporary = temporaryNameFor(target, attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && (errno != EEXIST || attempt >= 100))
            throw Error::fromErrno(errno);
    }

    try {
        ::fchmod(fd, mode);  // the umask must not narrow a former file's mode
        writeAll(fd, bytes, calls);
        if (calls.fsync(fd) != 0)
            throw Error::fromErrno(errno);
        if (::close(fd) != 0) {
            fd = -1;
            throw Error::fromErrno(errno);
        }
        fd = -1;
        if (calls.rename(temporary.c_str(), target.c_str()) != 0)
            throw Error::fromErrno(errno);
    } catch (...) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    flushDirectory(target);
}

}  // namespace kvor
