#pragma once
// Values between Qt and the Qt-free core: calendar days and file paths.

#include <chrono>
#include <filesystem>
#include <QDate>
#include <QString>

std::chrono::year_month_day toYearMonthDay(const QDate& date);
// The dd/MM/yy text of a day, as the date boxes hold it.
QString shortDateText(const QDate& date);
// A path as the core's file calls take it, whatever characters it holds.
std::filesystem::path localPath(const QString& path);
