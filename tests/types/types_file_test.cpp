#include "types/types_file.h"

#include "../core/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>

namespace fs = std::filesystem;
using Entries = std::vector<std::string>;
using typesfile::parseEntries;

TEST(TypesFileParse, oneEntryPerLine)
{
    EXPECT_EQ(parseEntries("Banca\r\nPosta\r\nTasse\r\n"), (Entries{"Banca", "Posta", "Tasse"}));
    EXPECT_EQ(parseEntries(""), Entries{});
}

TEST(TypesFileParse, commaSplitsALine)
{
    EXPECT_EQ(parseEntries("Auto,Casa\r\nTasse\r\n"), (Entries{"Auto", "Casa", "Tasse"}));
    EXPECT_EQ(parseEntries("a,,b\r\n"), (Entries{"a", "", "b"}));
    EXPECT_EQ(parseEntries("a,\r\nb\r\n"), (Entries{"a", "", "b"}));
}

TEST(TypesFileParse, quotedEntryKeepsItsCommasAndLosesItsQuotes)
{
    EXPECT_EQ(parseEntries("\"Luce, gas\"\r\nAcqua\r\n"), (Entries{"Luce, gas", "Acqua"}));
    EXPECT_EQ(parseEntries("\"a,b\",c\r\n"), (Entries{"a,b", "c"}));
    EXPECT_EQ(parseEntries("  \"a,b\"  \r\n"), (Entries{"a,b"}));
    EXPECT_EQ(parseEntries("\"\"\r\n"), (Entries{""}));
    EXPECT_EQ(parseEntries("\"aperta, mai chiusa\r\nx\r\n"), (Entries{"aperta, mai chiusa", "x"}));
    EXPECT_EQ(parseEntries("due \"parole\"\r\n"), (Entries{"due \"parole\""}));
}

TEST(TypesFileParse, emptyLineIsAnEmptyEntry)
{
    EXPECT_EQ(parseEntries("a\r\n\r\nb\r\n"), (Entries{"a", "", "b"}));
    EXPECT_EQ(parseEntries("\r\n"), (Entries{""}));
    EXPECT_EQ(parseEntries("a\r\n\r\n"), (Entries{"a", ""}));
}

TEST(TypesFileParse, lfAloneAndCrAloneEndLinesToo)
{
    EXPECT_EQ(parseEntries("a\nb\n"), (Entries{"a", "b"}));
    EXPECT_EQ(parseEntries("a\n\nb\n"), (Entries{"a", "", "b"}));
    EXPECT_EQ(parseEntries("a\rb\r"), (Entries{"a", "b"}));
    EXPECT_EQ(parseEntries("a\r\n\nb"), (Entries{"a", "", "b"}));
}

TEST(TypesFileParse, lastLineWithoutLineEndCounts)
{
    EXPECT_EQ(parseEntries("a\r\nb"), (Entries{"a", "b"}));
    EXPECT_EQ(parseEntries("solo"), (Entries{"solo"}));
}

TEST(TypesFileParse, blanksAroundEntriesAreKept)
{
    EXPECT_EQ(parseEntries(" a , b\t\r\n"), (Entries{" a ", " b\t"}));
}

TEST(TypesFileRead, missingOrEmptyFileGivesNoEntriesAndNoError)
{
    TempFolder folder;
    Entries entries{"vecchio"};
    EXPECT_TRUE(typesfile::readEntries(folder / "lista.txt", entries));
    EXPECT_TRUE(entries.empty());

    writeFileBytes(folder / "lista.txt", "");
    entries = {"vecchio"};
    EXPECT_TRUE(typesfile::readEntries(folder / "lista.txt", entries));
    EXPECT_TRUE(entries.empty());
}

TEST(TypesFileRead, bytesAreWindows1252)
{
    TempFolder folder;
    writeFileBytes(folder / "lista.txt", "Universit\xE0\r\nSpese \x80\r\n");
    Entries entries;
    ASSERT_TRUE(typesfile::readEntries(folder / "lista.txt", entries));
    EXPECT_EQ(entries, (Entries{"Università", "Spese €"}));
}

TEST(TypesFileRead, folderInPlaceOfTheFileIsReported)
{
    TempFolder folder;
    fs::create_directory(folder / "lista.txt");
    Entries entries;
    const IoResult result = typesfile::readEntries(folder / "lista.txt", entries);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
}

TEST(TypesFileAppend, appendsOneCrLfLineCreatingTheFile)
{
    TempFolder folder;
    const fs::path list = folder / "lista.txt";
    // What a cut left beside the list is neither read nor kept.
    writeFileBytes(folder / "lista.txt.tmp", "Banca\r\nPos");
    ASSERT_TRUE(typesfile::appendEntry(list, "Tasse"));
    EXPECT_EQ(fileBytes(list), "Tasse\r\n");
    EXPECT_FALSE(fs::exists(folder / "lista.txt.tmp"));
    ASSERT_TRUE(typesfile::appendEntry(list, "Città, provincia"));
    ASSERT_TRUE(typesfile::appendEntry(list, ""));
    EXPECT_EQ(fileBytes(list), "Tasse\r\nCitt\xE0, provincia\r\n\r\n");

    // Written unchanged: the comma splits the entry at the next reading.
    Entries entries;
    ASSERT_TRUE(typesfile::readEntries(list, entries));
    EXPECT_EQ(entries, (Entries{"Tasse", "Città", " provincia", ""}));
}

TEST(TypesFileAppend, theLinesBeforeStayByteForByte)
{
    TempFolder folder;
    const fs::path list = folder / "lista.txt";
    writeFileBytes(list, "Auto,Casa\n\"Luce, gas\"\r\nultima senza fine");
    ASSERT_TRUE(typesfile::appendEntry(list, "Tasse"));
    EXPECT_EQ(fileBytes(list), "Auto,Casa\n\"Luce, gas\"\r\nultima senza fineTasse\r\n");
}

TEST(TypesFileAppend, failuresAreReported)
{
    TempFolder folder;
    fs::create_directory(folder / "lista.txt");
    const IoResult onFolder = typesfile::appendEntry(folder / "lista.txt", "x");
    EXPECT_FALSE(onFolder.ok);
    EXPECT_FALSE(onFolder.reason.empty());
    EXPECT_TRUE(fs::is_empty(folder / "lista.txt"));

    const IoResult noFolder = typesfile::appendEntry(folder / "manca" / "lista.txt", "x");
    EXPECT_FALSE(noFolder.ok);
    EXPECT_NE(noFolder.reason.find("la cartella non esiste"), std::string::npos) << noFolder.reason;
    EXPECT_FALSE(fs::exists(folder / "manca"));

    // A new list renamed over a device would replace it: refused before anything is written.
    for (const char* device : {"/dev/full", "/dev/null"}) {
        if (!fs::exists(device))
            continue;
        EXPECT_EQ(typesfile::appendEntry(device, "x").reason,
                  "Impossibile scrivere " + fs::path(device).filename().string() +
                      ": il nome non indica un file");
        EXPECT_EQ(typesfile::removeEntry(device, "x").reason,
                  "Impossibile scrivere " + fs::path(device).filename().string() +
                      ": il nome non indica un file");
        EXPECT_TRUE(fs::is_character_file(device));
    }
}

TEST(TypesFileRemove, rewriteKeepsEveryOtherEntryWhateverTheirNumber)
{
    TempFolder folder;
    const fs::path list = folder / "lista.txt";
    std::string original;
    std::string expected;
    for (int i = 1; i <= 150; ++i) {
        const std::string entry = i % 50 == 0 ? "Bollo" : "Tipo " + std::to_string(i);
        original += entry + "\r\n";
        if (entry != "Bollo")
            expected += entry + "\r\n";
    }
    writeFileBytes(list, original);

    ASSERT_TRUE(typesfile::removeEntry(list, "Bollo"));
    EXPECT_EQ(fileBytes(list), expected); // 147 lines, in file order
    EXPECT_FALSE(fs::exists(folder / "lista.txt.tmp"));
}

TEST(TypesFileRemove, comparisonIsExactAndEntriesComeBackOnePerLine)
{
    TempFolder folder;
    const fs::path list = folder / "lista.txt";
    writeFileBytes(list,
                   "Auto,Casa\nbollo\r\nBollo\r\n Bollo\r\n\"Luce, gas\"\r\n\r\nCaff\xE8\r\n");
    ASSERT_TRUE(typesfile::removeEntry(list, "Bollo"));
    EXPECT_EQ(fileBytes(list),
              "Auto\r\nCasa\r\nbollo\r\n Bollo\r\n\"Luce, gas\"\r\n\r\nCaff\xE8\r\n");

    Entries entries;
    ASSERT_TRUE(typesfile::readEntries(list, entries));
    EXPECT_EQ(entries, (Entries{"Auto", "Casa", "bollo", " Bollo", "Luce, gas", "", "Caffè"}));
}

TEST(TypesFileRemove, missingFileIsCreatedEmpty)
{
    TempFolder folder;
    ASSERT_TRUE(typesfile::removeEntry(folder / "lista.txt", "x"));
    EXPECT_EQ(fileBytes(folder / "lista.txt"), "");
}

// Adding and removing alike: a new list that cannot be put beside the old one, or that never
// reached the disk, must not take its place (after a power cut the list would come back empty).
TEST(TypesFileChange, failedRewriteLeavesTheListAsItWas)
{
    struct Row {
        const char* what;
        std::function<void(const fs::path& temporary)> block;
        const char* reason;
    };
    std::vector<Row> rows = {
        {"a folder in the way", [](const fs::path& t) { fs::create_directory(t); },
         "Impossibile scrivere lista.txt: il nome indica una cartella"},
    };
#ifndef _WIN32
    rows.push_back({"a sync refused", // /dev/null takes the bytes and cannot sync
                    [](const fs::path& t) { fs::create_symlink("/dev/null", t); },
                    "Impossibile scrivere lista.txt: il file non lo permette"});
#endif
    const std::vector<std::pair<const char*, std::function<IoResult(const fs::path&)>>> changes = {
        {"add", [](const fs::path& list) { return typesfile::appendEntry(list, "c"); }},
        {"remove", [](const fs::path& list) { return typesfile::removeEntry(list, "a"); }},
    };
    for (const Row& row : rows) {
        for (const auto& [change, run] : changes) {
            TempFolder folder;
            const fs::path list = folder / "lista.txt";
            writeFileBytes(list, "a\r\nb\r\n");
            row.block(folder / "lista.txt.tmp");

            EXPECT_EQ(run(list).reason, row.reason) << change << ", " << row.what;
            EXPECT_EQ(fileBytes(list), "a\r\nb\r\n") << change << ", " << row.what;
            EXPECT_TRUE(fs::exists(fs::symlink_status(folder / "lista.txt.tmp")))
                << "only a file made by the change is removed";
        }
    }
}
