#include "core/card_journal.h"

#include "core/deadline_card.h"

#include <algorithm>
#include <array>

namespace cardjournal {

namespace {

constexpr std::string_view kMagic = "T10GIOR1";
constexpr std::size_t kOffsetAt = 8, kLengthAt = 16, kChecksumAt = 20;

std::uint32_t crc32(std::uint32_t crc, std::string_view bytes)
{
    crc = ~crc;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void putLittleEndian(std::string& out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint64_t littleEndian(std::string_view bytes, std::size_t at, int count)
{
    std::uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

bool allZero(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == '\0'; });
}

Verdict refuse(std::string why)
{
    return {Verdict::Kind::Refuse, 0, {}, std::move(why)};
}

} // namespace

std::filesystem::path pathFor(const std::filesystem::path& archive)
{
    std::filesystem::path journal = archive;
    journal += ".giornale";
    return journal;
}

std::string encode(std::int64_t offset, std::string_view record)
{
    std::string bytes(kMagic);
    putLittleEndian(bytes, static_cast<std::uint64_t>(offset), 8);
    putLittleEndian(bytes, record.size(), 4);
    putLittleEndian(bytes, crc32(crc32(0, bytes), record), 4);
    bytes += record;
    return bytes;
}

Verdict check(std::string_view bytes, std::int64_t archiveSize)
{
    // A power cut leaves a prefix of what was written, or its sectors in any subset with zeros
    // for the others: the magic word whole, cut short, or zeros. Anything else is not ours.
    const std::string_view head = bytes.substr(0, kMagic.size());
    if (allZero(head))
        return {};
    if (head != kMagic.substr(0, head.size()))
        return refuse("non è un giornale di Tempestina10");
    if (bytes.size() < HeaderSize)
        return {};

    // The header is whole from here on, as its sector is: its length is the one written.
    const std::uint64_t length = littleEndian(bytes, kLengthAt, 4);
    if (length != DeadlineCard::RecordSize)
        return refuse("non contiene una scheda di " + std::to_string(DeadlineCard::RecordSize) +
                      " byte ma di " + std::to_string(length));
    if (bytes.size() < HeaderSize + length)
        return {};
    // A cut never makes a file longer than what was written into it.
    if (bytes.size() > HeaderSize + length)
        return refuse("è più lungo di una scheda");
    const std::uint32_t stored = static_cast<std::uint32_t>(littleEndian(bytes, kChecksumAt, 4));
    if (crc32(crc32(0, bytes.substr(0, kChecksumAt)), bytes.substr(HeaderSize)) != stored)
        return {};

    const auto offset = static_cast<std::int64_t>(littleEndian(bytes, kOffsetAt, 8));
    if (offset < 0 || offset % DeadlineCard::RecordSize != 0)
        return refuse("non indica l'inizio di una scheda");
    // Past the end, the write would leave a gap of made-up cards.
    if (offset > archiveSize)
        return refuse("indica una scheda oltre la fine dell'archivio");
    return {Verdict::Kind::Apply, offset, bytes.substr(HeaderSize), {}};
}

} // namespace cardjournal
