#include "core/card_file.h"

#include <cerrno>
#include <cstdint>
#include <system_error>

namespace {

std::int64_t offsetOf(int cardNumber)
{
    return static_cast<std::int64_t>(cardNumber - 1) * DeadlineCard::RecordSize;
}

IoResult failureFromErrno(const char* what, int error)
{
    return IoResult::failure(std::string(what) + ": " + describeErrno(error ? error : EIO));
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
    return IoResult::success();
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

    if (const int error = m_file.writeAt(offsetOf(cardNumber), card.toRecord()))
        return failureFromErrno("Impossibile scrivere l'archivio", error);
    // Card 1 lies wholly in the file's first 4 KiB page, so this one write is as near to
    // atomic as the file system gives: after a power cut the disk holds the old card or the
    // new one. No journal is needed, and a copy renamed over the archive would rewrite every
    // other card as well. A failed sync is a failed save: the next try writes the card again.
    if (const int error = m_file.sync())
        return failureFromErrno("Impossibile salvare l'archivio sul disco", error);
    return IoResult::success();
}

void CardFile::close()
{
    m_file.close();
}
