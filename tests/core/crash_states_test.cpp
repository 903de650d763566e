// Whatever byte a power cut lands on during a save, the next start finds the card and the list
// whole, old or new, and only new once the save has returned.

#include "core/card_file.h"
#include "types/types_file.h"

#include "crash_explorer.h"
#include "sample_card.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>

namespace fs = std::filesystem;

namespace {

const std::string kArchive = "Archivio.DAT";
const std::string kList = "lista.txt";

// In one read: thousands of states make a byte-by-byte stream too slow under the sanitizers.
FolderFiles filesIn(const fs::path& folder)
{
    FolderFiles files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::string& bytes = files[entry.path().filename().string()];
        bytes.resize(static_cast<std::size_t>(fs::file_size(entry.path())));
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    return files;
}

void layOut(const fs::path& folder, const FolderFiles& files)
{
    for (const auto& entry : fs::directory_iterator(folder))
        fs::remove_all(entry.path());
    for (const auto& [name, bytes] : files)
        writeBytes(folder / name, bytes);
}

// The start as the program does it: the list for the type boxes, then the archive and card 1.
// What is wrong with the outcome, or nothing.
std::string recover(const fs::path& folder)
{
    std::vector<std::string> entries;
    if (const IoResult read = typesfile::readEntries(folder / kList, entries); !read)
        return read.reason;
    CardFile archive;
    if (const IoResult opened = archive.open(folder / kArchive); !opened)
        return opened.reason;
    DeadlineCard card;
    if (const IoResult read = archive.read(1, card); !read)
        return read.reason;
    return {};
}

// A recovery folder where a sync costs nothing, when there is one: thousands of states.
fs::path quickFolder()
{
    std::error_code ec;
    if (fs::is_directory("/dev/shm", ec))
        return "/dev/shm";
    return fs::temp_directory_path();
}

struct Operation {
    std::string name;
    FolderFiles before;
    std::function<IoResult(const fs::path& folder)> run;
    bool control = false; // a save known to tear: the explorer must find it
};

struct Tally {
    std::size_t states = 0;
    std::size_t lost = 0;
    std::string firstLoss;
};

// A file that must come back as it was or as the run left it: a missing archive reads as empty,
// as the start makes it so.
bool oldOrNew(const FolderFiles& recovered, const FolderFiles& before, const FolderFiles& after,
              const std::string& name, bool returned)
{
    const auto bytesOf = [&](const FolderFiles& files) -> std::optional<std::string> {
        if (const auto found = files.find(name); found != files.end())
            return found->second;
        return name == kArchive ? std::optional<std::string>("") : std::nullopt;
    };
    const auto got = bytesOf(recovered);
    return got == bytesOf(after) || (!returned && got == bytesOf(before));
}

Tally explore(const Operation& operation)
{
    TempFolder runFolder;
    layOut(runFolder.path(), operation.before);
    std::vector<FileTrace::Step> steps;
    {
        FileTrace trace;
        const IoResult result = operation.run(runFolder.path());
        EXPECT_TRUE(result) << operation.name << ": " << result.reason;
        steps = trace.steps();
    }
    FolderFiles after = filesIn(runFolder.path());
    EXPECT_NE(after, operation.before) << operation.name << " changed nothing";

    const fs::path recoveryFolder = quickFolder() / ("t10crash-" + std::to_string(::getpid()) +
                                                     "-" + runFolder.path().filename().string());
    fs::create_directory(recoveryFolder);
    Tally tally;
    forEachCrashState(operation.before, steps, [&](const FolderFiles& files, bool returned) {
        ++tally.states;
        layOut(recoveryFolder, files);
        std::string problem = recover(recoveryFolder);
        const FolderFiles recovered = filesIn(recoveryFolder);
        if (problem.empty() && recovered.count(kArchive + ".giornale"))
            problem = "the journal is still there";
        for (const std::string& name : {kArchive, kList}) {
            if (problem.empty() && !oldOrNew(recovered, operation.before, after, name, returned))
                problem = name + " is neither the old one nor the new one";
        }
        if (!problem.empty() && tally.lost++ == 0)
            tally.firstLoss = problem + (returned ? " (after the save returned)" : "");
    });
    fs::remove_all(recoveryFolder);
    return tally;
}

// A card whose every byte differs from that of a card of another seed (below 26 apart), so
// that each torn byte makes a state of its own.
DeadlineCard cardOf(int seed)
{
    DeadlineCard card;
    for (int field = 0; field < DeadlineCard::FieldCount; ++field) {
        for (int i = 0; i < DeadlineCard::FieldWidth; ++i)
            card.fields[field] += static_cast<char>('a' + (seed + field + i) % 26);
    }
    card.reserved = static_cast<std::int16_t>(seed * 0x0101);
    return card;
}

IoResult startAndSave(const fs::path& folder, const DeadlineCard& card)
{
    CardFile archive;
    if (IoResult opened = archive.open(folder / kArchive); !opened)
        return opened;
    DeadlineCard shown;
    if (IoResult read = archive.read(1, shown); !read)
        return read;
    return archive.write(1, card);
}

} // namespace

TEST(CrashStates, everySaveComesBackWholeOldOrNewWhereverThePowerIsCut)
{
    const std::string threeCards =
        cardOf(1).toRecord() + cardOf(2).toRecord() + cardOf(3).toRecord();
    const std::vector<Operation> operations = {
        {"first start, archive made",
         {},
         [](const fs::path& folder) { return startAndSave(folder, sampleCard()); }},
        {"card 1 of three saved",
         {{kArchive, threeCards}},
         [](const fs::path& folder) { return startAndSave(folder, cardOf(4)); }},
        {"type added",
         {{kList, "Banca\r\nPosta\r\n"}},
         [](const fs::path& folder) { return typesfile::appendEntry(folder / kList, "Tasse"); }},
        {"type removed",
         {{kList, "Banca\r\nPosta\r\nTasse\r\n"}},
         [](const fs::path& folder) { return typesfile::removeEntry(folder / kList, "Posta"); }},
        {"control: card 1 written in place",
         {{kArchive, threeCards}},
         [](const fs::path& folder) {
             OsFile archive;
             const int error = archive.open(folder / kArchive, OsFile::Mode::ReadWrite);
             return error == 0 && archive.writeAt(0, cardOf(4).toRecord()) == 0 &&
                            archive.sync() == 0
                        ? IoResult::success()
                        : IoResult::failure("in-place write failed");
         },
         true},
    };

    std::printf("| operation | crash states | states that lost data |\n| --- | --- | --- |\n");
    for (const Operation& operation : operations) {
        const Tally tally = explore(operation);
        std::printf("| %s | %zu | %zu |\n", operation.name.c_str(), tally.states, tally.lost);
        EXPECT_GT(tally.states, 2u) << operation.name;
        if (operation.control)
            EXPECT_GT(tally.lost, 0u) << operation.name;
        else
            EXPECT_EQ(tally.lost, 0u) << operation.name << ", first: " << tally.firstLoss;
    }
    std::fflush(stdout);
}
