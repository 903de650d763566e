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
