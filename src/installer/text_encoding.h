#pragma once
// The two encodings a shortcut file needs besides UTF-8: UTF-16 and the Windows ANSI code page.

#include <string>
#include <string_view>

// Malformed UTF-8 becomes U+FFFD, so a damaged name still gives a readable file.
std::u16string utf8ToUtf16(std::string_view utf8);

// Windows-1252; what that code page lacks becomes '?'.
std::string utf16ToWindows1252(std::u16string_view text);
