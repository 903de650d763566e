#pragma once
// The one UTF-8 decoder of both programs: texts inside them are UTF-8, files and shortcuts
// want other encodings.

#include <cstddef>
#include <string_view>

namespace utf8 {

inline constexpr char32_t kInvalid = 0xFFFFFFFF;

// The code point at text[pos], moving pos past it. A malformed sequence gives kInvalid and
// consumes its lead byte and the continuation bytes that were valid, so that it stands for
// one code point; a byte that starts the next character is left for it.
char32_t next(std::string_view text, std::size_t& pos);

} // namespace utf8
