#pragma once
// The start-up evaluation: what falls due soon, expired one to three days ago, or today.
// It returns the steps in the order the window must play them.

#include "core/deadline_card.h"

#include <array>
#include <chrono>
#include <string>
#include <string_view>
#include <vector>

struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb DueSoonColour{192, 64, 0};
inline constexpr Rgb ExpiredColour{192, 255, 192};
inline constexpr Rgb DueTodayColour{255, 0, 0};

struct NoticeStep {
    enum class Kind { Message, ColourDaysBox, ColourDateBox, OfferQuit };
    enum class Icon { None, Information };

    Kind kind;
    std::string text; // Message only (UTF-8)
    Icon icon = Icon::None;
    int slot = 0; // colour steps: 1..10
    Rgb colour{0, 0, 0};

    friend bool operator==(const NoticeStep&, const NoticeStep&) = default;
};

// dates and days are the texts of the date and days boxes of slots 1..10 (index 0 = slot 1).
// A days text that is not digits only gives no DueSoon finding.
std::vector<NoticeStep> startupNotices(const std::array<std::string, 10>& dates,
                                       const std::array<std::string, 10>& days,
                                       std::chrono::year_month_day today);

// The date and days texts of slots 1..10 as the main window shows a card: cut to the boxes'
// lengths, and a days text that is not a number repaired to "1", as the days boxes do.
struct ShownSlots {
    std::array<std::string, 10> dates, days;
};
ShownSlots shownSlots(const DeadlineCard& card);

// The days boxes' number test: a text that is not a number is repaired to "1".
// A number is: blanks, an optional sign, digits (at least one), optionally '.' and digits,
// blanks. An empty text is not a number.
bool isNumberText(std::string_view text);
