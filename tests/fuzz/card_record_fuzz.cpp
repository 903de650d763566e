// Any record, whole or a shorter tail: it reads, and what was read saves and reads back the same.

#include "core/cp1252.h"
#include "core/deadline_card.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data),
                                 std::min<std::size_t>(size, DeadlineCard::RecordSize));
    const DeadlineCard card = DeadlineCard::fromRecord(bytes);
    for (const std::string& text : card.fields) {
        require(text.find('\0') == std::string::npos, "a shown text holds no NUL");
        require(text.empty() || (text.front() != ' ' && text.back() != ' '),
                "a shown text has no space at either end");
        require(cp1252::representable(text), "a shown text fits the code page");
        require(cp1252::encode(text).size() <= DeadlineCard::FieldWidth,
                "a shown text fits its field");
    }

    const std::string saved = card.toRecord();
    require(saved.size() == DeadlineCard::RecordSize, "a saved card is one whole record");
    const DeadlineCard again = DeadlineCard::fromRecord(saved);
    require(again.fields == card.fields, "a saved card reads back to the same texts");
    require(again.reserved == card.reserved, "a saved card keeps its reserved word");
    require(again.toRecord() == saved, "saving again changes no byte");
    return 0;
}
