#pragma once
// A file opened straight from the operating system, not through the C runtime: Microsoft's
// old runtime refuses open modes that others take, and only the system call says what the
// disk did. Reads and writes at given offsets, a sync that reaches the disk, a lock. Errors
// are errno values, so that describeErrno words them alike on every system.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

class OsFile {
public:
    enum class Mode {
        ReadWrite, // an existing file
        CreateNew, // read and write a file made now; EEXIST when there is one
        ReadOnly,  // an existing file
    };
    enum class Lock { Taken, HeldElsewhere, Unsupported };

    OsFile() = default;
    OsFile(const OsFile&) = delete;
    OsFile& operator=(const OsFile&) = delete;
    ~OsFile();

    // 0 or an errno value; EISDIR for a folder in the file's place. The file is never
    // inherited by a process started from here.
    int open(const std::filesystem::path& path, Mode mode);
    bool isOpen() const;
    // Reads up to size bytes at offset; fewer only at the end of the file.
    int readAt(std::int64_t offset, char* data, std::size_t size, std::size_t& got);
    int readAll(std::string& bytes);
    // The file's length in bytes.
    int size(std::int64_t& bytes);
    // All of data, at offset.
    int writeAt(std::int64_t offset, std::string_view data);
    // Until the disk holds what was written.
    int sync();
    // Exclusive, on the open file itself, so the system drops it however the program ends.
    // Others may still read the file (a backup program).
    Lock lock();
    void close();

private:
#ifdef _WIN32
    void* m_handle = nullptr;
#else
    int m_fd = -1;
#endif
};

// What a name holds, a link not followed.
struct PathEntry {
    enum class Kind { Missing, File, Folder, Link, Special };
    Kind kind = Kind::Missing;
    // Refuses writing, by its own mode or attribute even to root, or to this user.
    bool readOnly = false;
};
// 0 or an errno value; a missing name is no error.
int inspectPath(const std::filesystem::path& path, PathEntry& entry);

// Puts from in to's place, replacing it, and makes the new name durable. 0 or an errno value.
int replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);
// Removes a file's name (a link, not what it points to). 0 or an errno value.
int removeFile(const std::filesystem::path& file);
// Makes a file that was not there, holding bytes, and syncs it; EEXIST when the name is taken.
// On failure the name is free again. 0 or an errno value.
int writeNewFile(const std::filesystem::path& file, std::string_view bytes);
// Makes bytes the file's whole content, or leaves the file as it was, whatever byte a power cut
// lands on: written beside it under the name plus ".tmp", synced, renamed over it. What a cut
// left under that name is removed first, never written through (it may be a link to another
// file). 0 or an errno value.
int replaceContent(const std::filesystem::path& file, std::string_view bytes);
// Makes the names in the file's folder durable (a file just made, renamed or removed there).
// NTFS journals names itself: nothing to do on Windows.
int syncFolderOf(const std::filesystem::path& file);

// One operation of this layer that changed or synced a file, as it was done: what a test needs
// to rebuild what a power cut at any point would leave on the disk.
struct FileOperation {
    enum class Kind { Open, Write, Sync, Rename, Remove, SyncFolder };
    Kind kind;
    const OsFile* file = nullptr;                // Open, Write, Sync
    const std::filesystem::path* path = nullptr; // Open, Rename (from), Remove, SyncFolder
    const std::filesystem::path* to = nullptr;   // Rename
    std::int64_t offset = 0;                     // Write
    std::string_view data{};                     // Write: the bytes one system call took
};
class FileObserver {
public:
    virtual void observe(const FileOperation& operation) = 0;

protected:
    ~FileObserver() = default;
};
// Set by tests only. While it is null, as always in the program, an operation costs one test.
inline FileObserver* fileObserver = nullptr;
