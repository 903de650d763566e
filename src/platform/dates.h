#pragma once
// Calendar days between Qt and the core's std::chrono.

#include <chrono>
#include <QDate>
#include <QString>

std::chrono::year_month_day toYearMonthDay(const QDate& date);
// The dd/MM/yy text of a day, as the date boxes hold it.
QString shortDateText(const QDate& date);
