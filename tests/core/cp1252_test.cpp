#include "core/cp1252.h"

#include <gtest/gtest.h>

namespace {

std::string allBytes()
{
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    return bytes;
}

std::size_t codePointCount(const std::string& utf8)
{
    std::size_t count = 0;
    for (unsigned char c : utf8)
        count += (c & 0xC0) != 0x80;
    return count;
}

} // namespace

TEST(Cp1252, everyByteRoundTripsAsOneCodePoint)
{
    const std::string bytes = allBytes();
    const std::string text = cp1252::decode(bytes);
    EXPECT_EQ(codePointCount(text), 256u);
    EXPECT_TRUE(cp1252::representable(text));
    EXPECT_EQ(cp1252::encode(text), bytes);
}

TEST(Cp1252, bytesReadAsTheirWindowsCharacters)
{
    EXPECT_EQ(cp1252::decode("\x80"), "€");
    EXPECT_EQ(cp1252::decode("\x92"), "’");
    EXPECT_EQ(cp1252::decode("\x9F"), "Ÿ");
    EXPECT_EQ(cp1252::decode("\xE0\xE8\xE9\xEC\xF2\xF9"), "àèéìòù");
    EXPECT_EQ(cp1252::decode("\xA0"), "\u00A0");
    EXPECT_EQ(cp1252::decode(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1252, undefinedBytesKeepTheirC1CodePoints)
{
    for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        const std::string byte(1, static_cast<char>(b));
        const std::string expected{'\xC2', static_cast<char>(b)};
        EXPECT_EQ(cp1252::decode(byte), expected) << int(b);
        EXPECT_EQ(cp1252::encode(expected), byte) << int(b);
    }
}

TEST(Cp1252, accentedItalianLettersAreSingleBytes)
{
    EXPECT_EQ(cp1252::encode("Università, perché è così"), "Universit\xE0, perch\xE9 \xE8 cos\xEC");
    EXPECT_EQ(cp1252::encode("€ “citazione”"), "\x80 \x93"
                                               "citazione\x94");
}

TEST(Cp1252, unmappableCharacterBecomesOneQuestionMark)
{
    EXPECT_EQ(cp1252::encode("a日本b"), "a??b");
    EXPECT_EQ(cp1252::encode("x😀y"), "x?y");
    EXPECT_EQ(cp1252::encode("\u0080"), "?"); // C1 control that 0x80 does not stand for
    EXPECT_FALSE(cp1252::representable("città 日"));
    EXPECT_TRUE(cp1252::representable("città"));
}

TEST(Cp1252, malformedUtf8BecomesQuestionMarks)
{
    EXPECT_EQ(cp1252::encode("a\xFF"
                             "b"),
              "a?b");
    EXPECT_EQ(cp1252::encode("\xC3"), "?"); // cut short at the end
    EXPECT_EQ(cp1252::encode("\xC3"
                             "a"),
              "?a");                                // continuation missing
    EXPECT_EQ(cp1252::encode("\xE2\x82"), "?");     // one cut sequence, one mark
    EXPECT_EQ(cp1252::encode("\xC0\xAF"), "??");    // overlong form
    EXPECT_EQ(cp1252::encode("\xED\xA0\x80"), "?"); // surrogate
    EXPECT_FALSE(cp1252::representable("\xC3"));
}
