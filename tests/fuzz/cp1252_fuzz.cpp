// Any bytes, taken both as a file's bytes and as a text of the program: the codec keeps its word.

#include "core/cp1252.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

std::size_t codePointCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (unsigned char c : utf8)
        count += (c & 0xC0) != 0x80;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // As bytes of a file.
    const std::string text = cp1252::decode(input);
    require(codePointCount(text) == size, "one character per byte");
    require(cp1252::representable(text), "every decoded text fits the code page");
    require(cp1252::encode(text) == input, "bytes decode and encode back unchanged");

    // As a UTF-8 text of the program, valid or not.
    const std::string encoded = cp1252::encode(input);
    require(encoded.size() <= size, "never more bytes than the text has");
    if (cp1252::representable(input)) {
        require(encoded.size() == codePointCount(input), "one byte per character");
        require(cp1252::decode(encoded) == input, "a text that fits comes back unchanged");
    } else {
        require(encoded.find('?') != std::string::npos, "what does not fit becomes '?'");
    }
    return 0;
}
