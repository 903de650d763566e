#pragma once
// lista.txt: the deadline types, one per line, Windows-1252, CR LF.

#include "core/io_result.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace typesfile {

// Entries of the file's text (UTF-8): a comma or a line end (CR LF, LF or CR) ends an
// entry; an entry in double quotes loses its quotes and keeps its commas; an empty line is
// an empty entry; a last line without a line end still counts; blanks are kept.
std::vector<std::string> parseEntries(std::string_view text);
// The file's text (UTF-8) for the entries: one per line, each ended by CR LF; an entry that
// holds a comma is written in quotes, so that parseEntries gives back the same entries.
std::string formatEntries(const std::vector<std::string>& entries);

// A missing or empty file gives no entries and no error.
IoResult readEntries(const std::filesystem::path& file, std::vector<std::string>& entries);
// Both changes are whole or not at all: the new list is written beside the file (NAME.tmp),
// synced and renamed over it, so a failure or a power cut leaves the old list or the new one.
// Done only once the disk holds it. A file is made when missing; a device is refused.

// The file's bytes with the text and CR LF after them.
IoResult appendEntry(const std::filesystem::path& file, std::string_view entry);
// The file rewritten (formatEntries) without every entry equal to the text.
IoResult removeEntry(const std::filesystem::path& file, std::string_view entry);

} // namespace typesfile
