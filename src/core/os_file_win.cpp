#include "core/os_file.h"

#include <algorithm>
#include <cerrno>
#include <windows.h>

namespace {

// Win32 errors in the errno words the messages use.
int errnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return EACCES;
    case ERROR_LOCK_VIOLATION:
        return EAGAIN;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_PARAMETER:
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
        return EINVAL;
    case ERROR_DIRECTORY:
        return ENOTDIR;
    default:
        return EIO;
    }
}

int lastErrno()
{
    return errnoOf(GetLastError());
}

// Windows calls a folder in the file's place a refused access.
int refusalOf(DWORD error, const std::filesystem::path& path)
{
    std::error_code ignored;
    if (error == ERROR_ACCESS_DENIED && std::filesystem::is_directory(path, ignored))
        return EISDIR;
    return errnoOf(error);
}

HANDLE handleOf(void* handle)
{
    return static_cast<HANDLE>(handle);
}

OVERLAPPED at(std::int64_t offset)
{
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(static_cast<std::uint64_t>(offset) & 0xFFFFFFFFu);
    where.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(offset) >> 32);
    return where;
}

// What one call moves at most, so that a size always fits a DWORD.
constexpr std::size_t kChunk = 1u << 30;

} // namespace

OsFile::~OsFile()
{
    close();
}

bool OsFile::isOpen() const
{
    return m_handle != nullptr;
}

int OsFile::open(const std::filesystem::path& path, Mode mode)
{
    close();
    DWORD access = GENERIC_READ | GENERIC_WRITE;
    DWORD disposition = OPEN_EXISTING;
    switch (mode) {
    case Mode::ReadWrite:
        break;
    case Mode::CreateNew:
        disposition = CREATE_NEW;
        break;
    case Mode::ReadOnly:
        access = GENERIC_READ;
        break;
    }
    // No security attributes: the handle is not inherited. Others may read and write as
    // the C runtime let them: the lock, not the sharing mode, keeps a second copy out.
    const HANDLE handle = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return refusalOf(GetLastError(), path);
    m_handle = handle;
    if (fileObserver)
        fileObserver->observe({.kind = FileOperation::Kind::Open, .file = this, .path = &path});
    return 0;
}

int OsFile::readAt(std::int64_t offset, char* data, std::size_t size, std::size_t& got)
{
    got = 0;
    while (got < size) {
        OVERLAPPED where = at(offset + static_cast<std::int64_t>(got));
        DWORD n = 0;
        const DWORD wanted = static_cast<DWORD>(std::min(size - got, kChunk));
        if (!ReadFile(handleOf(m_handle), data + got, wanted, &n, &where)) {
            // A positioned read past the end says so instead of reading nothing.
            if (GetLastError() == ERROR_HANDLE_EOF)
                break;
            return lastErrno();
        }
        if (n == 0)
            break;
        got += n;
    }
    return 0;
}

int OsFile::writeAt(std::int64_t offset, std::string_view data)
{
    std::size_t put = 0;
    while (put < data.size()) {
        OVERLAPPED where = at(offset + static_cast<std::int64_t>(put));
        DWORD n = 0;
        const DWORD wanted = static_cast<DWORD>(std::min(data.size() - put, kChunk));
        if (!WriteFile(handleOf(m_handle), data.data() + put, wanted, &n, &where))
            return lastErrno();
        if (n == 0)
            return EIO;
        if (fileObserver)
            fileObserver->observe({.kind = FileOperation::Kind::Write,
                                   .file = this,
                                   .offset = offset + static_cast<std::int64_t>(put),
                                   .data = data.substr(put, n)});
        put += n;
    }
    return 0;
}

int OsFile::size(std::int64_t& bytes)
{
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handleOf(m_handle), &size))
        return lastErrno();
    bytes = size.QuadPart;
    return 0;
}

int OsFile::sync()
{
    if (!FlushFileBuffers(handleOf(m_handle)))
        return lastErrno();
    if (fileObserver)
        fileObserver->observe({.kind = FileOperation::Kind::Sync, .file = this});
    return 0;
}

OsFile::Lock OsFile::lock()
{
    // Windows locks are mandatory: one byte far past any card keeps the cards readable by
    // others, while a second copy still finds the lock.
    OVERLAPPED where{};
    where.OffsetHigh = 0x40000000;
    if (LockFileEx(handleOf(m_handle), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                   &where))
        return Lock::Taken;
    return GetLastError() == ERROR_LOCK_VIOLATION ? Lock::HeldElsewhere : Lock::Unsupported;
}

void OsFile::close()
{
    if (m_handle) {
        CloseHandle(handleOf(m_handle));
        m_handle = nullptr;
    }
}

int inspectPath(const std::filesystem::path& path, PathEntry& entry)
{
    entry = {};
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 0 : errnoOf(error);
    }
    using Kind = PathEntry::Kind;
    entry.kind = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? Kind::Link
                 : (attributes & FILE_ATTRIBUTE_DIRECTORY)   ? Kind::Folder
                 : (attributes & FILE_ATTRIBUTE_DEVICE)      ? Kind::Special
                                                             : Kind::File;
    entry.readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
    return 0;
}

int replaceFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    // Write-through: the call returns once the new name is on the disk.
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return refusalOf(GetLastError(), to);
    if (fileObserver) {
        fileObserver->observe({.kind = FileOperation::Kind::Rename, .path = &from, .to = &to});
        fileObserver->observe({.kind = FileOperation::Kind::SyncFolder, .path = &to});
    }
    return 0;
}

int removeFile(const std::filesystem::path& file)
{
    if (!DeleteFileW(file.c_str()))
        return refusalOf(GetLastError(), file);
    if (fileObserver)
        fileObserver->observe({.kind = FileOperation::Kind::Remove, .path = &file});
    return 0;
}

int syncFolderOf(const std::filesystem::path& file)
{
    if (fileObserver)
        fileObserver->observe({.kind = FileOperation::Kind::SyncFolder, .path = &file});
    return 0;
}
