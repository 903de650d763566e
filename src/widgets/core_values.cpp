#include "widgets/core_values.h"

#include "core/short_date.h"

#include <QDir>

std::chrono::year_month_day toYearMonthDay(const QDate& date)
{
    return std::chrono::year_month_day{std::chrono::year{date.year()},
                                       std::chrono::month{static_cast<unsigned>(date.month())},
                                       std::chrono::day{static_cast<unsigned>(date.day())}};
}

QString shortDateText(const QDate& date)
{
    return QString::fromStdString(shortDateText(toYearMonthDay(date)));
}

std::filesystem::path localPath(const QString& path)
{
    return std::filesystem::path(QDir::toNativeSeparators(path).toStdU16String());
}
