// Archive failures that only a POSIX system can bring about on purpose: file modes, /dev/full
// and a file-size limit.

#include "core/card_file.h"

#include "sample_card.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace fs = std::filesystem;

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
