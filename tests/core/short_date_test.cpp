#include "core/short_date.h"

#include <gtest/gtest.h>

using namespace std::chrono;

TEST(ShortDateText, isTwoDigitDayMonthYearWithSlashes)
{
    EXPECT_EQ(shortDateText(2004y / August / 2d), "02/08/04");
    EXPECT_EQ(shortDateText(2005y / March / 10d), "10/03/05");
    EXPECT_EQ(shortDateText(1999y / December / 31d), "31/12/99");
    EXPECT_EQ(shortDateText(2000y / January / 1d), "01/01/00");
    EXPECT_EQ(shortDateText(2004y / February / 29d), "29/02/04");
    EXPECT_EQ(shortDateText(2105y / November / 30d), "30/11/05");
}

TEST(ShortDateText, isCalendarDayOnlyForARealDay)
{
    for (const char* real : {"01/01/00", "31/12/99", "29/02/00", "29/02/04", "31/01/26", "30/04/26",
                             "28/02/25", "11/06/04"})
        EXPECT_TRUE(isCalendarDay(real)) << real;
    for (const char* none :
         {"32/13/26", "99/99/99", "00/01/26", "01/00/26", "31/04/26", "29/02/25", "30/02/00",
          "1/06/04", "01/06/2004", "01-06-04", "0a/06/04", "//////", ""})
        EXPECT_FALSE(isCalendarDay(none)) << none;
}
