#include "installer/lnk_writer.h"

#include "installer/text_encoding.h"

#include "core/cp1252.h"

#include <array>
#include <limits>
#include <stdexcept>

namespace {

// {00021401-0000-0000-C000-000000000046}, as stored: first three fields little-endian.
constexpr std::array<std::uint8_t, 16> kLinkClsid = {
    0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};

constexpr std::uint32_t kFileAttributeArchive = 0x20;
constexpr std::uint32_t kVolumeIdAndLocalBasePath = 0x1;
constexpr std::uint32_t kDriveFixed = 3;
// With the two Unicode offsets present.
constexpr std::uint32_t kLinkInfoHeaderSize = 0x24;
constexpr std::uint32_t kVolumeIdHeaderSize = 0x10;

class ByteSink {
public:
    void u16(std::uint16_t v)
    {
        bytes.push_back(static_cast<std::uint8_t>(v & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v)
    {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>((v >> shift) & 0xFF));
    }
    void zeros(std::size_t n) { bytes.insert(bytes.end(), n, 0); }
    void ansiz(const std::string& s)
    {
        bytes.insert(bytes.end(), s.begin(), s.end());
        bytes.push_back(0);
    }
    void utf16(const std::u16string& s)
    {
        for (char16_t c : s)
            u16(static_cast<std::uint16_t>(c));
    }
    void utf16z(const std::u16string& s)
    {
        utf16(s);
        u16(0);
    }
    void patchU32(std::size_t at, std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
    }
    std::uint32_t size() const { return static_cast<std::uint32_t>(bytes.size()); }

    std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> linkInfo(const std::string& targetPath)
{
    const std::u16string wide = utf8ToUtf16(targetPath);
    const std::string ansi = cp1252::encode(targetPath);

    ByteSink info;
    info.zeros(kLinkInfoHeaderSize); // filled in once the offsets are known

    const std::uint32_t volumeIdOffset = info.size();
    info.u32(kVolumeIdHeaderSize + 1);
    info.u32(kDriveFixed);
    info.u32(0); // serial number unknown
    info.u32(kVolumeIdHeaderSize);
    info.ansiz(""); // no volume label

    const std::uint32_t localBasePathOffset = info.size();
    info.ansiz(ansi);
    const std::uint32_t commonPathSuffixOffset = info.size();
    info.ansiz("");
    const std::uint32_t localBasePathUnicodeOffset = info.size();
    info.utf16z(wide);
    const std::uint32_t commonPathSuffixUnicodeOffset = info.size();
    info.utf16z(u"");

    info.patchU32(0, info.size());
    info.patchU32(4, kLinkInfoHeaderSize);
    info.patchU32(8, kVolumeIdAndLocalBasePath);
    info.patchU32(12, volumeIdOffset);
    info.patchU32(16, localBasePathOffset);
    info.patchU32(20, 0); // no network location
    info.patchU32(24, commonPathSuffixOffset);
    info.patchU32(28, localBasePathUnicodeOffset);
    info.patchU32(32, commonPathSuffixUnicodeOffset);
    return std::move(info.bytes);
}

void stringData(ByteSink& out, const std::u16string& s)
{
    if (s.size() > std::numeric_limits<std::uint16_t>::max())
        throw std::length_error("shortcut text longer than 65535 UTF-16 units");
    out.u16(static_cast<std::uint16_t>(s.size()));
    out.utf16(s);
}

} // namespace

std::vector<std::uint8_t> shellLinkBytes(const ShellLink& link)
{
    const std::u16string name = utf8ToUtf16(link.description);
    const std::u16string workingDir = utf8ToUtf16(link.workingDirectory);
    const std::u16string arguments = utf8ToUtf16(link.arguments);

    std::uint32_t flags = lnk::kHasLinkInfo | lnk::kIsUnicode;
    if (!name.empty())
        flags |= lnk::kHasName;
    if (!workingDir.empty())
        flags |= lnk::kHasWorkingDir;
    if (!arguments.empty())
        flags |= lnk::kHasArguments;

    ByteSink out;
    out.bytes.reserve(lnk::kHeaderSize); // also keeps GCC 12 from a false -Wstringop-overflow
    out.u32(static_cast<std::uint32_t>(lnk::kHeaderSize));
    out.bytes.insert(out.bytes.end(), kLinkClsid.begin(), kLinkClsid.end());
    out.u32(flags);
    out.u32(kFileAttributeArchive);
    out.zeros(3 * 8); // creation, access and write times unknown: the target may not exist yet
    out.u32(0);       // file size
    out.u32(0);       // icon index
    out.u32(link.showCommand);
    out.u16(0); // no hot key
    out.zeros(2 + 4 + 4);

    const std::vector<std::uint8_t> info = linkInfo(link.targetPath);
    out.bytes.insert(out.bytes.end(), info.begin(), info.end());

    // The order of the string data is fixed by the format, whatever the order of the flags.
    if (!name.empty())
        stringData(out, name);
    if (!workingDir.empty())
        stringData(out, workingDir);
    if (!arguments.empty())
        stringData(out, arguments);

    out.u32(0); // terminal block
    return std::move(out.bytes);
}
