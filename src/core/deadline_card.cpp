#include "core/deadline_card.h"

#include "core/cp1252.h"

#include <algorithm>

namespace {

constexpr std::size_t kReservedOffset = DeadlineCard::FieldCount * DeadlineCard::FieldWidth;

std::string readField(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\0'));
    const auto first = bytes.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = bytes.find_last_not_of(' ');
    return cp1252::decode(bytes.substr(first, last - first + 1));
}

} // namespace

std::string DeadlineCard::toRecord() const
{
    std::string record;
    record.reserve(RecordSize);
    for (const std::string& text : fields) {
        // One byte per character, so cutting the encoded text cuts at 100 characters.
        std::string bytes = cp1252::encode(text);
        bytes.resize(FieldWidth, ' ');
        record += bytes;
    }
    const auto word = static_cast<std::uint16_t>(reserved);
    record += static_cast<char>(word & 0xFF);
    record += static_cast<char>(word >> 8);
    return record;
}

DeadlineCard DeadlineCard::fromRecord(std::string_view bytes)
{
    DeadlineCard card;
    for (int i = 0; i < FieldCount; ++i) {
        const std::size_t offset = static_cast<std::size_t>(i) * FieldWidth;
        if (offset >= bytes.size())
            break;
        card.fields[i] = readField(bytes.substr(offset, FieldWidth));
    }
    // A missing byte of the word reads as 0, like the rest of a missing record.
    std::uint16_t word = 0;
    if (bytes.size() > kReservedOffset)
        word = static_cast<unsigned char>(bytes[kReservedOffset]);
    if (bytes.size() > kReservedOffset + 1)
        word |= static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[kReservedOffset + 1]))
                << 8;
    card.reserved = static_cast<std::int16_t>(word);
    return card;
}
