#include "core/deadline_card.h"

#include <gtest/gtest.h>

namespace {

std::string field(const std::string& record, int number)
{
    return record.substr(static_cast<std::size_t>(number - 1) * 100, 100);
}

std::string padded(const std::string& bytes)
{
    return bytes + std::string(100 - bytes.size(), ' ');
}

} // namespace

TEST(DeadlineCard, recordIsThirtySpacePaddedFieldsThenLittleEndianWord)
{
    DeadlineCard card;
    for (int i = 0; i < DeadlineCard::FieldCount; ++i)
        card.fields[i] = "campo" + std::to_string(i + 1);
    card.reserved = 0x1234;

    const std::string record = card.toRecord();
    ASSERT_EQ(record.size(), 3002u);
    EXPECT_EQ(record.substr(0, 100), padded("campo1"));
    EXPECT_EQ(record.substr(100, 100), padded("campo2"));
    EXPECT_EQ(record.substr(2900, 100), padded("campo30"));
    for (int n = 1; n <= 30; ++n)
        EXPECT_EQ(field(record, n), padded("campo" + std::to_string(n)));
    EXPECT_EQ(record[3000], '\x34');
    EXPECT_EQ(record[3001], '\x12');
}

TEST(DeadlineCard, newCardIsAllSpacesAndZeroWord)
{
    const std::string record = DeadlineCard{}.toRecord();
    EXPECT_EQ(record, std::string(3000, ' ') + std::string(2, '\0'));
}

TEST(DeadlineCard, negativeReservedWordIsTwosComplement)
{
    DeadlineCard card;
    card.reserved = -2;
    const std::string record = card.toRecord();
    EXPECT_EQ(record.substr(3000), "\xFE\xFF");
    EXPECT_EQ(DeadlineCard::fromRecord(record).reserved, -2);
}

TEST(DeadlineCard, textsAreCutAtOneHundredCharacters)
{
    DeadlineCard card;
    card.fields[10] = std::string(95, 'x');
    card.fields[11] = std::string(100, 'y') + "zzz";
    std::string accented;
    for (int i = 0; i < 120; ++i)
        accented += "à";
    card.fields[12] = accented; // 240 bytes of UTF-8, 120 characters
    card.fields[13] = "  spazi intorno  ";

    const std::string record = card.toRecord();
    ASSERT_EQ(record.size(), 3002u);
    EXPECT_EQ(field(record, 11), std::string(95, 'x') + "     ");
    EXPECT_EQ(field(record, 12), std::string(100, 'y'));
    EXPECT_EQ(field(record, 13), std::string(100, '\xE0'));
    EXPECT_EQ(field(record, 14), padded("  spazi intorno  ")); // not trimmed on writing
}

TEST(DeadlineCard, readingTrimsOnlySpacesAndStopsAtNul)
{
    std::string record = DeadlineCard{}.toRecord();
    record.replace(0, 5, " abc ");
    record.replace(100, 6, "\tabc\t ");
    record.replace(200, 100, std::string(100, '\0'));
    record.replace(300, 8, std::string("ab\0cd", 5) + "   ");
    record.replace(400, 9, "caff\xE8 ok ");
    record.replace(500, 100, std::string(100, ' '));

    const DeadlineCard card = DeadlineCard::fromRecord(record);
    EXPECT_EQ(card.fields[0], "abc");
    EXPECT_EQ(card.fields[1], "\tabc\t");
    EXPECT_EQ(card.fields[2], "");
    EXPECT_EQ(card.fields[3], "ab");
    EXPECT_EQ(card.fields[4], "caffè ok");
    EXPECT_EQ(card.fields[5], "");
}

TEST(DeadlineCard, missingBytesReadAsEmptyTextsAndZeroWord)
{
    EXPECT_EQ(DeadlineCard::fromRecord("").fields, DeadlineCard{}.fields);
    EXPECT_EQ(DeadlineCard::fromRecord("").reserved, 0);

    std::string record = DeadlineCard{}.toRecord();
    record.replace(0, 3, "uno");
    record.replace(100, 7, "due tre");
    record[3000] = '\x05';
    record[3001] = '\x01';

    const DeadlineCard cut = DeadlineCard::fromRecord(std::string_view(record).substr(0, 104));
    EXPECT_EQ(cut.fields[0], "uno");
    EXPECT_EQ(cut.fields[1], "due"); // the part of the field that is there
    for (int i = 2; i < 30; ++i)
        EXPECT_EQ(cut.fields[i], "") << i;
    EXPECT_EQ(cut.reserved, 0);

    EXPECT_EQ(DeadlineCard::fromRecord(std::string_view(record).substr(0, 3001)).reserved, 5);
    EXPECT_EQ(DeadlineCard::fromRecord(record).reserved, 0x105);
}

TEST(DeadlineCard, accentedTextsSurviveWriteAndRead)
{
    DeadlineCard card;
    card.fields[10] = "Tasse > àèéìòù";
    card.fields[0] = "02/08/04";
    card.reserved = 7;
    const DeadlineCard back = DeadlineCard::fromRecord(card.toRecord());
    EXPECT_EQ(back.fields, card.fields);
    EXPECT_EQ(back.reserved, 7);
    EXPECT_EQ(card.toRecord().substr(1000, 14), "Tasse > \xE0\xE8\xE9\xEC\xF2\xF9");
}
