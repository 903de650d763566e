#include "core/card_file.h"

#include <cerrno>
#include <cstdint>
#include <system_error>

namespace {

// Offsets past 2 GiB need the 64-bit seek of the platform.
int seekTo(std::FILE* file, std::int64_t offset)
{
#ifdef _WIN32
    return _fseeki64(file, offset, SEEK_SET);
#else
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET);
#endif
}

std::int64_t offsetOf(int cardNumber)
{
    return static_cast<std::int64_t>(cardNumber - 1) * DeadlineCard::RecordSize;
}

IoResult failureFromErrno(const char* what, int error)
{
    return IoResult::failure(std::string(what) + ": " + describeErrno(error));
}

// The archive must be a file: a folder opened for reading would give empty cards, and a
// pipe or socket cannot hold records. Character devices stay allowed (/dev/null, /dev/full).
bool isUsableKind(std::filesystem::file_type type)
{
    return type == std::filesystem::file_type::regular ||
           type == std::filesystem::file_type::character;
}

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
        return IoResult::failure("Impossibile aprire l'archivio: il nome non indica un file");

    errno = 0;
    std::FILE* file = openFile(path, "r+b");
    if (!file && errno == ENOENT) {
        // "x": create only when still missing, so a file made meanwhile is never truncated.
        file = openFile(path, "w+bx");
        if (!file && errno == EEXIST)
            file = openFile(path, "r+b");
    }
    if (!file)
        return failureFromErrno("Impossibile aprire l'archivio", errno ? errno : EIO);

    const auto after = std::filesystem::status(path, ec);
    if (ec || !isUsableKind(after.type())) {
        std::fclose(file);
        return IoResult::failure("Impossibile aprire l'archivio: il nome non indica un file");
    }

    // Unbuffered: every record goes to the system at once, so a failed write leaves no
    // stale bytes in a buffer that a later flush or close would still try to write.
    std::setvbuf(file, nullptr, _IONBF, 0);
    m_file = file;
    return IoResult::success();
}

IoResult CardFile::read(int cardNumber, DeadlineCard& card)
{
    if (!m_file)
        return IoResult::failure("L'archivio non è aperto");
    if (cardNumber < 1)
        return IoResult::failure("Numero di scheda non valido");

    errno = 0;
    if (seekTo(m_file, offsetOf(cardNumber)) != 0)
        return failureFromErrno("Impossibile leggere l'archivio", errno ? errno : EIO);

    std::string bytes(DeadlineCard::RecordSize, '\0');
    errno = 0;
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), m_file);
    if (std::ferror(m_file)) {
        const int error = errno ? errno : EIO;
        std::clearerr(m_file);
        return failureFromErrno("Impossibile leggere l'archivio", error);
    }
    std::clearerr(m_file); // end of file is no error: the missing part reads as empty
    bytes.resize(got);
    card = DeadlineCard::fromRecord(bytes);
    return IoResult::success();
}

IoResult CardFile::write(int cardNumber, const DeadlineCard& card)
{
    if (!m_file)
        return IoResult::failure("L'archivio non è aperto");
    if (cardNumber < 1)
        return IoResult::failure("Numero di scheda non valido");

    const std::string record = card.toRecord();
    errno = 0;
    if (seekTo(m_file, offsetOf(cardNumber)) != 0)
        return failureFromErrno("Impossibile scrivere l'archivio", errno ? errno : EIO);

    errno = 0;
    const std::size_t put = std::fwrite(record.data(), 1, record.size(), m_file);
    const bool flushed = put == record.size() && std::fflush(m_file) == 0;
    if (!flushed || std::ferror(m_file)) {
        const int error = errno ? errno : EIO;
        std::clearerr(m_file);
        return failureFromErrno("Impossibile scrivere l'archivio", error);
    }
    return IoResult::success();
}

void CardFile::close()
{
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}
