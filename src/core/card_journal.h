#pragma once
// The journal beside the archive: the new bytes of one record, made durable before the record
// is overwritten, so that a save cut short by a power cut is finished at the next open.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace cardjournal {

// 8 bytes of magic word, the record's offset (8 bytes) and length (4), then a CRC-32 (4) over
// those 20 bytes and the record; all little-endian. The record follows.
constexpr std::size_t HeaderSize = 24;

// Archivio.DAT.giornale beside Archivio.DAT.
std::filesystem::path pathFor(const std::filesystem::path& archive);

std::string encode(std::int64_t offset, std::string_view record);

struct Verdict {
    enum class Kind {
        Apply,   // whole: write record at offset
        Discard, // torn while being written, before the archive was touched
        Refuse,  // not one of ours, or not for this archive: keep it, touch nothing
    };
    Kind kind = Kind::Discard;
    std::int64_t offset = 0;
    std::string_view record; // within the bytes checked
    std::string reason;      // Refuse: Italian, after "il giornale NAME"
};

// What to do with a journal's bytes (at most HeaderSize + one record and one byte more are
// needed) for an archive of archiveSize bytes.
Verdict check(std::string_view bytes, std::int64_t archiveSize);

} // namespace cardjournal
