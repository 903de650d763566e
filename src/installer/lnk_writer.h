#pragma once
// The bytes of a Windows shortcut file in the Shell Link Binary File Format ([MS-SHLLINK]):
// a header, a LinkInfo with the target's local base path, and the string data.

#include <cstdint>
#include <string>
#include <vector>

// All texts UTF-8. An empty text is left out of the file together with its flag.
struct ShellLink {
    std::string targetPath;
    std::string description;
    std::string arguments;
    std::string workingDirectory;
    std::uint32_t showCommand = 1; // SW_SHOWNORMAL
};

// Throws std::length_error when a text does not fit its 16-bit character count.
std::vector<std::uint8_t> shellLinkBytes(const ShellLink& link);

namespace lnk {
// LinkFlags bits of the header.
constexpr std::uint32_t kHasLinkInfo = 0x00000002;
constexpr std::uint32_t kHasName = 0x00000004;
constexpr std::uint32_t kHasWorkingDir = 0x00000010;
constexpr std::uint32_t kHasArguments = 0x00000020;
constexpr std::uint32_t kIsUnicode = 0x00000080;

constexpr std::size_t kHeaderSize = 0x4C;
constexpr std::size_t kShowCommandOffset = 0x3C;
} // namespace lnk
