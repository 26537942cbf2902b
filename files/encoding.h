// Text encodings. Inside the program every text is UTF-8; the files Calvix
// reads and writes (project files, default data, settings, reports) hold 8-bit
// text in the Windows-1252 code page. These routines convert at the file
// boundary.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace calvix {

// Converts Windows-1252 bytes to UTF-8. Every byte value has a character: the
// five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// become the control characters U+0081, U+008D, U+008F, U+0090 and U+009D, so
// no byte is lost and Utf8ToCp1252 gives the original bytes back.
std::string Cp1252ToUtf8(std::string_view cp1252);

// Converts UTF-8 to Windows-1252 bytes. A character the code page cannot show
// becomes '?', and so does every byte that is not part of a well-formed UTF-8
// sequence (overlong forms, surrogates and values past U+10FFFF included).
// It is the exact inverse of Cp1252ToUtf8 on everything that function returns.
std::string Utf8ToCp1252(std::string_view utf8);

// The number of characters (code points) of a UTF-8 text; a byte that is not
// part of a well-formed sequence counts as one character, as it becomes one
// '?' in the 8-bit code page.
std::size_t Utf8Length(std::string_view utf8);

}  // namespace calvix
