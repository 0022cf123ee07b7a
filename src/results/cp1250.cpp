#include "results/cp1250.h"

#include "model/error.h"

#include <algorithm>
#include <cerrno>

namespace kvor {

namespace {

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

iconv_t openDescriptor(const char* to, const char* from)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == kNoDescriptor)
        throw Error("Systém nepodporuje kódování Windows-1250");
    return cd;
}

// The byte values code page 1250 leaves undefined.
bool isUndefinedByte(unsigned byte)
{
    return byte == 0x81 || byte == 0x83 || byte == 0x88 || byte == 0x90 || byte == 0x98;
}

void appendUtf8(std::string& out, unsigned codePoint)
{
    // Only code points below U+0800 arise here (single undefined bytes).
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

Cp1250Encoder::Cp1250Encoder() : cd_(openDescriptor("CP1250", "UTF-8")) {}

Cp1250Encoder::~Cp1250Encoder() { iconv_close(cd_); }

bool Cp1250Encoder::append(std::string& out, std::string_view utf8)
{
    // Code page 1250 agrees with ASCII, which covers every number text.
    if (isAscii(utf8)) {
        out += utf8;
        return true;
    }
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    // A character of UTF-8 never takes more bytes in a single-byte code page.
    std::string buffer(utf8.size(), '\0');
    char* in = const_cast<char*>(utf8.data());
    size_t inLeft = utf8.size();
    char* outPtr = buffer.data();
    size_t outLeft = buffer.size();
    while (iconv(cd_, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) {
        // The five undefined bytes read in as U+0081 ... U+0098 go back out as
        // themselves, so that a file that was opened can be saved again.
        if (inLeft < 2 || outLeft == 0 || static_cast<unsigned char>(in[0]) != 0xC2 ||
            !isUndefinedByte(static_cast<unsigned char>(in[1])))
            return false;
        *outPtr++ = in[1];
        --outLeft;
        in += 2;
        inLeft -= 2;
    }
    if (inLeft != 0)
        return false;
    out.append(buffer.data(), buffer.size() - outLeft);
    return true;
}

std::string cp1250ToUtf8(std::string_view bytes)
{
    if (isAscii(bytes))
        return std::string(bytes);
    iconv_t cd = openDescriptor("UTF-8", "CP1250");
    std::string out;
    out.reserve(bytes.size() * 2);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char buffer[3 * 4096];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        // One slice of the input per call, which the buffer always holds (a byte
        // becomes at most three): each call then looks at its slice only, not at
        // the whole rest of a long line (AddressSanitizer checks that range).
        const size_t slice = std::min(inLeft, sizeof buffer / 3);
        size_t sliceLeft = slice;
        size_t rc = iconv(cd, &in, &sliceLeft, &outPtr, &outLeft);
        const int failure = errno;
        inLeft -= slice - sliceLeft;
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (rc != static_cast<size_t>(-1) || failure == E2BIG)
            continue;
        // An undefined byte (0x81, 0x83, 0x88, 0x90, 0x98).
        appendUtf8(out, static_cast<unsigned char>(*in));
        ++in;
        --inLeft;
    }
    iconv_close(cd);
    return out;
}

std::string_view cp1250AsUtf8(std::string_view bytes, std::string& buffer)
{
    if (isAscii(bytes))
        return bytes;
    buffer = cp1250ToUtf8(bytes);
    return buffer;
}

Error characterNotInCodePage(std::string_view field)
{
    return Error("Text v poli „" + std::string(field) +
                 "“ obsahuje znak, který nelze uložit v kódování Windows-1250");
}

Error controlCharacterInText(std::string_view field)
{
    return Error("Text v poli „" + std::string(field) +
                 "“ obsahuje řídicí znak, který nelze uložit do souboru projektu");
}

}  // namespace kvor
