// The shell's own Startup and Programs folders, each asked for by itself.

#include "installer/platform_folders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

namespace {

// Case does not matter in Windows paths (Wine names the folder "StartUp").
bool endsWith(std::string text, const std::string& end)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

TEST(PlatformFolders, shellFoldersNoDesktopEntriesAndTheExeName)
{
    const std::string startUp = platformSpecialFolder(SpecialFolder::StartUp);
    const std::string programs = platformSpecialFolder(SpecialFolder::Programs);
    EXPECT_TRUE(endsWith(startUp, "\\start menu\\programs\\startup")) << startUp;
    EXPECT_TRUE(endsWith(programs, "\\start menu\\programs")) << programs;
    EXPECT_EQ(startUp.substr(1, 2), ":\\");
    EXPECT_FALSE(platformReadsDesktopEntries());
    EXPECT_EQ(platformMainProgramFileName(), QStringLiteral("Tempestina10.exe"));
}
