#include "types/types_file.h"

#include "core/cp1252.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

namespace typesfile {

namespace {

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}
bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

IoResult failure(const char* what, const std::filesystem::path& file, int error)
{
    return IoResult::failure(std::string(what) + " " + file.filename().string() + ": " +
                             describeErrno(error ? error : EIO));
}

// Writes the whole content into the file, replacing or appending; reports any failure under
// the name the user knows.
IoResult writeBytes(const std::filesystem::path& file, const std::string& bytes, const char* mode,
                    const std::filesystem::path& shownAs)
{
    const char* what = "Impossibile scrivere";
    errno = 0;
    std::FILE* out = openFile(file, mode);
    if (!out)
        return failure(what, shownAs, errno);
    errno = 0;
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() && std::fflush(out) == 0;
    const int error = errno;
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed)
        return failure(what, shownAs, error ? error : errno);
    return IoResult::success();
}

} // namespace

std::vector<std::string> parseEntries(std::string_view text)
{
    std::vector<std::string> entries;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t start = pos;
        std::size_t firstNonBlank = start;
        while (firstNonBlank < text.size() && isBlank(text[firstNonBlank]))
            ++firstNonBlank;

        std::string entry;
        if (firstNonBlank < text.size() && text[firstNonBlank] == '"') {
            // Quoted: up to the closing quote (or the line end when it is missing); what
            // follows the closing quote up to the next comma or line end is dropped.
            std::size_t end = firstNonBlank + 1;
            while (end < text.size() && text[end] != '"' && !isLineEnd(text[end]))
                ++end;
            entry.assign(text.substr(firstNonBlank + 1, end - firstNonBlank - 1));
            pos = end;
            if (pos < text.size() && text[pos] == '"')
                ++pos;
            while (pos < text.size() && text[pos] != ',' && !isLineEnd(text[pos]))
                ++pos;
        } else {
            while (pos < text.size() && text[pos] != ',' && !isLineEnd(text[pos]))
                ++pos;
            entry.assign(text.substr(start, pos - start));
        }
        entries.push_back(std::move(entry));

        if (pos < text.size() && text[pos] == ',') {
            ++pos;
        } else if (pos < text.size() && text[pos] == '\r') {
            ++pos;
            if (pos < text.size() && text[pos] == '\n')
                ++pos;
        } else if (pos < text.size()) {
            ++pos; // LF alone
        }
    }
    return entries;
}

std::string formatEntries(const std::vector<std::string>& entries)
{
    std::string text;
    for (const std::string& entry : entries) {
        // A read entry never holds both a comma and a quote: a quoted one has no quote, an
        // unquoted one no comma.
        if (entry.find(',') != std::string::npos && entry.find('"') == std::string::npos)
            text += '"' + entry + '"';
        else
            text += entry;
        text += "\r\n";
    }
    return text;
}

IoResult readEntries(const std::filesystem::path& file, std::vector<std::string>& entries)
{
    entries.clear();
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return IoResult::success();
    if (std::filesystem::is_directory(status))
        return failure("Impossibile leggere", file, EISDIR);

    errno = 0;
    std::FILE* in = openFile(file, "rb");
    if (!in)
        return failure("Impossibile leggere", file, errno);
    std::string bytes;
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0)
        bytes.append(buffer, got);
    const int error = errno;
    const bool bad = std::ferror(in) != 0;
    std::fclose(in);
    if (bad)
        return failure("Impossibile leggere", file, error);

    entries = parseEntries(cp1252::decode(bytes));
    return IoResult::success();
}

IoResult appendEntry(const std::filesystem::path& file, std::string_view entry)
{
    return writeBytes(file, cp1252::encode(entry) + "\r\n", "ab", file);
}

IoResult removeEntry(const std::filesystem::path& file, std::string_view entry)
{
    std::vector<std::string> entries;
    if (IoResult read = readEntries(file, entries); !read)
        return read;

    std::erase(entries, entry);
    const std::string text = formatEntries(entries);
    // Write a sibling first and put it in place at the end: a failure halfway (a full disk)
    // leaves the old list whole.
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    if (IoResult written = writeBytes(temporary, cp1252::encode(text), "wb", file); !written) {
        // Only a file this call may have made is removed, never a folder of that name.
        std::error_code ignored;
        if (std::filesystem::is_regular_file(temporary, ignored))
            std::filesystem::remove(temporary, ignored);
        return written;
    }
    std::error_code ec;
    std::filesystem::rename(temporary, file, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return failure("Impossibile scrivere", file, ec.value());
    }
    return IoResult::success();
}

} // namespace typesfile
