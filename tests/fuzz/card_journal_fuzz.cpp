// Any bytes in the journal's place: a journal applied is one the program writes, for a card of
// this archive; and whatever a cut leaves of a journal the program wrote is dropped, never
// applied in part nor taken for someone else's.

#include "core/card_journal.h"
#include "core/deadline_card.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using Kind = cardjournal::Verdict::Kind;

std::uint64_t numberFrom(std::string_view bytes)
{
    std::uint64_t value = 0;
    for (const char c : bytes.substr(0, 8))
        value = (value << 8) | static_cast<unsigned char>(c);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    constexpr std::int64_t kRecord = DeadlineCard::RecordSize;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::uint64_t number = numberFrom(input);
    const std::int64_t archiveSize = static_cast<std::int64_t>(number % 5) * kRecord;

    // As the journal's bytes.
    const cardjournal::Verdict verdict = cardjournal::check(input, archiveSize);
    if (verdict.kind == Kind::Apply) {
        require(verdict.record.size() == kRecord, "a journal applied holds one whole record");
        require(verdict.offset % kRecord == 0 && verdict.offset <= archiveSize,
                "a journal applied writes a card of the archive or the one after it");
        require(cardjournal::encode(verdict.offset, verdict.record) == input,
                "a journal applied is byte for byte one the program writes");
    }
    require((verdict.kind == Kind::Refuse) == !verdict.reason.empty(),
            "a refusal, and only a refusal, says why");

    // As a card saved and the place where a power cut stops its journal: a prefix, or the
    // 512-byte sectors of a subset of them with zeros for the others.
    std::string record(input.substr(0, kRecord));
    record.resize(kRecord, ' ');
    const std::int64_t offset = static_cast<std::int64_t>(number % 3) * kRecord;
    const std::string journal = cardjournal::encode(offset, record);
    require(cardjournal::check(journal, offset).kind == Kind::Apply, "a whole journal is applied");
    std::string torn = journal.substr(0, (number >> 8) % journal.size());
    require(cardjournal::check(torn, offset).kind == Kind::Discard,
            "a journal cut short is dropped");
    torn = journal;
    const std::uint64_t lost = ((number >> 24) % 63) + 1; // never none of the six sectors
    for (std::size_t sector = 0; sector * 512 < torn.size(); ++sector) {
        if (lost & (1u << sector))
            torn.replace(sector * 512, std::min<std::size_t>(512, torn.size() - sector * 512),
                         std::min<std::size_t>(512, torn.size() - sector * 512), '\0');
    }
    require(torn == journal || cardjournal::check(torn, offset).kind == Kind::Discard,
            "a journal missing a sector is dropped");
    torn = journal;
    const std::size_t flipped = (number >> 32) % journal.size();
    torn[flipped] = static_cast<char>(torn[flipped] ^ (1 << ((number >> 48) % 8)));
    require(cardjournal::check(torn, offset).kind != Kind::Apply,
            "a journal with one bit changed is never applied");
    return 0;
}
