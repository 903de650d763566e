#pragma once
// One record of Archivio.DAT: 30 text fields of 100 bytes and a reserved word.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

struct DeadlineCard {
    static constexpr int FieldCount = 30;
    static constexpr int FieldWidth = 100;
    static constexpr int RecordSize = FieldCount * FieldWidth + 2; // 3002

    // fields[0] is field 1. UTF-8 texts: as read (trimmed), or as taken from the controls.
    std::array<std::string, FieldCount> fields;
    std::int16_t reserved = 0;

    // Fitting: each text cut at 100 characters or padded with spaces, Windows-1252,
    // then the reserved word little-endian.
    std::string toRecord() const;
    // Reading: bytes missing at the end read as an empty text and a reserved word of 0;
    // a NUL ends a text; only spaces are trimmed at both ends.
    static DeadlineCard fromRecord(std::string_view bytes);
};
