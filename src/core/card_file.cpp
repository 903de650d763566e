#include "core/card_file.h"

#include <cerrno>
#include <cstdint>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

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

// Not inherited by any process started from here ("e"), which would keep the lock alive.
#ifdef _WIN32
constexpr const char* kUpdate = "r+b";
constexpr const char* kCreate = "w+bx";
#else
constexpr const char* kUpdate = "r+be";
constexpr const char* kCreate = "w+bxe";
#endif

#ifdef _WIN32
HANDLE osHandle(std::FILE* file)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
}
#endif

enum class Lock { Taken, HeldElsewhere, Unsupported };

// On the open file itself, so the system drops it however the program ends (kill -9 too) and
// no lock file is left behind.
Lock lockArchive(std::FILE* file)
{
#ifdef _WIN32
    // Windows locks are mandatory: one byte far past any card keeps the cards readable by
    // others (a backup), while a second copy still finds the lock.
    OVERLAPPED at{};
    at.OffsetHigh = 0x40000000;
    if (LockFileEx(osHandle(file), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                   &at))
        return Lock::Taken;
    return GetLastError() == ERROR_LOCK_VIOLATION ? Lock::HeldElsewhere : Lock::Unsupported;
#else
    // Open-file-description locks: unlike POSIX record locks they belong to this open file,
    // not to the process, so a second open in the same process is refused too.
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    if (::fcntl(::fileno(file), F_OFD_SETLK, &whole) == 0)
        return Lock::Taken;
    return errno == EAGAIN || errno == EACCES ? Lock::HeldElsewhere : Lock::Unsupported;
#endif
}

// The write reaches the disk, not only the system's cache.
bool syncToDisk(std::FILE* file)
{
#ifdef _WIN32
    if (FlushFileBuffers(osHandle(file)))
        return true;
    errno = EIO;
    return false;
#else
    return ::fsync(::fileno(file)) == 0;
#endif
}

// A new archive's name lives in its folder: made durable at once, so that a save confirmed
// later cannot be lost with the name. NTFS journals names itself.
void syncFolderOf([[maybe_unused]] const std::filesystem::path& file)
{
#ifndef _WIN32
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
#endif
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
    std::FILE* file = openFile(path, kUpdate);
    if (!file && errno == ENOENT) {
        // "x": create only when still missing, so a file made meanwhile is never truncated.
        file = openFile(path, kCreate);
        if (file)
            syncFolderOf(path);
        else if (errno == EEXIST)
            file = openFile(path, kUpdate);
    }
    if (!file)
        return failureFromErrno("Impossibile aprire l'archivio", errno ? errno : EIO);

    const auto after = std::filesystem::status(path, ec);
    if (ec || !isUsableKind(after.type())) {
        std::fclose(file);
        return IoResult::failure("Impossibile aprire l'archivio: il nome non indica un file");
    }

    // A file system without locks (some network shares) keeps the program usable, unguarded.
    if (lockArchive(file) == Lock::HeldElsewhere) {
        std::fclose(file);
        return IoResult::heldElsewhere(
            "Impossibile aprire l'archivio: è già aperto da un'altra copia del programma");
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
    // Card 1 lies wholly in the file's first 4 KiB page, so this one write is as near to
    // atomic as the file system gives: after a power cut the disk holds the old card or the
    // new one. No journal is needed, and a copy renamed over the archive would rewrite every
    // other card as well. A failed sync is a failed save: the next try writes the card again.
    errno = 0;
    if (!syncToDisk(m_file))
        return failureFromErrno("Impossibile salvare l'archivio sul disco", errno ? errno : EIO);
    return IoResult::success();
}

void CardFile::close()
{
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}
