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
        Append,    // writes go to the end; made when missing
        Replace,   // write only, made or emptied
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
    // All of data, at offset; an Append file ignores the offset.
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
    bool m_append = false;
};

// Puts from in to's place, replacing it, and makes the new name durable. 0 or an errno value.
int replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);
// Makes the names in the file's folder durable (a file just made, renamed or removed there).
// NTFS journals names itself: nothing to do on Windows.
int syncFolderOf(const std::filesystem::path& file);
