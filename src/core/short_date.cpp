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
