#include "core/card_file.h"

#include "core/card_journal.h"
#include "sample_card.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <functional>
#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace fs = std::filesystem;

namespace {

// Bytes that no card would hold by accident, different for every position.
std::string distinctBytes(std::size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 31 + seed * 17 + i / 251) & 0xFF);
    return bytes;
}

} // namespace

TEST(CardFile, missingArchiveIsCreatedEmptyAndHoldsOneCardAfterSaving)
{
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    CardFile file;
    ASSERT_TRUE(file.open(archive)) << file.open(archive).reason;
    EXPECT_TRUE(file.isOpen());
    ASSERT_TRUE(fs::exists(archive));
    EXPECT_EQ(fs::file_size(archive), 0u);

    DeadlineCard card = sampleCard();
    ASSERT_TRUE(file.read(1, card));
    EXPECT_EQ(card.fields, DeadlineCard{}.fields);
    EXPECT_EQ(card.reserved, 0);

    ASSERT_TRUE(file.write(1, sampleCard()));
    file.close();
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(readBytes(archive), sampleCard().toRecord());
}

TEST(CardFile, writingCardOneLeavesTheOtherCardsByteForByte)
{
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    const std::string original = distinctBytes(3 * 3002, 1);
    writeBytes(archive, original);

    CardFile file;
    ASSERT_TRUE(file.open(archive));
    DeadlineCard card;
    ASSERT_TRUE(file.read(1, card));
    card.fields[0] = "01/01/05";
    ASSERT_TRUE(file.write(1, card));
    file.close();

    const std::string after = readBytes(archive);
    ASSERT_EQ(after.size(), original.size());
    EXPECT_EQ(after.substr(0, 3002), card.toRecord());
    EXPECT_EQ(after.substr(3002), original.substr(3002));
    EXPECT_FALSE(fs::exists(folder / "Archivio.DAT.giornale"));
}

TEST(CardFile, reservedWordIsWrittenBackAsRead)
{
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    DeadlineCard stored = sampleCard();
    stored.reserved = -12345;
    writeBytes(archive, stored.toRecord());

    CardFile file;
    ASSERT_TRUE(file.open(archive));
    DeadlineCard card;
    ASSERT_TRUE(file.read(1, card));
    EXPECT_EQ(card.reserved, -12345);
    ASSERT_TRUE(file.write(1, card));
    file.close();
    EXPECT_EQ(readBytes(archive).substr(3000), "\xC7\xCF");
}

TEST(CardFile, cardsAreFoundAtTheirOffsetsAndAShortLastRecordReadsEmptyAtItsEnd)
{
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    DeadlineCard second = sampleCard();
    second.fields[0] = "seconda";
    second.fields[4] = "quinto campo";
    second.fields[5] = "sesto campo";
    const std::string bytes = DeadlineCard{}.toRecord() + second.toRecord().substr(0, 505);
    writeBytes(archive, bytes);

    CardFile file;
    ASSERT_TRUE(file.open(archive));
    DeadlineCard card;
    ASSERT_TRUE(file.read(2, card));
    EXPECT_EQ(card.fields[0], "seconda");
    EXPECT_EQ(card.fields[4], "quinto campo");
    EXPECT_EQ(card.fields[5], "sesto"); // 5 of its 100 bytes are in the file
    for (int i = 6; i < 30; ++i)
        EXPECT_EQ(card.fields[i], "") << i;
    EXPECT_EQ(card.reserved, 0);

    ASSERT_TRUE(file.read(5, card));
    EXPECT_EQ(card.fields, DeadlineCard{}.fields);
    file.close();
    EXPECT_EQ(readBytes(archive), bytes); // reading changes nothing
}

TEST(CardFile, writingPastTheEndExtendsTheFile)
{
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    writeBytes(archive, "corto");

    CardFile file;
    ASSERT_TRUE(file.open(archive));
    ASSERT_TRUE(file.write(3, sampleCard()));
    DeadlineCard card;
    ASSERT_TRUE(file.read(3, card));
    EXPECT_EQ(card.fields, sampleCard().fields);
    file.close();

    const std::string after = readBytes(archive);
    ASSERT_EQ(after.size(), 3u * 3002);
    EXPECT_EQ(after.substr(0, 5), "corto");
    EXPECT_EQ(after.substr(6004), sampleCard().toRecord());
}

TEST(CardFile, accentedLettersAreSingleBytesOnDisk)
{
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    DeadlineCard card;
    card.fields[10] = "àèéìòù";
    {
        CardFile file;
        ASSERT_TRUE(file.open(archive));
        ASSERT_TRUE(file.write(1, card));
    } // the destructor closes
    EXPECT_EQ(readBytes(archive).substr(1000, 7), "\xE0\xE8\xE9\xEC\xF2\xF9 ");

    CardFile file;
    ASSERT_TRUE(file.open(archive));
    DeadlineCard back;
    ASSERT_TRUE(file.read(1, back));
    EXPECT_EQ(back.fields[10], "àèéìòù");
}

TEST(CardFile, openingAFolderFailsAndLeavesItAlone)
{
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    fs::create_directory(archive);

    CardFile file;
    const IoResult result = file.open(archive);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find("cartella"), std::string::npos) << result.reason;
    EXPECT_FALSE(file.isOpen());
    EXPECT_TRUE(fs::is_directory(archive));
    EXPECT_TRUE(fs::is_empty(archive));

    DeadlineCard card;
    EXPECT_FALSE(file.read(1, card).ok);
    EXPECT_FALSE(file.write(1, card).ok);
}

TEST(CardFile, openingInAMissingFolderFailsAndCreatesNothing)
{
    TempFolder folder;
    const fs::path archive = folder / "manca" / "Archivio.DAT";
    CardFile file;
    const IoResult result = file.open(archive);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_FALSE(file.isOpen());
    EXPECT_FALSE(fs::exists(folder / "manca"));
}

TEST(CardFile, aFailedOpenClosesTheArchiveOpenedBefore)
{
    TempFolder folder;
    CardFile file;
    ASSERT_TRUE(file.open(folder / "Archivio.DAT"));
    EXPECT_FALSE(file.open(folder.path()).ok);
    EXPECT_FALSE(file.isOpen());
    EXPECT_FALSE(file.write(1, sampleCard()).ok);
    EXPECT_EQ(fs::file_size(folder / "Archivio.DAT"), 0u);
}

TEST(CardFile, cardNumbersStartAtOne)
{
    TempFolder folder;
    CardFile file;
    ASSERT_TRUE(file.open(folder / "Archivio.DAT"));
    DeadlineCard card;
    EXPECT_FALSE(file.read(0, card).ok);
    EXPECT_FALSE(file.write(0, card).ok);
    EXPECT_FALSE(file.write(-1, card).ok);
    file.close();
    EXPECT_EQ(fs::file_size(folder / "Archivio.DAT"), 0u);
}

// Whatever is in the journal's place and is no journal a cut left of a save of this archive is
// refused, at the open and at a save alike, and nothing is touched: neither it nor the archive.
TEST(CardJournal, whatIsNoJournalOfThisArchiveIsRefusedAndLeftAsItWas)
{
    const std::string cards = distinctBytes(2 * 3002, 3);
    const std::string journal = cardjournal::encode(0, distinctBytes(3002, 4));
    const auto bytes = [](std::string content) {
        return [content](const fs::path& place) { writeBytes(place, content); };
    };
    struct Row {
        const char* what;
        std::function<void(const fs::path& place)> make;
        const char* reason; // after "il giornale Archivio.DAT.giornale "
    };
    std::vector<Row> rows = {
        {"a folder", [](const fs::path& place) { fs::create_directory(place); }, "è una cartella"},
        {"a file of another program", bytes("Caro diario, oggi"), "non è un giornale"},
        {"a record of another length", bytes(cardjournal::encode(0, std::string(100, 'x'))),
         "non contiene una scheda di 3002 byte ma di 100"},
        {"more bytes than its record", bytes(journal + "x"), "è più lungo di una scheda"},
        {"a card past the end", bytes(cardjournal::encode(3 * 3002, distinctBytes(3002, 4))),
         "indica una scheda oltre la fine dell'archivio"},
        {"a card not at a card's start", bytes(cardjournal::encode(100, distinctBytes(3002, 4))),
         "non indica l'inizio di una scheda"},
        {"a read-only journal",
         [&](const fs::path& place) {
             writeBytes(place, journal);
             fs::permissions(
                 place, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                 fs::perm_options::remove);
         },
         "è di sola lettura; l'archivio non è stato toccato: togliere la sola lettura al giornale"},
    };
#ifndef _WIN32
    rows.push_back({"a link to a journal",
                    [&](const fs::path& place) {
                        writeBytes(place.parent_path() / "altrove", journal);
                        fs::create_symlink("altrove", place);
                    },
                    "è un collegamento"});
    rows.push_back({"a named pipe", [](const fs::path& place) { ::mkfifo(place.c_str(), 0600); },
                    "è un dispositivo o un file speciale"});
    if (::geteuid() == 0) // a device is made by root only
        rows.push_back(
            {"a device",
             [](const fs::path& place) { ::mknod(place.c_str(), S_IFCHR | 0600, makedev(1, 3)); },
             "è un dispositivo o un file speciale"});
#endif
    for (const Row& row : rows) {
        for (const bool atOpen : {true, false}) {
            TempFolder folder;
            const fs::path archive = folder / "Archivio.DAT";
            const fs::path place = folder / "Archivio.DAT.giornale";
            writeBytes(archive, cards);
            CardFile file;
            if (atOpen)
                row.make(place);
            const IoResult opened = file.open(archive);
            if (!atOpen) {
                ASSERT_TRUE(opened) << row.what;
                row.make(place);
            }
            const IoResult result = atOpen ? opened : file.write(1, sampleCard());
            const std::string expected =
                std::string(atOpen ? "Impossibile aprire" : "Impossibile scrivere") +
                " l'archivio: il giornale Archivio.DAT.giornale " + row.reason;
            EXPECT_EQ(result.reason.substr(0, expected.size()), expected)
                << row.what << (atOpen ? " at the open" : " at a save");
            EXPECT_EQ(file.isOpen(), !atOpen) << row.what;
            file.close();
            EXPECT_TRUE(readBytes(archive) == cards) << row.what;
            const auto kind = fs::symlink_status(place).type();
            EXPECT_NE(kind, fs::file_type::not_found) << row.what;
            if (kind == fs::file_type::regular)
                fs::permissions(place, fs::perms::owner_write, fs::perm_options::add);
        }
    }
}

// Two copies started together: the second must not take the first one's journal, written while
// it saves, for the leftover of a cut.
TEST(CardJournal, aSecondCopyNeverTouchesTheFirstOnesJournal)
{
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    const std::string cards = distinctBytes(2 * 3002, 5);
    const std::string journal = cardjournal::encode(0, distinctBytes(3002, 6)).substr(0, 1000);
    writeBytes(archive, cards);
    CardFile first;
    ASSERT_TRUE(first.open(archive));
    writeBytes(folder / "Archivio.DAT.giornale", journal);

    CardFile second;
    EXPECT_TRUE(second.open(archive).inUse);
    EXPECT_TRUE(readBytes(folder / "Archivio.DAT.giornale") == journal);
    EXPECT_TRUE(readBytes(archive) == cards);
}
