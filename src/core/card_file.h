#pragma once
// The archive Archivio.DAT: fixed 3002-byte records, card n at (n - 1) * 3002. While open it
// is locked, so a second copy of the program cannot keep a working copy of the same card.

#include "core/deadline_card.h"
#include "core/io_result.h"
#include "core/os_file.h"

#include <filesystem>

class CardFile {
public:
    CardFile() = default;
    CardFile(const CardFile&) = delete;
    CardFile& operator=(const CardFile&) = delete;
    virtual ~CardFile();

    // Opens for reading and writing and locks; a missing file is created empty. A file that
    // another open archive holds gives a failure with inUse set, and is left as it was. Then,
    // under the lock, a save that a power cut left halfway is finished from its journal.
    IoResult open(const std::filesystem::path& path);
    // Card n (from 1); a card wholly or partly past the end reads as empty there. Virtual
    // so that a test can make it fail as a damaged disk does.
    virtual IoResult read(int cardNumber, DeadlineCard& card);
    // Writes exactly one record and succeeds only once the disk holds it; other cards are
    // untouched. Whatever byte a power cut lands on, the next open finds the old card or the
    // new one, and only the new one once this has succeeded.
    IoResult write(int cardNumber, const DeadlineCard& card);
    void close();
    bool isOpen() const { return m_file.isOpen(); }

private:
    IoResult settleJournal(const std::string& failed);
    int writeJournal(std::int64_t offset, const std::string& record);
    // Removes the journal and makes that durable: 0 or an errno value.
    int removeJournal();

    OsFile m_file;
    std::filesystem::path m_journal; // empty for a device, which is written in place
};
