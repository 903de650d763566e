#include "core/os_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int flagsOf(OsFile::Mode mode)
{
    switch (mode) {
    case OsFile::Mode::ReadWrite:
        return O_RDWR;
    case OsFile::Mode::CreateNew:
        return O_RDWR | O_CREAT | O_EXCL;
    case OsFile::Mode::ReadOnly:
        return O_RDONLY;
    }
    return O_RDONLY;
}

} // namespace

OsFile::~OsFile()
{
    close();
}

bool OsFile::isOpen() const
{
    return m_fd >= 0;
}

int OsFile::open(const std::filesystem::path& path, Mode mode)
{
    close();
    int fd = -1;
    do
        fd = ::open(path.c_str(), flagsOf(mode) | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno;
    m_fd = fd;
    if (fileObserver)
        fileObserver->observe({.kind = FileOperation::Kind::Open, .file = this, .path = &path});
    return 0;
}

int OsFile::readAt(std::int64_t offset, char* data, std::size_t size, std::size_t& got)
{
    got = 0;
    while (got < size) {
        const ssize_t n = ::pread(m_fd, data + got, size - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    return 0;
}

int OsFile::writeAt(std::int64_t offset, std::string_view data)
{
    std::size_t put = 0;
    while (put < data.size()) {
        const ssize_t n =
            ::pwrite(m_fd, data.data() + put, data.size() - put, static_cast<off_t>(offset + put));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        if (fileObserver)
            fileObserver->observe({.kind = FileOperation::Kind::Write,
                                   .file = this,
                                   .offset = offset + static_cast<std::int64_t>(put),
                                   .data = data.substr(put, static_cast<std::size_t>(n))});
        put += static_cast<std::size_t>(n);
    }
    return 0;
}

int OsFile::size(std::int64_t& bytes)
{
    struct stat status {};
    if (::fstat(m_fd, &status) != 0)
        return errno;
    bytes = status.st_size;
    return 0;
}

int OsFile::sync()
{
    if (::fsync(m_fd) != 0)
        return errno;
    if (fileObserver)
        fileObserver->observe({.kind = FileOperation::Kind::Sync, .file = this});
    return 0;
}

OsFile::Lock OsFile::lock()
{
    // Open-file-description locks: unlike POSIX record locks they belong to this open file,
    // not to the process, so a second open in the same process is refused too.
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    if (::fcntl(m_fd, F_OFD_SETLK, &whole) == 0)
        return Lock::Taken;
    return errno == EAGAIN || errno == EACCES ? Lock::HeldElsewhere : Lock::Unsupported;
}

void OsFile::close()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

int inspectPath(const std::filesystem::path& path, PathEntry& entry)
{
    entry = {};
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0)
        return errno == ENOENT ? 0 : errno;
    using Kind = PathEntry::Kind;
    entry.kind = S_ISREG(status.st_mode)   ? Kind::File
                 : S_ISDIR(status.st_mode) ? Kind::Folder
                 : S_ISLNK(status.st_mode) ? Kind::Link
                                           : Kind::Special;
    entry.readOnly =
        (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
    return 0;
}

int replaceFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (::rename(from.c_str(), to.c_str()) != 0)
        return errno;
    if (fileObserver)
        fileObserver->observe({.kind = FileOperation::Kind::Rename, .path = &from, .to = &to});
    return syncFolderOf(to);
}

int removeFile(const std::filesystem::path& file)
{
    if (::unlink(file.c_str()) != 0)
        return errno;
    if (fileObserver)
        fileObserver->observe({.kind = FileOperation::Kind::Remove, .path = &file});
    return 0;
}

int syncFolderOf(const std::filesystem::path& file)
{
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    // Some file systems cannot sync a folder: they keep their names by other means.
    if (error == EINVAL)
        error = 0;
    if (error == 0 && fileObserver)
        fileObserver->observe({.kind = FileOperation::Kind::SyncFolder, .path = &file});
    return error;
}
