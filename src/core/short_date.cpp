#include "core/short_date.h"

#include <cstdio>

std::string shortDateText(std::chrono::year_month_day day)
{
    const int year = static_cast<int>(day.year());
    const int twoDigitYear = (year % 100 + 100) % 100;
    char text[16];
    std::snprintf(text, sizeof text, "%02u/%02u/%02d", static_cast<unsigned>(day.day()),
                  static_cast<unsigned>(day.month()), twoDigitYear);
    return text;
}

bool isCalendarDay(std::string_view text)
{
    if (text.size() != 8 || text[2] != '/' || text[5] != '/')
        return false;
    int fields[3] = {};
    for (int f = 0; f < 3; ++f) {
        const char tens = text[f * 3];
        const char units = text[f * 3 + 1];
        if (tens < '0' || tens > '9' || units < '0' || units > '9')
            return false;
        fields[f] = (tens - '0') * 10 + (units - '0');
    }
    using namespace std::chrono;
    // Whichever century from 1901 to 2099 a two-digit year stands for, its leap years fall
    // where those of 2000 to 2099 do.
    const year_month_day date{year{2000 + fields[2]}, month{unsigned(fields[1])},
                              day{unsigned(fields[0])}};
    return date.ok();
}
