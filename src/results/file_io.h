#pragma once
// Reading a file in pieces, and replacing a file so that it is never left
// damaged. Failures throw kvor::Error with the runtime texts of Error::fromErrno.

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace kvor {

class InputFile {
public:
    explicit InputFile(const std::filesystem::path& file);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // Appends up to `maxBytes` further bytes; false once the end is reached.
    bool readMore(std::string& into, std::size_t maxBytes = 64 * 1024);

private:
    int fd_;
};

// The system calls that replaceFileContents makes, so that a test can make one
// of them fail the way a full disk or a lost medium would.
struct FileCalls {
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
};
FileCalls systemFileCalls();

// Writes `bytes` to a temporary file beside `target`, flushes it to disk and
// renames it over `target`. On any failure the temporary file is removed,
// a former `target` stays as it was, and kvor::Error is thrown. A former
// target that may not be written (read-only) is refused like a failed create.
void replaceFileContents(const std::filesystem::path& target, std::string_view bytes,
                         const FileCalls& calls = systemFileCalls());

}  // namespace kvor
