#pragma once
// The archive Archivio.DAT: fixed 3002-byte records, card n at (n - 1) * 3002.

#include "core/deadline_card.h"
#include "core/io_result.h"

#include <cstdio>
#include <filesystem>

class CardFile {
public:
    CardFile() = default;
    CardFile(const CardFile&) = delete;
    CardFile& operator=(const CardFile&) = delete;
    virtual ~CardFile();

    // Opens for reading and writing; a missing file is created empty.
    IoResult open(const std::filesystem::path& path);
    // Card n (from 1); a card wholly or partly past the end reads as empty there. Virtual
    // so that a test can make it fail as a damaged disk does.
    virtual IoResult read(int cardNumber, DeadlineCard& card);
    // Writes exactly one record and flushes it; other cards are untouched.
    IoResult write(int cardNumber, const DeadlineCard& card);
    void close();
    bool isOpen() const { return m_file != nullptr; }

private:
    std::FILE* m_file = nullptr;
};
