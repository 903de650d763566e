#pragma once
// UTF-16, the encoding a shortcut file holds its names in besides the ANSI code page (whose
// encoder is the core's Windows-1252 codec).

#include <string>
#include <string_view>

// Malformed UTF-8 becomes U+FFFD, so a damaged name still gives a readable file.
std::u16string utf8ToUtf16(std::string_view utf8);
