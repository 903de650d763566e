#pragma once
// Windows-1252, the single-byte code page of Archivio.DAT and lista.txt.
// Texts inside the program are UTF-8; bytes on disk are Windows-1252.

#include <string>
#include <string_view>

namespace cp1252 {

// Every byte maps to one code point; the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to U+0081 etc., so any file
// reads and writes back byte for byte.
std::string decode(std::string_view bytes);

// One byte per code point of the UTF-8 text; a code point the code page
// cannot hold (or a malformed sequence) becomes '?'.
std::string encode(std::string_view utf8);

// True when every code point of the UTF-8 text fits the code page.
bool representable(std::string_view utf8);

} // namespace cp1252
