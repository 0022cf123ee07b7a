#include "results/cp1250.h"

#include "model/error.h"

#include <algorithm>
#include <array>
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

// The characters of the bytes 0x80 to 0xFF. Reading needs no conversion
// descriptor: opening one loads the system's conversion module, which took
// longer than reading the lines of a large project.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

void appendUtf8(std::string& out, unsigned codePoint)
{
    // Every character of the code page lies below U+10000.
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
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
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            out += c;
        else
            appendUtf8(out, kUpperHalf[byte - 0x80]);
    }
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
