#include "model/error.h"

#include <cerrno>
#include <cstring>

namespace kvor {

namespace {

// "'text'" followed by the rest of the runtime's conversion message.
std::string quoted(std::string_view text, std::string_view rest)
{
    std::string out;
    out.reserve(text.size() + rest.size() + 2);
    out += '\'';
    out.append(text);
    out += '\'';
    out.append(rest);
    return out;
}

}  // namespace

Error Error::invalidFloat(std::string_view text)
{
    return Error(quoted(text, " is not a valid floating point value"));
}

Error Error::invalidInteger(std::string_view text)
{
    return Error(quoted(text, " is not a valid integer value"));
}

Error Error::divisionByZero() { return Error("Floating point division by zero"); }
Error Error::invalidOperation() { return Error("Invalid floating point operation"); }
Error Error::overflow() { return Error("Floating point overflow"); }
Error Error::invalidNumericInput() { return Error("Invalid numeric input"); }
Error Error::fileNotFound() { return Error("File not found"); }
Error Error::fileAccessDenied() { return Error("File access denied"); }
Error Error::diskFull() { return Error("Disk full"); }
Error Error::ioError(int code) { return Error("I/O error " + std::to_string(code)); }

namespace {

Error textOfErrno(int e)
{
    switch (e) {
    case ENOENT:
    case ENOTDIR:
        return Error::fileNotFound();
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return Error::fileAccessDenied();
    case ENOSPC:
    case EDQUOT:
    case EFBIG:  // the file may grow no further: to the user the same as a full disk
        return Error::diskFull();
    default:
        return Error::ioError(e);
    }
}

}  // namespace

Error Error::fromErrno(int e)
{
    Error error = textOfErrno(e);
    error.systemErrorCode_ = e;
    return error;
}

std::string errorBoxText(std::string_view runtimeText)
{
    std::string text(runtimeText);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

namespace {

// Words for the failures the runtime names only by number.
std::string systemErrorWords(int code)
{
    switch (code) {
    case ELOOP: return "příliš mnoho symbolických odkazů za sebou, nejspíš smyčka odkazů";
    case ENAMETOOLONG: return "název souboru nebo cesty je příliš dlouhý";
    case EIO: return "chyba čtení zařízení";
    case EMFILE:
    case ENFILE: return "otevřeno příliš mnoho souborů";
    case ENOMEM: return "nedostatek paměti";
    case ENXIO:
    case ENODEV: return "zařízení neexistuje";
    default: return std::strerror(code);
    }
}

}  // namespace

std::string failureText(const Error& e)
{
    const int code = e.systemErrorCode();
    if (code != 0 && std::string_view(e.what()) == Error::ioError(code).what())
        return std::string(e.what()) + " (" + systemErrorWords(code) + ")";
    return e.what();
}

}  // namespace kvor
