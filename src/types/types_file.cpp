#include "types/types_file.h"

#include "core/cp1252.h"
#include "core/os_file.h"

#include <cerrno>
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

// A missing file has no bytes and is no error.
IoResult readBytes(const std::filesystem::path& file, std::string& bytes)
{
    bytes.clear();
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return IoResult::success();
    if (std::filesystem::is_directory(status))
        return failure("Impossibile leggere", file, EISDIR);

    OsFile in;
    int error = in.open(file, OsFile::Mode::ReadOnly);
    if (error == 0)
        error = in.readAll(bytes);
    if (error)
        return failure("Impossibile leggere", file, error);
    return IoResult::success();
}

// The new list takes the old one's place by a rename: only a file may be there, never a device
// that the rename would replace.
IoResult checkReplaceable(const std::filesystem::path& file)
{
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (std::filesystem::is_directory(status))
        return failure("Impossibile scrivere", file, EISDIR);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return IoResult::failure("Impossibile scrivere " + file.filename().string() +
                                 ": il nome non indica un file");
    return IoResult::success();
}

// Every change of the list is whole or not at all, whatever byte a power cut lands on.
IoResult replaceWhole(const std::filesystem::path& file, const std::string& bytes)
{
    if (const int error = replaceContent(file, bytes))
        return failure("Impossibile scrivere", file, error);
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
    std::string bytes;
    if (IoResult read = readBytes(file, bytes); !read)
        return read;
    entries = parseEntries(cp1252::decode(bytes));
    return IoResult::success();
}

IoResult appendEntry(const std::filesystem::path& file, std::string_view entry)
{
    std::string bytes;
    if (IoResult replaceable = checkReplaceable(file); !replaceable)
        return replaceable;
    if (IoResult read = readBytes(file, bytes); !read)
        return read;
    return replaceWhole(file, bytes + cp1252::encode(entry) + "\r\n");
}

IoResult removeEntry(const std::filesystem::path& file, std::string_view entry)
{
    std::vector<std::string> entries;
    if (IoResult replaceable = checkReplaceable(file); !replaceable)
        return replaceable;
    if (IoResult read = readEntries(file, entries); !read)
        return read;
    std::erase(entries, entry);
    return replaceWhole(file, cp1252::encode(formatEntries(entries)));
}

} // namespace typesfile
