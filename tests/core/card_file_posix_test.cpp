// Archive failures that only a POSIX system can bring about on purpose: file modes, /dev/full,
// /dev/null, a file-size limit, and a lock held by another process.

#include "core/card_file.h"

#include "file_size_limit.h"
#include "sample_card.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

TEST(CardFile, readOnlyArchiveFailsToOpenAndStaysAsItWas)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write a read-only file";
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    const std::string original = sampleCard().toRecord();
    writeBytes(archive, original);
    fs::permissions(archive, fs::perms::owner_read);

    CardFile file;
    const IoResult result = file.open(archive);
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.reason.find("permesso negato"), std::string::npos) << result.reason;
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(readBytes(archive), original);
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

// A journal that cannot be written fails the save before the archive is touched; a card cut
// short after its journal is finished from it at the next open.
TEST(CardFile, aRefusedWriteLosesNothing)
{
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    const fs::path journal = folder / "Archivio.DAT.giornale";
    const std::string original = sampleCard().toRecord();
    writeBytes(archive, original);
    DeadlineCard second = sampleCard();
    second.fields[0] = "seconda";

    CardFile file;
    ASSERT_TRUE(file.open(archive));
    IoResult noJournal, cutShort;
    {
        FileSizeLimit limit(original.size()); // the journal is longer than one card
        ASSERT_TRUE(limit.set());
        noJournal = file.write(1, DeadlineCard{});
    }
    EXPECT_EQ(readBytes(archive), original);
    EXPECT_FALSE(fs::exists(journal));
    {
        FileSizeLimit limit(original.size() + 24); // room for the journal, not for card 2
        ASSERT_TRUE(limit.set());
        cutShort = file.write(2, second);
    }
    file.close();

    EXPECT_EQ(noJournal.reason.rfind("Impossibile scrivere il giornale Archivio.DAT.giornale: ", 0),
              0u)
        << noJournal.reason;
    EXPECT_FALSE(cutShort.ok);
    EXPECT_TRUE(fs::exists(journal));
    ASSERT_TRUE(file.open(archive));
    EXPECT_EQ(readBytes(archive), original + second.toRecord());
    EXPECT_FALSE(fs::exists(journal));
}

// The holder is another process, as a second copy of the program would find it.
TEST(CardFile, anOpenArchiveIsRefusedUnderAnyNameUntilItsHolderIsKilledAndStaysAsItWas)
{
    TempFolder folder;
    const fs::path archive = folder / "Archivio.DAT";
    writeBytes(archive, sampleCard().toRecord());
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
    EXPECT_EQ(readBytes(archive), sampleCard().toRecord());
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
