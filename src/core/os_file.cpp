#include "core/os_file.h"

#include <cerrno>

int OsFile::readAll(std::string& bytes)
{
    bytes.clear();
    char buffer[4096];
    std::size_t got = 0;
    do {
        if (const int error =
                readAt(static_cast<std::int64_t>(bytes.size()), buffer, sizeof buffer, got))
            return error;
        bytes.append(buffer, got);
    } while (got == sizeof buffer);
    return 0;
}

int writeNewFile(const std::filesystem::path& file, std::string_view bytes)
{
    OsFile out;
    // Made now, so nothing another program put under the name is written through.
    if (const int error = out.open(file, OsFile::Mode::CreateNew))
        return error;
    int error = out.writeAt(0, bytes);
    if (error == 0)
        error = out.sync();
    out.close();
    if (error)
        removeFile(file);
    return error;
}

int replaceContent(const std::filesystem::path& file, std::string_view bytes)
{
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    PathEntry left;
    int error = inspectPath(temporary, left);
    if (error == 0 && left.kind == PathEntry::Kind::Folder)
        error = EISDIR;
    else if (error == 0 && left.kind != PathEntry::Kind::Missing)
        error = removeFile(temporary);
    if (error == 0)
        error = writeNewFile(temporary, bytes);
    if (error)
        return error;
    error = replaceFile(temporary, file);
    if (error)
        removeFile(temporary);
    return error;
}
