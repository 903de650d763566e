#include "core/os_file.h"

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
