#include "core/startup_notices.h"

#include "core/short_date.h"
#include "core/slot_table.h"
#include "core/utf8.h"

#include <optional>

namespace {

using std::chrono::sys_days;

const char* const kDueSoonText = "A breve hai qualche scadenza!";
const char* const kDueTodayText = "Oggi hai qualche scadenza!";
const char* const kExpiredTexts[] = {"Scadenza scaduta da 1 giorno!",
                                     "Scadenza scaduta da 2 giorni!",
                                     "Scadenza scaduta da 3 giorni!"};

// Phase 4 follows the order of the date boxes in the form, not the slot order.
constexpr int kDueTodayOrder[] = {1, 2, 3, 5, 4, 10, 9, 8, 7, 6};

// More advance days than this cannot name a date of the two-digit form anyway, and keep
// the day arithmetic far from the limits of std::chrono::year.
constexpr long kMaxAdvanceDays = 1'000'000;

// The advance days as a whole number: digits only.
std::optional<long> wholeDays(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > kMaxAdvanceDays)
            return std::nullopt;
    }
    return value;
}

std::string dayText(sys_days day)
{
    return shortDateText(std::chrono::year_month_day{day});
}

NoticeStep message(const char* text, NoticeStep::Icon icon)
{
    return {NoticeStep::Kind::Message, text, icon};
}

NoticeStep colour(NoticeStep::Kind kind, int slot, Rgb rgb)
{
    return {kind, {}, NoticeStep::Icon::None, slot, rgb};
}

} // namespace

std::vector<NoticeStep> startupNotices(const std::array<std::string, 10>& dates,
                                       const std::array<std::string, 10>& days,
                                       std::chrono::year_month_day today)
{
    using Kind = NoticeStep::Kind;
    using Icon = NoticeStep::Icon;

    std::vector<NoticeStep> steps;
    const sys_days t{today};
    const std::string todayText = dayText(t);

    for (int slot = 1; slot <= 10; ++slot) {
        const auto advance = wholeDays(days[slot - 1]);
        if (advance && dates[slot - 1] == dayText(t + std::chrono::days{*advance})) {
            steps.push_back(message(kDueSoonText, Icon::Information));
            steps.push_back(colour(Kind::ColourDaysBox, slot, DueSoonColour));
        }
    }

    for (int slot = 1; slot <= 10; ++slot) {
        for (int d = 1; d <= 3; ++d) {
            if (dates[slot - 1] != dayText(t - std::chrono::days{d}))
                continue;
            const NoticeStep paint = colour(Kind::ColourDaysBox, slot, ExpiredColour);
            const NoticeStep tell = message(kExpiredTexts[d - 1], Icon::None);
            if (d < 3) {
                steps.push_back(paint);
                steps.push_back(tell);
            } else {
                steps.push_back(tell);
                steps.push_back(paint);
            }
        }
    }

    bool anyDueToday = false;
    for (const std::string& date : dates)
        anyDueToday = anyDueToday || date == todayText;
    if (!anyDueToday)
        steps.push_back({Kind::OfferQuit, {}, Icon::None});

    for (int slot : kDueTodayOrder) {
        if (dates[slot - 1] == todayText) {
            steps.push_back(message(kDueTodayText, Icon::Information));
            steps.push_back(colour(Kind::ColourDateBox, slot, DueTodayColour));
        }
    }
    return steps;
}

bool isNumberText(std::string_view text)
{
    std::size_t pos = 0;
    auto isBlank = [&] { return pos < text.size() && (text[pos] == ' ' || text[pos] == '\t'); };
    auto isDigit = [&] { return pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; };

    while (isBlank())
        ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    if (!isDigit())
        return false;
    while (isDigit())
        ++pos;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        while (isDigit())
            ++pos;
    }
    while (isBlank())
        ++pos;
    return pos == text.size();
}

namespace {

// The first characters of a UTF-8 text, as a box of that length keeps them.
std::string firstCharacters(const std::string& text, int count)
{
    std::size_t pos = 0;
    for (int i = 0; i < count && pos < text.size(); ++i)
        utf8::next(text, pos);
    return text.substr(0, pos);
}

} // namespace

ShownSlots shownSlots(const DeadlineCard& card)
{
    ShownSlots shown;
    for (const SlotBinding& b : kSlots) {
        const auto i = static_cast<std::size_t>(b.slot - 1);
        shown.dates[i] = firstCharacters(card.fields[b.dateField - 1], kDateBoxLength);
        shown.days[i] = firstCharacters(card.fields[b.daysField - 1], kDaysBoxLength);
        if (!isNumberText(shown.days[i]))
            shown.days[i] = "1";
    }
    return shown;
}
