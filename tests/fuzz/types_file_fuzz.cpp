// Any lista.txt: it parses, and its entries written back read again as the same entries.

#include "core/cp1252.h"
#include "fuzz_check.h"
#include "types/types_file.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto entries = typesfile::parseEntries(cp1252::decode(bytes));
    require(entries.size() <= size, "every entry takes at least one byte of the file");

    const std::string written = cp1252::encode(typesfile::formatEntries(entries));
    require(typesfile::parseEntries(cp1252::decode(written)) == entries,
            "entries written back read again as the same entries");
    return 0;
}
