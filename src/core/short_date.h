#pragma once
// ShortDateText: a calendar day as dd/MM/yy, the form of every date box and of the archive.

#include <chrono>
#include <string>

std::string shortDateText(std::chrono::year_month_day day);
