#include "core/card_file.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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

DeadlineCard sampleCard()
{
    DeadlineCard card;
    card.fields[1] = "15/03/05"; // date of slot 1
    card.fields[10] = "Tasse > pagare l'IVA entro le 12 già";
    card.fields[20] = "5";
    card.reserved = 0x2A;
    return card;
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
    EXPECT_EQ(fileBytes(archive), sampleCard().toRecord());
}

TEST(CardFile, writingCardOneLeavesTheOtherCardsByteForByte)
{
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    const std::string original = distinctBytes(3 * 3002, 1);
    writeFileBytes(archive, original);

    CardFile file;
    ASSERT_TRUE(file.open(archive));
    DeadlineCard card;
    ASSERT_TRUE(file.read(1, card));
    card.fields[0] = "01/01/05";
    ASSERT_TRUE(file.write(1, card));
    file.close();

    const std::string after = fileBytes(archive);
    ASSERT_EQ(after.size(), original.size());
    EXPECT_EQ(after.substr(0, 3002), card.toRecord());
    EXPECT_EQ(after.substr(3002), original.substr(3002));
}

TEST(CardFile, reservedWordIsWrittenBackAsRead)
{
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    DeadlineCard stored = sampleCard();
    stored.reserved = -12345;
    writeFileBytes(archive, stored.toRecord());

    CardFile file;
    ASSERT_TRUE(file.open(archive));
    DeadlineCard card;
    ASSERT_TRUE(file.read(1, card));
    EXPECT_EQ(card.reserved, -12345);
    ASSERT_TRUE(file.write(1, card));
    file.close();
    EXPECT_EQ(fileBytes(archive).substr(3000), "\xC7\xCF");
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
    writeFileBytes(archive, bytes);

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
    EXPECT_EQ(fileBytes(archive), bytes); // reading changes nothing
}

TEST(CardFile, writingPastTheEndExtendsTheFile)
{
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    writeFileBytes(archive, "corto");

    CardFile file;
    ASSERT_TRUE(file.open(archive));
    ASSERT_TRUE(file.write(3, sampleCard()));
    DeadlineCard card;
    ASSERT_TRUE(file.read(3, card));
    EXPECT_EQ(card.fields, sampleCard().fields);
    file.close();

    const std::string after = fileBytes(archive);
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
    EXPECT_EQ(fileBytes(archive).substr(1000, 7), "\xE0\xE8\xE9\xEC\xF2\xF9 ");

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

TEST(CardFile, readOnlyArchiveFailsToOpenAndStaysAsItWas)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write a read-only file";
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    const std::string original = sampleCard().toRecord();
    writeFileBytes(archive, original);
    fs::permissions(archive, fs::perms::owner_read);

    CardFile file;
    const IoResult result = file.open(archive);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find("permesso negato"), std::string::npos) << result.reason;
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(fileBytes(archive), original);
}

TEST(CardFile, missingArchiveInAReadOnlyFolderFailsToOpen)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write in a read-only folder";
    TempFolder folder;
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    CardFile file;
    EXPECT_FALSE(file.open(folder / "Archivio.DAT").ok);
    EXPECT_FALSE(file.isOpen());
    EXPECT_FALSE(fs::exists(folder / "Archivio.DAT"));
}

TEST(CardFile, fullDiskIsReportedOnWrite)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    CardFile file;
    ASSERT_TRUE(file.open("/dev/full"));
    const IoResult result = file.write(1, sampleCard());
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find("il disco è pieno"), std::string::npos) << result.reason;
    EXPECT_TRUE(file.isOpen()); // the caller decides what to do next
    EXPECT_FALSE(file.write(1, sampleCard()).ok);
}

// A file-size limit is a real write failure on a real file, also for root.
TEST(CardFile, refusedWriteLeavesTheArchiveAsItWas)
{
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    const std::string original = sampleCard().toRecord();
    writeFileBytes(archive, original);

    CardFile file;
    ASSERT_TRUE(file.open(archive));

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = original.size();
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);

    const IoResult grow = file.write(2, DeadlineCard{});
    const IoResult rewrite = file.write(1, sampleCard());

    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(grow.ok);
    EXPECT_FALSE(grow.reason.empty());
    EXPECT_TRUE(rewrite.ok) << rewrite.reason;
    file.close();
    EXPECT_EQ(fileBytes(archive), original);
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

// The holder is another process, as a second copy of the program would find it.
TEST(CardFile, anOpenArchiveIsRefusedUnderAnyNameUntilItsHolderIsKilledAndStaysAsItWas)
{
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    writeFileBytes(archive, sampleCard().toRecord());
    fs::create_symlink(archive, folder / "altro nome");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        CardFile file;
        const char opened = file.open(archive).ok ? 'y' : 'n';
        [[maybe_unused]] const auto written = ::write(ready[1], &opened, 1);
        ::pause();
        ::_exit(0);
    }
    char opened = 0;
    ASSERT_EQ(::read(ready[0], &opened, 1), 1);
    EXPECT_EQ(opened, 'y');
    CardFile file;
    for (const fs::path& name : {archive, folder / "altro nome"}) {
        const IoResult refused = file.open(name);
        EXPECT_TRUE(refused.inUse);
        EXPECT_NE(refused.reason.find("già aperto"), std::string::npos) << refused.reason;
        EXPECT_FALSE(file.isOpen());
    }

    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_TRUE(file.open(archive)) << "the system drops the lock of a killed holder";
    EXPECT_EQ(fileBytes(archive), sampleCard().toRecord());
}

TEST(CardFile, aProcessStartedWhileTheArchiveIsOpenDoesNotKeepItLocked)
{
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    CardFile file;
    ASSERT_TRUE(file.open(archive));
    pid_t child = 0;
    char sleep[] = "sleep";
    char seconds[] = "30";
    char* arguments[] = {sleep, seconds, nullptr};
    ASSERT_EQ(::posix_spawnp(&child, "sleep", nullptr, nullptr, arguments, environ), 0);
    file.close();

    const IoResult reopened = file.open(archive);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(reopened) << reopened.reason;
}

// /dev/null takes every byte but cannot sync: the save must not be reported as done.
TEST(CardFile, aWriteTheDiskDoesNotConfirmIsAFailedWrite)
{
    CardFile file;
    ASSERT_TRUE(file.open("/dev/null"));
    const IoResult result = file.write(1, sampleCard());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "Impossibile salvare l'archivio sul disco: il file non lo permette");
    EXPECT_TRUE(file.isOpen());
}
