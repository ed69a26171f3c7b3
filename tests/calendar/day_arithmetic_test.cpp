// Day arithmetic: the published examples, the 1582 reform, and whole-range
// sweeps of the Julian-day conversion.
#include <gtest/gtest.h>

#include "calendar/day_arithmetic.hpp"

namespace {

using namespace qimen::calendar;

CivilDateTime date(int y, int m, int d, int h = 0, int min = 0) {
    return CivilDateTime{static_cast<std::int16_t>(y), static_cast<std::int16_t>(m), static_cast<std::int16_t>(d),
                         static_cast<std::int16_t>(h), static_cast<std::int16_t>(min)};
}

TEST(JulianDay, ReferenceValues) {
    EXPECT_DOUBLE_EQ(julianDay(date(2000, 1, 1)), 2451544.5);
    EXPECT_DOUBLE_EQ(julianDay(date(1582, 10, 4)), 2299159.5);
    EXPECT_DOUBLE_EQ(julianDay(date(1582, 10, 15)), 2299160.5);
    EXPECT_DOUBLE_EQ(julianDay(date(-849, 1, 1)), 1410960.5);
    EXPECT_DOUBLE_EQ(julianDay(date(2000, 1, 1, 12, 0)), 2451545.0);
    // A date in the gap is read by the Julian rule: ten days later.
    EXPECT_DOUBLE_EQ(julianDay(date(1582, 10, 5)), julianDay(date(1582, 10, 15)));
}

TEST(JulianDay, ReformDaysFollowEachOther) {
    EXPECT_EQ(nextDay(date(1582, 10, 4, 7, 30)), date(1582, 10, 15, 7, 30));
    EXPECT_EQ(dayNumber(1582, 10, 15) - dayNumber(1582, 10, 4), 1);
    EXPECT_EQ(nextDay(date(2000, 2, 28)), date(2000, 2, 29));
    EXPECT_EQ(nextDay(date(1900, 2, 28)), date(1900, 3, 1));
    EXPECT_EQ(nextDay(date(1500, 2, 28)), date(1500, 2, 29));
    EXPECT_EQ(nextDay(date(0, 2, 28)), date(0, 2, 29));  // year 0 is a Julian leap year
    EXPECT_EQ(nextDay(date(-1, 12, 31)), date(0, 1, 1));
}

// Every day of the supported range converts to its Julian day and back, each
// day is the previous plus one, and the day count agrees with the Julian day.
TEST(JulianDay, WholeRangeRoundTripsDayByDay) {
    CivilDateTime d = date(kFirstYear, 1, 1);
    double previous = julianDay(d) - 1;
    int count = 0;
    while (d.year <= kLastYear) {
        double jd = julianDay(d);
        ASSERT_EQ(jd, previous + 1) << d.year << '-' << d.month << '-' << d.day;
        ASSERT_EQ(dateFromJulianDay(jd), d) << "jd " << jd;
        ASSERT_EQ(dayNumber(d.year, d.month, d.day), static_cast<int>(jd + 0.5) - 1721425)
            << d.year << '-' << d.month << '-' << d.day;
        ASSERT_TRUE(isValidDate(d));
        previous = jd;
        // Step to the next day by the calendar rule itself.
        int lastDay = d.year == 1582 && d.month == 10 ? 31 : monthLength(d.year, d.month);
        if (d.day < lastDay && !(d.year == 1582 && d.month == 10 && d.day == 4)) {
            ++d.day;
        } else if (d.year == 1582 && d.month == 10 && d.day == 4) {
            d.day = 15;
        } else if (d.month < 12) {
            ++d.month;
            d.day = 1;
        } else {
            ++d.year;
            d.month = 1;
            d.day = 1;
        }
        ++count;
    }
    EXPECT_EQ(count, 2488434.5 - 1410960.5);  // Julian days of 2101-01-01 and -849-01-01
}

// A time built from whole minutes comes back as the same minute, in every
// minute of sampled days across the range (binary rounding must not make
// 00:01 come back as 00:00).
TEST(JulianDay, WholeMinutesComeBackUnchanged) {
    for (int year : {-849, -1, 0, 1, 1000, 1582, 1900, 2000, 2049, 2100}) {
        for (int month : {1, 10}) {
            for (int h = 0; h < 24; ++h) {
                for (int m = 0; m < 60; ++m) {
                    CivilDateTime d = date(year, month, 17, h, m);
                    ASSERT_EQ(dateFromJulianDay(julianDay(d)), d) << year << '-' << month << ' ' << h << ':' << m;
                }
            }
        }
    }
}

TEST(DayCount, ReferenceValuesAndDayOfYear) {
    EXPECT_EQ(dayNumber(2000, 1, 1), 730120);
    EXPECT_EQ(dayOfYear(2000, 12, 31), 366);
    EXPECT_EQ(dayOfYear(1900, 12, 31), 365);
    EXPECT_EQ(dayOfYear(1582, 10, 4), 277);
    EXPECT_EQ(dayOfYear(1582, 10, 15), 278);
    EXPECT_EQ(dayOfYear(1582, 10, 10), 0);  // inside the gap
    EXPECT_EQ(dayOfYear(1582, 12, 31), 355);
    EXPECT_EQ(monthLength(1582, 10), 21);
    EXPECT_EQ(monthLength(1700, 2), 28);
    EXPECT_EQ(monthLength(1500, 2), 29);
}

TEST(DayCount, MonthAndDayFromDayOfYear) {
    EXPECT_EQ(monthDayFromDayOfYear(2000, 1), 101);
    EXPECT_EQ(monthDayFromDayOfYear(2000, 60), 229);
    EXPECT_EQ(monthDayFromDayOfYear(2001, 60), 301);
    EXPECT_EQ(monthDayFromDayOfYear(2000, 366), 1231);
    // Days are counted within the month: the 278th day of 1582 (October 15th)
    // is the fifth day of that October.
    EXPECT_EQ(monthDayFromDayOfYear(1582, 278), 1005);
    EXPECT_EQ(monthDayFromDayOfYear(2000, 0), 100);    // previous year: answers as January
    EXPECT_EQ(monthDayFromDayOfYear(2000, -3), 97);
    EXPECT_EQ(monthDayFromDayOfYear(2001, 367), 1233);  // past the end: counted on in December
    for (int year : {-849, 4, 1582, 1900, 2024}) {
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= monthLength(year, m); ++d) {
                if (year == 1582 && m == 10 && d > 4) continue;  // the day numbers shift past the gap
                ASSERT_EQ(monthDayFromDayOfYear(year, dayOfYear(year, m, d)), m * 100 + d) << year;
            }
        }
    }
}

TEST(Validation, LeapDaysAndRange) {
    EXPECT_TRUE(isValidDate(date(1900, 2, 28)));
    EXPECT_FALSE(isValidDate(date(1900, 2, 29)));
    EXPECT_TRUE(isValidDate(date(1500, 2, 29)));
    EXPECT_TRUE(isValidDate(date(2000, 2, 29)));
    EXPECT_TRUE(isValidDate(date(-848, 2, 29)));
    EXPECT_FALSE(isValidDate(date(-850, 6, 1)));
    EXPECT_TRUE(isValidDate(date(-849, 1, 1)));
    EXPECT_FALSE(isValidDate(date(2101, 1, 1)));
    EXPECT_TRUE(isValidDate(date(2100, 12, 31)));
    EXPECT_FALSE(isValidDate(date(2000, 4, 31)));
    EXPECT_TRUE(isValidDate(date(1582, 10, 10)));  // the gap is not refused
    // Out-of-list input is refused rather than read out of bounds.
    EXPECT_FALSE(isValidDate(date(2000, 13, 1)));
    EXPECT_FALSE(isValidDate(date(2000, 0, 1)));
    EXPECT_FALSE(isValidDate(date(2000, 1, 0)));
}

TEST(Weekday, KnownDays) {
    EXPECT_EQ(weekday(date(2000, 1, 1)), 6);      // Saturday
    EXPECT_EQ(weekday(date(1582, 10, 15)), 5);    // Friday, the first Gregorian day
    EXPECT_EQ(weekday(date(1582, 10, 4)), 4);     // Thursday before it
    EXPECT_EQ(weekday(date(1949, 10, 1, 15)), 6);
    EXPECT_EQ(weekday(date(-849, 1, 1)), 0);
    EXPECT_EQ(weekday(date(2100, 12, 31)), 5);
}

}  // namespace
