#pragma once
// ShortDateText: a calendar day as dd/MM/yy, the form of every date box and of the archive.

#include <chrono>
#include <string>
#include <string_view>

std::string shortDateText(std::chrono::year_month_day day);

// True for a dd/MM/yy text that names a day of the calendar, 29/02 in leap years only.
bool isCalendarDay(std::string_view text);
