#include "installer/lnk_writer.h"

#include "core/cp1252.h"

#include "installer/text_encoding.h"
#include "run_command.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

std::uint32_t u32At(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b.at(at) | (b.at(at + 1) << 8) | (b.at(at + 2) << 16) |
           (static_cast<std::uint32_t>(b.at(at + 3)) << 24);
}

std::uint16_t u16At(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b.at(at) | (b.at(at + 1) << 8));
}

std::string ansiAt(const std::vector<std::uint8_t>& b, std::size_t at)
{
    std::string s;
    while (b.at(at) != 0)
        s += static_cast<char>(b.at(at++));
    return s;
}

std::u16string utf16zAt(const std::vector<std::uint8_t>& b, std::size_t at)
{
    std::u16string s;
    for (char16_t c = u16At(b, at); c != 0; at += 2, c = u16At(b, at))
        s += c;
    return s;
}

ShellLink installerLink(const std::string& folder)
{
    return ShellLink{folder + "/Tempestina10", "Coll", "", folder, 1};
}

std::string lnkinfoOf(const std::vector<std::uint8_t>& bytes)
{
    TempFolder temp;
    const auto file = temp.path() / "Tempestina10.lnk";
    writeBytes(file, bytes);
    const CommandResult r = runCommand("lnkinfo", file);
    EXPECT_EQ(r.status, 0) << r.output;
    return r.output;
}

} // namespace

TEST(LnkWriter, lnkinfoReadsTargetDescriptionAndWorkingFolder)
{
    const std::string out = lnkinfoOf(shellLinkBytes(installerLink("/opt/tempestina")));
    EXPECT_NE(out.find("\tLocal path\t\t\t: /opt/tempestina/Tempestina10\n"), std::string::npos)
        << out;
    EXPECT_NE(out.find("\tDescription\t\t\t: Coll\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\tWorking directory\t\t: /opt/tempestina\n"), std::string::npos) << out;
    EXPECT_EQ(out.find("Command line arguments"), std::string::npos) << out;

    ShellLink withArguments = installerLink("C:\\Programmi\\Tempestina");
    withArguments.targetPath = "C:\\Programmi\\Tempestina\\Tempestina10.exe";
    withArguments.arguments = "/avvio";
    const std::string windows = lnkinfoOf(shellLinkBytes(withArguments));
    EXPECT_NE(windows.find("\tLocal path\t\t\t: C:\\Programmi\\Tempestina\\Tempestina10.exe\n"),
              std::string::npos)
        << windows;
    EXPECT_NE(windows.find("\tCommand line arguments\t\t: /avvio\n"), std::string::npos) << windows;
}

TEST(LnkWriter, blanksAndAccentedLettersSurviveInTheTarget)
{
    const std::string folder = "/home/anna/Scadenze di Città/perché ŁÓDŹ";
    const std::vector<std::uint8_t> bytes = shellLinkBytes(installerLink(folder));
    const std::string out = lnkinfoOf(bytes);
    EXPECT_NE(out.find("\tLocal path\t\t\t: " + folder + "/Tempestina10\n"), std::string::npos)
        << out;
    EXPECT_NE(out.find("\tWorking directory\t\t: " + folder + "\n"), std::string::npos) << out;

    // The ANSI copy holds what Windows-1252 has and '?' for the rest.
    const std::size_t info = lnk::kHeaderSize;
    EXPECT_EQ(ansiAt(bytes, info + u32At(bytes, info + 16)),
              "/home/anna/Scadenze di Citt\xE0/perch\xE9 ?\xD3"
              "D?/Tempestina10");
}

TEST(LnkWriter, headerFieldsAndFlags)
{
    const std::vector<std::uint8_t> bytes = shellLinkBytes(installerLink("/opt/t"));
    ASSERT_GT(bytes.size(), lnk::kHeaderSize);
    EXPECT_EQ(u32At(bytes, 0), 0x4Cu);
    const std::vector<std::uint8_t> clsid(bytes.begin() + 4, bytes.begin() + 20);
    EXPECT_EQ(clsid, (std::vector<std::uint8_t>{0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}));
    // HasLinkInfo, HasName, HasWorkingDir, IsUnicode; no arguments were given.
    EXPECT_EQ(u32At(bytes, 0x14), 0x02u | 0x04u | 0x10u | 0x80u);
    EXPECT_EQ(u32At(bytes, 0x3C), 1u) << "ShowCommand must be SW_SHOWNORMAL";
    for (std::size_t at = 0x1C; at < 0x34; ++at)
        EXPECT_EQ(bytes[at], 0) << "times are left unset, byte " << at;
    EXPECT_EQ(u16At(bytes, 0x40), 0) << "no hot key";

    ShellLink minimised = installerLink("/opt/t");
    minimised.showCommand = 7;
    minimised.arguments = "x";
    const std::vector<std::uint8_t> other = shellLinkBytes(minimised);
    EXPECT_EQ(u32At(other, 0x3C), 7u);
    EXPECT_EQ(u32At(other, 0x14) & 0x20u, 0x20u) << "HasArguments";
}

TEST(LnkWriter, linkInfoOffsetsAndStringDataAreConsistent)
{
    const std::string folder = "/srv/Prova è";
    const std::vector<std::uint8_t> bytes = shellLinkBytes(installerLink(folder));
    const std::size_t info = lnk::kHeaderSize;
    const std::uint32_t infoSize = u32At(bytes, info);
    const std::uint32_t headerSize = u32At(bytes, info + 4);
    ASSERT_LE(info + infoSize, bytes.size());
    EXPECT_EQ(headerSize, 0x24u);
    EXPECT_EQ(u32At(bytes, info + 8), 1u) << "VolumeIDAndLocalBasePath";
    EXPECT_EQ(u32At(bytes, info + 20), 0u) << "no network link";
    for (std::size_t field = 12; field < 36; field += 4) {
        const std::uint32_t offset = u32At(bytes, info + field);
        if (field == 20)
            continue;
        EXPECT_GE(offset, headerSize) << "field " << field;
        EXPECT_LT(offset, infoSize) << "field " << field;
    }

    const std::size_t volume = info + u32At(bytes, info + 12);
    EXPECT_EQ(u32At(bytes, volume + 4), 3u) << "fixed drive";
    EXPECT_EQ(u32At(bytes, volume + 12), 0x10u);
    EXPECT_EQ(ansiAt(bytes, volume + u32At(bytes, volume + 12)), "");
    EXPECT_LE(u32At(bytes, info + 12) + u32At(bytes, volume), u32At(bytes, info + 16))
        << "VolumeID overlaps the local base path";
    EXPECT_EQ(ansiAt(bytes, info + u32At(bytes, info + 24)), "") << "common path suffix";
    EXPECT_EQ(utf16zAt(bytes, info + u32At(bytes, info + 28)),
              utf8ToUtf16(folder + "/Tempestina10"));
    EXPECT_EQ(utf16zAt(bytes, info + u32At(bytes, info + 32)), u"");

    // NAME_STRING then WORKING_DIR, counted UTF-16, then the terminal block and nothing more.
    std::size_t at = info + infoSize;
    ASSERT_EQ(u16At(bytes, at), 4);
    EXPECT_EQ(u16At(bytes, at + 2), u'C');
    EXPECT_EQ(u16At(bytes, at + 8), u'l');
    at += 2 + 2 * 4;
    const std::u16string dir = utf8ToUtf16(folder);
    ASSERT_EQ(u16At(bytes, at), dir.size());
    EXPECT_EQ(u16At(bytes, at + 2 + 2 * (dir.size() - 1)), dir.back());
    at += 2 + 2 * dir.size();
    EXPECT_EQ(bytes.size(), at + 4);
    EXPECT_EQ(u32At(bytes, at), 0u);
}

TEST(LnkWriter, textTooLongForItsCountIsRefused)
{
    ShellLink link = installerLink("/opt/t");
    link.workingDirectory = "/" + std::string(65535, 'a');
    EXPECT_THROW(shellLinkBytes(link), std::length_error);
    link.workingDirectory.pop_back();
    EXPECT_NO_THROW(shellLinkBytes(link));
}

TEST(TextEncoding, utf8ToUtf16)
{
    EXPECT_EQ(utf8ToUtf16("Città"), u"Città");
    EXPECT_EQ(utf8ToUtf16("\xF0\x9F\x98\x80"), u"\U0001F600") << "surrogate pair";
    EXPECT_EQ(utf8ToUtf16("a\xC3"), u"a\uFFFD") << "cut short";
    EXPECT_EQ(utf8ToUtf16("\xC3(b"), u"\uFFFD(b") << "bad continuation keeps the next byte";
    EXPECT_EQ(utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD") << "overlong form";
    EXPECT_EQ(utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD") << "encoded surrogate";
    EXPECT_EQ(cp1252::encode("€ “x” é\U0001F600"), "\x80 \x93x\x94 \xE9?");
}
