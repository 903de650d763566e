// Our shortcut bytes as the Windows shell reads them back: every field, for the installer's
// shortcut and for the texts that are easy to get wrong.

#include "installer/lnk_writer.h"
#include "shell_link_reader.h"
#include "test_files.h"

#include <gtest/gtest.h>

TEST(ShellLinkLoad, theShellReadsBackEveryField)
{
    const std::string accented = "C:\\cartella di prova \xC3\xA8\\";
    const ShellLink rows[] = {
        {"C:\\Tempestina10\\Tempestina10.exe", "Coll", "", "C:\\Tempestina10", 1},
        {accented + "Tempestina10.exe", "Coll", "", accented, 1},
        {"Z:\\srv\\t\\Tempestina10.exe", "Scadenze \xE2\x82\xAC 2005", "/a \"b c\"", "Z:\\srv", 1},
        {"C:\\t.exe", std::string(1000, 'd'), "", "", 1},
    };
    for (const ShellLink& row : rows) {
        SCOPED_TRACE(row.targetPath);
        TempFolder temp;
        const auto file = temp.path() / "Tempestina10.lnk";
        writeBytes(file, shellLinkBytes(row));
        const auto read = readShellLink(file.wstring());
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->targetPath, row.targetPath);
        EXPECT_EQ(read->workingDirectory, row.workingDirectory);
        EXPECT_EQ(read->description, row.description);
        EXPECT_EQ(read->arguments, row.arguments);
        EXPECT_EQ(read->showCommand, static_cast<int>(row.showCommand));
    }
}
