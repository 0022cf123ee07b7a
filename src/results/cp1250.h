#pragma once
// Code page 1250 (Windows Central European) for the project file: written
// through iconv, read through the code page's own table.
// The model's texts are UTF-8; the file's bytes are code page 1250.

#include "model/error.h"

#include <iconv.h>

#include <string>
#include <string_view>

namespace kvor {

// One conversion descriptor for a whole file, so that thousands of table cells
// do not each open one. Not copyable.
class Cp1250Encoder {
public:
    Cp1250Encoder();  // throws kvor::Error when the system lacks the code page
    ~Cp1250Encoder();
    Cp1250Encoder(const Cp1250Encoder&) = delete;
    Cp1250Encoder& operator=(const Cp1250Encoder&) = delete;

    // Appends the text in code page 1250. Returns false, leaving `out` as it
    // was, when the text holds a character the code page lacks or is no UTF-8.
    bool append(std::string& out, std::string_view utf8);

private:
    iconv_t cd_;
};

// The UTF-8 text of code page 1250 bytes. The five byte values the code page
// leaves undefined read as the control characters of the same number, as
// Windows reads them, so no byte is lost.
std::string cp1250ToUtf8(std::string_view bytes);
// The same without a copy where none is needed: ASCII bytes are their own
// UTF-8 text and are returned as they are; other bytes are converted into
// `buffer` and a view of it is returned.
std::string_view cp1250AsUtf8(std::string_view bytes, std::string& buffer);

// The refusals of a text that a project file cannot hold, naming the field
// by its label as the user sees it.
Error characterNotInCodePage(std::string_view field);  // code page 1250 lacks a character
Error controlCharacterInText(std::string_view field);  // a byte that would break the lines

}  // namespace kvor
