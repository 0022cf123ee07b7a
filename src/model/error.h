#pragma once
// The general failure of a command: its text is what the error box shows
// (without the final full stop that the box adds).

#include <stdexcept>
#include <string>
#include <string_view>

namespace kvor {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& text) : std::runtime_error(text) {}

    static Error invalidFloat(std::string_view text);    // '%s' is not a valid floating point value
    static Error invalidInteger(std::string_view text);  // '%s' is not a valid integer value
    static Error divisionByZero();                       // Floating point division by zero
    static Error invalidOperation();                     // Invalid floating point operation
    static Error overflow();                             // Floating point overflow
    static Error invalidNumericInput();                  // Invalid numeric input
    static Error fileNotFound();                         // File not found
    static Error fileAccessDenied();                     // File access denied
    static Error diskFull();                             // Disk full
    static Error ioError(int code);                      // I/O error %d
    // Maps a C library errno of a failed file operation to one of the texts above.
    static Error fromErrno(int errnoValue);

    // The errno a failure of fromErrno came from; 0 for every other failure.
    int systemErrorCode() const { return systemErrorCode_; }

private:
    int systemErrorCode_ = 0;
};

// The runtime's text of a failure; where it gives only a number ("I/O error
// 40"), followed by Czech words for it. For a line of a program's standard error.
std::string failureText(const Error& e);

// The text of the error box: the runtime text, followed by a full stop when its
// last character sorts after "." (so "… value'" gets one, "… 5." does not).
std::string errorBoxText(std::string_view runtimeText);

}  // namespace kvor
