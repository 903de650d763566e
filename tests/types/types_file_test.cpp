#include "types/types_file.h"

#include "test_files.h"

#include <gtest/gtest.h>

#include <functional>

#ifndef _WIN32
#include "file_size_limit.h"

#include <sys/stat.h>
#endif

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

    writeBytes(folder / "lista.txt", "");
    entries = {"vecchio"};
    EXPECT_TRUE(typesfile::readEntries(folder / "lista.txt", entries));
    EXPECT_TRUE(entries.empty());
}

TEST(TypesFileRead, bytesAreWindows1252)
{
    TempFolder folder;
    writeBytes(folder / "lista.txt", "Universit\xE0\r\nSpese \x80\r\n");
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
    ASSERT_TRUE(typesfile::appendEntry(list, "Tasse"));
    EXPECT_EQ(readBytes(list), "Tasse\r\n");
    ASSERT_TRUE(typesfile::appendEntry(list, "Città, provincia"));
    ASSERT_TRUE(typesfile::appendEntry(list, ""));
    EXPECT_EQ(readBytes(list), "Tasse\r\nCitt\xE0, provincia\r\n\r\n");

    // Written unchanged: the comma splits the entry at the next reading.
    Entries entries;
    ASSERT_TRUE(typesfile::readEntries(list, entries));
    EXPECT_EQ(entries, (Entries{"Tasse", "Città", " provincia", ""}));
}

TEST(TypesFileAppend, theLinesBeforeStayByteForByte)
{
    TempFolder folder;
    const fs::path list = folder / "lista.txt";
    writeBytes(list, "Auto,Casa\n\"Luce, gas\"\r\nultima senza fine");
    ASSERT_TRUE(typesfile::appendEntry(list, "Tasse"));
    EXPECT_EQ(readBytes(list), "Auto,Casa\n\"Luce, gas\"\r\nultima senza fineTasse\r\n");
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
    writeBytes(list, original);

    ASSERT_TRUE(typesfile::removeEntry(list, "Bollo"));
    EXPECT_EQ(readBytes(list), expected); // 147 lines, in file order
    EXPECT_FALSE(fs::exists(folder / "lista.txt.tmp"));
}

TEST(TypesFileRemove, comparisonIsExactAndEntriesComeBackOnePerLine)
{
    TempFolder folder;
    const fs::path list = folder / "lista.txt";
    writeBytes(list, "Auto,Casa\nbollo\r\nBollo\r\n Bollo\r\n\"Luce, gas\"\r\n\r\nCaff\xE8\r\n");
    ASSERT_TRUE(typesfile::removeEntry(list, "Bollo"));
    EXPECT_EQ(readBytes(list),
              "Auto\r\nCasa\r\nbollo\r\n Bollo\r\n\"Luce, gas\"\r\n\r\nCaff\xE8\r\n");

    Entries entries;
    ASSERT_TRUE(typesfile::readEntries(list, entries));
    EXPECT_EQ(entries, (Entries{"Auto", "Casa", "bollo", " Bollo", "Luce, gas", "", "Caffè"}));
}

TEST(TypesFileRemove, missingFileIsCreatedEmpty)
{
    TempFolder folder;
    ASSERT_TRUE(typesfile::removeEntry(folder / "lista.txt", "x"));
    EXPECT_EQ(readBytes(folder / "lista.txt"), "");
}

namespace {

using Change = std::pair<const char*, std::function<IoResult(const fs::path&)>>;
const std::vector<Change> kChanges = {
    {"add", [](const fs::path& list) { return typesfile::appendEntry(list, "c"); }},
    {"remove", [](const fs::path& list) { return typesfile::removeEntry(list, "a"); }},
};

} // namespace

// What a cut or another program left beside the list is neither read, kept nor written through.
TEST(TypesFileChange, leftoverBesideTheListIsReplacedNotWrittenThrough)
{
    std::vector<std::pair<const char*, std::function<void(const fs::path& temporary)>>> leftovers =
        {
            {"a half list", [](const fs::path& t) { writeBytes(t, "Banca\r\nPos"); }},
        };
#ifndef _WIN32
    leftovers.push_back({"a link to another file", [](const fs::path& t) {
                             fs::create_symlink(t.parent_path() / "altro.txt", t);
                         }});
    leftovers.push_back(
        {"a pipe", [](const fs::path& t) { ASSERT_EQ(mkfifo(t.c_str(), 0600), 0); }});
#endif
    for (const auto& [what, leave] : leftovers) {
        for (const auto& [change, run] : kChanges) {
            TempFolder folder;
            const fs::path list = folder / "lista.txt";
            writeBytes(list, "a\r\nb\r\n");
            writeBytes(folder / "altro.txt", "non toccare");
            leave(folder / "lista.txt.tmp");

            ASSERT_TRUE(run(list)) << change << ", " << what;
            EXPECT_EQ(readBytes(list), std::string(change) == "add" ? "a\r\nb\r\nc\r\n" : "b\r\n")
                << change << ", " << what;
            EXPECT_EQ(readBytes(folder / "altro.txt"), "non toccare") << change << ", " << what;
            EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "lista.txt.tmp")));
        }
    }
}

// Adding and removing alike: a new list that cannot be put beside the old one, or that never
// wholly reached the disk, must not take its place (after a power cut the list would come back
// empty or cut).
TEST(TypesFileChange, failedRewriteLeavesTheListAsItWas)
{
    for (const bool capped : {false, true}) {
#ifdef _WIN32
        if (capped)
            continue;
#endif
        for (const auto& [change, run] : kChanges) {
            TempFolder folder;
            const fs::path list = folder / "lista.txt";
            writeBytes(list, "a\r\nb\r\n");
            IoResult result;
            if (capped) {
#ifndef _WIN32
                FileSizeLimit limit(2);
                ASSERT_TRUE(limit.set());
                result = run(list);
#endif
            } else {
                fs::create_directory(folder / "lista.txt.tmp");
                result = run(list);
            }
            EXPECT_EQ(result.reason,
                      capped ? "Impossibile scrivere lista.txt: il file supera la dimensione "
                               "consentita"
                             : "Impossibile scrivere lista.txt: il nome indica una cartella")
                << change;
            EXPECT_EQ(readBytes(list), "a\r\nb\r\n") << change;
            // Only what the change made is removed: a folder of that name stays.
            EXPECT_EQ(fs::exists(folder / "lista.txt.tmp"), !capped) << change;
        }
    }
}
