#include "core/card_file.h"

#include "core/card_journal.h"

#include <cerrno>
#include <cstdint>
#include <system_error>

// A save goes through a redo journal: the new record, its place and a checksum, beside the
// archive. The journal is synced and its name made durable; only then is the card overwritten
// in place and synced; then the journal is removed and the removal made durable. A cut before
// the journal is whole leaves the archive untouched and the journal fails its checksum; a cut
// after leaves a journal that the next open writes again.
//
// Redo rather than undo: writing the new record again is the same whatever the archive held,
// so the journal needs neither the old bytes nor the old length (a first save grows an empty
// archive), and a journal whose removal never reached the disk (Windows cannot sync a folder)
// only writes again the card the archive already has; an undo journal coming back would
// take back a save already confirmed. And the user's latest edits win.
//
// Windows: FlushFileBuffers after each write makes it durable, the file's length included;
// FILE_FLAG_WRITE_THROUGH would only move that wait into WriteFile, so it is not asked for.

namespace {

std::int64_t offsetOf(int cardNumber)
{
    return static_cast<std::int64_t>(cardNumber - 1) * DeadlineCard::RecordSize;
}

IoResult failureFromErrno(const std::string& what, int error)
{
    return IoResult::failure(what + ": " + describeErrno(error ? error : EIO));
}

// The archive must be a file: a folder opened for reading would give empty cards, and a
// pipe or socket cannot hold records. Character devices stay allowed (/dev/null, /dev/full).
bool isUsableKind(std::filesystem::file_type type)
{
    return type == std::filesystem::file_type::regular ||
           type == std::filesystem::file_type::character;
}

const char* const kNotAFile = "Impossibile aprire l'archivio: il nome non indica un file";

} // namespace

CardFile::~CardFile()
{
    close();
}

IoResult CardFile::open(const std::filesystem::path& path)
{
    close();

    std::error_code ec;
    const auto before = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(before))
        return failureFromErrno("Impossibile aprire l'archivio", EISDIR);
    if (std::filesystem::exists(before) && !isUsableKind(before.type()))
        return IoResult::failure(kNotAFile);

    int error = m_file.open(path, OsFile::Mode::ReadWrite);
    if (error == ENOENT) {
        // Created only when still missing, so a file made meanwhile is never truncated.
        error = m_file.open(path, OsFile::Mode::CreateNew);
        if (error == 0)
            syncFolderOf(path); // a save confirmed later cannot be lost with the name
        else if (error == EEXIST)
            error = m_file.open(path, OsFile::Mode::ReadWrite);
    }
    if (error)
        return failureFromErrno("Impossibile aprire l'archivio", error);

    const auto after = std::filesystem::status(path, ec);
    if (ec || !isUsableKind(after.type())) {
        m_file.close();
        return IoResult::failure(kNotAFile);
    }

    // A file system without locks (some network shares) keeps the program usable, unguarded.
    if (m_file.lock() == OsFile::Lock::HeldElsewhere) {
        m_file.close();
        return IoResult::heldElsewhere(
            "Impossibile aprire l'archivio: è già aperto da un'altra copia del programma");
    }

    // Only now, under the lock: the journal of a copy still saving is never touched. Beside
    // the file itself, so that every name of the archive finds the same journal.
    if (after.type() == std::filesystem::file_type::regular) {
        const auto real = std::filesystem::canonical(path, ec);
        m_journal = cardjournal::pathFor(ec ? path : real);
        if (IoResult settled = settleJournal("Impossibile aprire l'archivio"); !settled) {
            close();
            return settled;
        }
    }
    return IoResult::success();
}

// Finishes or drops what a cut save left; anything else in the journal's place stays as it is.
IoResult CardFile::settleJournal(const std::string& failed)
{
    const std::string name = m_journal.filename().string();
    const auto refuse = [&](const std::string& what, const char* remedy) {
        return IoResult::failure(failed + ": il giornale " + name + " " + what +
                                 "; l'archivio non è stato toccato: " + remedy);
    };
    const char* const moveIt = "spostare il giornale altrove";

    PathEntry entry;
    if (const int error = inspectPath(m_journal, entry))
        return failureFromErrno(failed + ": il giornale " + name, error);
    switch (entry.kind) {
    case PathEntry::Kind::Missing:
        return IoResult::success();
    case PathEntry::Kind::Folder:
        return refuse("è una cartella", moveIt);
    case PathEntry::Kind::Link:
        return refuse("è un collegamento", moveIt);
    case PathEntry::Kind::Special:
        return refuse("è un dispositivo o un file speciale", moveIt);
    case PathEntry::Kind::File:
        break;
    }
    // It may hold the last save: the user makes it writable, and the next start applies it.
    if (entry.readOnly)
        return refuse("è di sola lettura", "togliere la sola lettura al giornale");

    OsFile journal;
    std::string bytes(cardjournal::HeaderSize + DeadlineCard::RecordSize + 1, '\0');
    std::size_t got = 0;
    int error = journal.open(m_journal, OsFile::Mode::ReadOnly);
    if (error == 0)
        error = journal.readAt(0, bytes.data(), bytes.size(), got);
    journal.close();
    std::int64_t archiveSize = 0;
    if (error == 0)
        error = m_file.size(archiveSize);
    if (error)
        return failureFromErrno(failed + ": impossibile leggere il giornale " + name, error);
    bytes.resize(got);

    const cardjournal::Verdict verdict = cardjournal::check(bytes, archiveSize);
    if (verdict.kind == cardjournal::Verdict::Kind::Refuse)
        return refuse(verdict.reason, moveIt);
    if (verdict.kind == cardjournal::Verdict::Kind::Apply) {
        error = m_file.writeAt(verdict.offset, verdict.record);
        if (error == 0)
            error = m_file.sync();
        if (error)
            return failureFromErrno(failed + ": impossibile completare dal giornale " + name +
                                        " il salvataggio interrotto",
                                    error);
    }
    error = removeJournal();
    if (error)
        return failureFromErrno(failed + ": impossibile eliminare il giornale " + name, error);
    return IoResult::success();
}

int CardFile::removeJournal()
{
    const int error = removeFile(m_journal);
    return error ? error : syncFolderOf(m_journal);
}

// 0 or an errno value; on failure no journal of this save is left to apply.
int CardFile::writeJournal(std::int64_t offset, const std::string& record)
{
    int error = writeNewFile(m_journal, cardjournal::encode(offset, record));
    if (error == 0) {
        error = syncFolderOf(m_journal);
        if (error)
            removeFile(m_journal); // made by this call; the archive was not touched
    }
    return error;
}

IoResult CardFile::read(int cardNumber, DeadlineCard& card)
{
    if (!m_file.isOpen())
        return IoResult::failure("L'archivio non è aperto");
    if (cardNumber < 1)
        return IoResult::failure("Numero di scheda non valido");

    std::string bytes(DeadlineCard::RecordSize, '\0');
    std::size_t got = 0;
    if (const int error = m_file.readAt(offsetOf(cardNumber), bytes.data(), bytes.size(), got))
        return failureFromErrno("Impossibile leggere l'archivio", error);
    bytes.resize(got); // the part past the end of the file reads as empty
    card = DeadlineCard::fromRecord(bytes);
    return IoResult::success();
}

IoResult CardFile::write(int cardNumber, const DeadlineCard& card)
{
    if (!m_file.isOpen())
        return IoResult::failure("L'archivio non è aperto");
    if (cardNumber < 1)
        return IoResult::failure("Numero di scheda non valido");

    const std::int64_t offset = offsetOf(cardNumber);
    const std::string record = card.toRecord();
    if (!m_journal.empty()) {
        // What an earlier failed save of this run left comes first.
        if (IoResult settled = settleJournal("Impossibile scrivere l'archivio"); !settled)
            return settled;
        if (const int error = writeJournal(offset, record))
            return failureFromErrno(
                "Impossibile scrivere il giornale " + m_journal.filename().string(), error);
    }
    if (const int error = m_file.writeAt(offset, record))
        return failureFromErrno("Impossibile scrivere l'archivio", error);
    // A failed sync is a failed save: the next try writes the card again.
    if (const int error = m_file.sync())
        return failureFromErrno("Impossibile salvare l'archivio sul disco", error);
    if (!m_journal.empty()) {
        if (const int error = removeJournal())
            return failureFromErrno(
                "Impossibile eliminare il giornale " + m_journal.filename().string(), error);
    }
    return IoResult::success();
}

void CardFile::close()
{
    m_file.close();
    m_journal.clear();
}
