#include "core/startup_notices.h"

#include <gtest/gtest.h>

using namespace std::chrono;
using Kind = NoticeStep::Kind;
using Icon = NoticeStep::Icon;
using Steps = std::vector<NoticeStep>;

namespace {

constexpr year_month_day kToday = 2005y / March / 10d;

struct Card {
    std::array<std::string, 10> dates;
    std::array<std::string, 10> days;

    Card& slot(int n, std::string date, std::string advance = "1")
    {
        dates[n - 1] = std::move(date);
        days[n - 1] = std::move(advance);
        return *this;
    }
    Steps evaluate(year_month_day today = kToday) const
    {
        return startupNotices(dates, days, today);
    }
};

NoticeStep msg(std::string text, Icon icon = Icon::None)
{
    return {Kind::Message, text, icon};
}
NoticeStep daysBox(int slot, Rgb colour)
{
    return {Kind::ColourDaysBox, {}, Icon::None, slot, colour};
}
NoticeStep dateBox(int slot)
{
    return {Kind::ColourDateBox, {}, Icon::None, slot, DueTodayColour};
}
const NoticeStep offerQuit{Kind::OfferQuit, {}, Icon::None};
const NoticeStep dueSoon = msg("A breve hai qualche scadenza!", Icon::Information);
const NoticeStep dueToday = msg("Oggi hai qualche scadenza!", Icon::Information);

#define EXPECT_STEPS(actual, ...) EXPECT_EQ((actual), (Steps{__VA_ARGS__}))

} // namespace

// Readable failures: one step per line of gtest's output.
void PrintTo(const NoticeStep& s, std::ostream* out)
{
    switch (s.kind) {
    case Kind::Message:
        *out << "message \"" << s.text << '"' << (s.icon == Icon::Information ? " (i)" : "");
        break;
    case Kind::ColourDaysBox:
        *out << "seg" << s.slot << " rgb(" << s.colour.r << "," << s.colour.g << "," << s.colour.b
             << ")";
        break;
    case Kind::ColourDateBox:
        *out << "date box of slot " << s.slot << " rgb(" << s.colour.r << "," << s.colour.g << ","
             << s.colour.b << ")";
        break;
    case Kind::OfferQuit:
        *out << "offer to quit";
        break;
    }
}

TEST(StartupNotices, coloursAreThePartsRgbTriples)
{
    EXPECT_EQ(DueSoonColour, (Rgb{192, 64, 0}));
    EXPECT_EQ(ExpiredColour, (Rgb{192, 255, 192}));
    EXPECT_EQ(DueTodayColour, (Rgb{255, 0, 0}));
}

TEST(StartupNotices, dueSoonOnlyExactlyTheAdvanceDaysBefore)
{
    EXPECT_STEPS(Card().slot(1, "15/03/05", "5").evaluate(), dueSoon, daysBox(1, DueSoonColour),
                 offerQuit);
    EXPECT_STEPS(Card().slot(1, "15/03/05", "6").evaluate(), offerQuit);
    EXPECT_STEPS(Card().slot(1, "15/03/05", "4").evaluate(), offerQuit);
    EXPECT_STEPS(Card().slot(1, "15/03/05", "05").evaluate(), dueSoon, daysBox(1, DueSoonColour),
                 offerQuit);
    EXPECT_STEPS(Card().slot(7, "17/06/05", "99").evaluate(), dueSoon, daysBox(7, DueSoonColour),
                 offerQuit);
}

TEST(StartupNotices, daysThatAreNotAWholeNumberGiveNoDueSoon)
{
    for (const char* days : {"", " 5", "5 ", "+5", "5.0", "cinque", "99999999999999999999"}) {
        SCOPED_TRACE(days);
        EXPECT_STEPS(Card().slot(1, "15/03/05", days).evaluate(), offerQuit);
    }
    // A negative text is no way to reach a past date either.
    EXPECT_STEPS(Card().slot(1, "08/03/05", "-2").evaluate(), daysBox(1, ExpiredColour),
                 msg("Scadenza scaduta da 2 giorni!"), offerQuit);
}

TEST(StartupNotices, expiredOneAndTwoDaysColourBeforeTheMessageThreeAfter)
{
    EXPECT_STEPS(Card().slot(2, "09/03/05").evaluate(), daysBox(2, ExpiredColour),
                 msg("Scadenza scaduta da 1 giorno!"), offerQuit);
    EXPECT_STEPS(Card().slot(2, "08/03/05").evaluate(), daysBox(2, ExpiredColour),
                 msg("Scadenza scaduta da 2 giorni!"), offerQuit);
    EXPECT_STEPS(Card().slot(2, "07/03/05").evaluate(), msg("Scadenza scaduta da 3 giorni!"),
                 daysBox(2, ExpiredColour), offerQuit);
    EXPECT_STEPS(Card().slot(2, "06/03/05").evaluate(), offerQuit);
}

TEST(StartupNotices, dueTodayWithZeroDaysIsBothDueSoonAndDueToday)
{
    EXPECT_STEPS(Card().slot(3, "10/03/05", "0").evaluate(), dueSoon, daysBox(3, DueSoonColour),
                 dueToday, dateBox(3));
}

TEST(StartupNotices, dueTodayFollowsTheDateBoxOrder)
{
    EXPECT_STEPS(Card().slot(4, "10/03/05").slot(5, "10/03/05").evaluate(), dueToday, dateBox(5),
                 dueToday, dateBox(4));

    Card all;
    for (int slot = 1; slot <= 10; ++slot)
        all.slot(slot, "10/03/05", "");
    Steps expected;
    for (int slot : {1, 2, 3, 5, 4, 10, 9, 8, 7, 6}) {
        expected.push_back(dueToday);
        expected.push_back(dateBox(slot));
    }
    EXPECT_STEPS(all.evaluate(), expected);
}

TEST(StartupNotices, phasesRunInOrderWhateverTheSlots)
{
    const Card card = Card()
                          .slot(1, "10/03/05", "3")   // due today only
                          .slot(2, "07/03/05")        // expired by 3
                          .slot(3, "13/03/05", "3")   // due soon
                          .slot(6, "09/03/05")        // expired by 1
                          .slot(8, "15/03/05", "5")   // due soon
                          .slot(10, "10/03/05", "0"); // due soon and today
    EXPECT_STEPS(card.evaluate(), dueSoon, daysBox(3, DueSoonColour), dueSoon,
                 daysBox(8, DueSoonColour), dueSoon, daysBox(10, DueSoonColour),
                 msg("Scadenza scaduta da 3 giorni!"), daysBox(2, ExpiredColour),
                 daysBox(6, ExpiredColour), msg("Scadenza scaduta da 1 giorno!"), dueToday,
                 dateBox(1), dueToday, dateBox(10));
}

TEST(StartupNotices, expiryMessageComesBeforeForm1)
{
    EXPECT_STEPS(Card().slot(9, "08/03/05", "7").evaluate(), daysBox(9, ExpiredColour),
                 msg("Scadenza scaduta da 2 giorni!"), offerQuit);
}

TEST(StartupNotices, datesInAnotherFormNeverMatch)
{
    for (const char* date : {"10/03/2005", "10/3/05", " 10/03/05", "10/03/05 ", "10-03-05", ""}) {
        SCOPED_TRACE(date);
        EXPECT_STEPS(Card().slot(6, date, "0").evaluate(), offerQuit);
    }
}

TEST(StartupNotices, emptyCardShowsOnlyForm1)
{
    EXPECT_STEPS(Card().evaluate(), offerQuit);
}

TEST(StartupNotices, dayArithmeticCrossesAYearEnd)
{
    EXPECT_STEPS(Card().slot(1, "31/12/04").evaluate(2005y / January / 1d),
                 daysBox(1, ExpiredColour), msg("Scadenza scaduta da 1 giorno!"), offerQuit);
    EXPECT_STEPS(Card().slot(1, "29/12/04").evaluate(2005y / January / 1d),
                 msg("Scadenza scaduta da 3 giorni!"), daysBox(1, ExpiredColour), offerQuit);
    EXPECT_STEPS(Card().slot(1, "02/01/05", "3").evaluate(2004y / December / 30d), dueSoon,
                 daysBox(1, DueSoonColour), offerQuit);
}

TEST(StartupNotices, dayArithmeticKnowsTheTwentyNinthOfFebruary)
{
    // 2004 is a leap year: 1 March comes two days after 28 February.
    EXPECT_STEPS(Card().slot(1, "29/02/04").evaluate(2004y / March / 1d), daysBox(1, ExpiredColour),
                 msg("Scadenza scaduta da 1 giorno!"), offerQuit);
    EXPECT_STEPS(Card().slot(1, "28/02/04").evaluate(2004y / March / 1d), daysBox(1, ExpiredColour),
                 msg("Scadenza scaduta da 2 giorni!"), offerQuit);
    EXPECT_STEPS(Card().slot(1, "29/02/04", "1").evaluate(2004y / February / 28d), dueSoon,
                 daysBox(1, DueSoonColour), offerQuit);
    EXPECT_STEPS(Card().slot(1, "29/02/04").evaluate(2004y / February / 29d), dueToday, dateBox(1));
    // 2005 is not: the day after 28 February is 1 March.
    EXPECT_STEPS(Card().slot(1, "01/03/05", "1").evaluate(2005y / February / 28d), dueSoon,
                 daysBox(1, DueSoonColour), offerQuit);
    EXPECT_STEPS(Card().slot(1, "28/02/05").evaluate(2005y / March / 1d), daysBox(1, ExpiredColour),
                 msg("Scadenza scaduta da 1 giorno!"), offerQuit);
    // A year of days from the leap day lands on 28 February.
    EXPECT_STEPS(Card().slot(1, "28/02/05", "365").evaluate(2004y / February / 29d), dueSoon,
                 daysBox(1, DueSoonColour), offerQuit);
}

TEST(IsNumberText, acceptsWhatTheDaysBoxesKeep)
{
    for (const char* text : {"0", "00", "1", "99", " 7", "7 ", "-3", "+3", "2.5", "5.", " -1.25 "})
        EXPECT_TRUE(isNumberText(text)) << '"' << text << '"';
}

TEST(IsNumberText, rejectsWhatTheDaysBoxesRepair)
{
    for (const char* text : {"", " ", "abc", "5a", "a5", "1.2.3", ".5", "+", "-", "1 2", "1,5"})
        EXPECT_FALSE(isNumberText(text)) << '"' << text << '"';
}
