// The lunar calendar's examples, special dates and failure messages, the
// numerals and names of lunar dates, and the sample rows of the leap-month
// table.
#include <gtest/gtest.h>

#include "calendar/lunar_calendar.hpp"
#include "calendar/lunar_tables.hpp"
#include "calendar/lunar_text.hpp"

namespace {

using namespace qimen::calendar;
using qimen::Expected;

CivilDateTime date(int y, int m, int d, int hour = 0, int minute = 0) {
    return CivilDateTime{static_cast<std::int16_t>(y), static_cast<std::int16_t>(m), static_cast<std::int16_t>(d),
                         static_cast<std::int16_t>(hour), static_cast<std::int16_t>(minute)};
}

LunarDate lunar(int y, int m, int d, bool leap = false) { return LunarDate{date(y, m, d), leap}; }

std::string text(const LunarDate& l) {
    return std::to_string(l.date.year) + "-" + std::to_string(l.date.month) + (l.leap ? "(leap)-" : "-") +
           std::to_string(l.date.day);
}

struct Conversion {
    CivilDateTime solar;
    LunarDate lunar;
    const char* why;
};

void PrintTo(const Conversion& c, std::ostream* os) { *os << c.why; }

class SolarToLunarExamples : public testing::TestWithParam<Conversion> {};

TEST_P(SolarToLunarExamples, ConvertsBothWays) {
    const Conversion& c = GetParam();
    LunarDate got = solarToLunar(c.solar);
    EXPECT_EQ(got, c.lunar) << c.why << ": expected " << text(c.lunar) << ", got " << text(got);
    Expected<CivilDateTime> back = lunarToSolar(c.lunar);
    ASSERT_TRUE(back.ok()) << c.why << ": " << back.message();
    EXPECT_EQ(*back, c.solar) << c.why;
}

// Facts of the published calendar (first days of years and months) and the
// calendar's own examples.
INSTANTIATE_TEST_SUITE_P(
    Published, SolarToLunarExamples,
    testing::Values(Conversion{date(2000, 2, 5), lunar(2000, 1, 1), "new year 2000 (table)"},
                    Conversion{date(1986, 12, 31), lunar(1986, 12, 1), "second lunar month begun in 1986-12"},
                    Conversion{date(1986, 12, 30), lunar(1986, 11, 29), "the day before it"},
                    Conversion{date(1900, 1, 1), lunar(1899, 12, 1), "first day of the table"},
                    Conversion{date(1900, 1, 31), lunar(1900, 1, 1), "new year 1900"},
                    Conversion{date(1906, 4, 23), lunar(1906, 3, 30), "last day of month 3 of 1906"},
                    Conversion{date(1906, 4, 24), lunar(1906, 4, 1), "month 4 of 1906 begins in UTC+8"},
                    Conversion{date(1916, 2, 3), lunar(1916, 1, 1), "new year 1916, Beijing mean time"},
                    Conversion{date(1950, 2, 17), lunar(1950, 1, 1), "new year 1950"},
                    Conversion{date(2024, 2, 10), lunar(2024, 1, 1), "new year 2024"},
                    Conversion{date(2050, 1, 23), lunar(2050, 1, 1), "new year 2050"},
                    Conversion{date(2001, 5, 23), lunar(2001, 4, 1, true), "first day of leap month 4 of 2001"},
                    Conversion{date(2001, 6, 20), lunar(2001, 4, 29, true), "last day of that leap month"},
                    Conversion{date(2033, 12, 22), lunar(2033, 11, 1, true), "leap month 11 of 2033"},
                    Conversion{date(2034, 1, 19), lunar(2033, 11, 29, true), "it runs into January"},
                    Conversion{date(2034, 1, 20), lunar(2033, 12, 1), "month 12 after it"},
                    Conversion{date(2023, 3, 22), lunar(2023, 2, 1, true), "leap month 2 of 2023"},
                    Conversion{date(1800, 1, 25), lunar(1800, 1, 1), "new year 1800 (series)"},
                    Conversion{date(1899, 2, 10), lunar(1899, 1, 1), "new year 1899 (series)"},
                    Conversion{date(2051, 2, 11), lunar(2051, 1, 1), "new year 2051 (series)"}));

TEST(SolarToLunar, CarriesHourAndMinute) {
    EXPECT_EQ(solarToLunar(date(2000, 2, 5, 13, 45)), LunarDate(date(2000, 1, 1, 13, 45), false));
    EXPECT_EQ(solarToLunar(date(1800, 1, 25, 23, 59)), LunarDate(date(1800, 1, 1, 23, 59), false));
}

TEST(SolarToLunar, JanuaryBeforeTheNewYearBelongsToThePreviousLunarYear) {
    for (int day = 1; day <= 24; ++day) {
        LunarDate l = solarToLunar(date(1800, 1, day));
        EXPECT_EQ(l.date.year, 1799) << "1800-01-" << day;
        EXPECT_TRUE(l.date.month == 11 || l.date.month == 12) << "1800-01-" << day << ": " << text(l);
    }
    EXPECT_EQ(solarToLunar(date(1800, 1, 10)), lunar(1799, 12, 16));
}

TEST(SolarToLunar, ReadsADateOfThe1582GapAsTheDayItNames) {
    // julianDay reads 1582-10-07 as 1582-10-17.
    EXPECT_EQ(solarToLunar(date(1582, 10, 7)), solarToLunar(date(1582, 10, 17)));
    EXPECT_EQ(solarToLunar(date(1582, 10, 15)), lunar(1582, 9, 19));
    EXPECT_EQ(solarToLunar(date(1582, 10, 4)), lunar(1582, 9, 18));
}

TEST(LunarToSolar, Lunar1938Month1Day30IsMarchFirst) {
    Expected<CivilDateTime> r = lunarToSolar(date(1938, 1, 30, 8, 15), false);
    ASSERT_TRUE(r.ok()) << r.message();
    EXPECT_EQ(*r, date(1938, 3, 1, 8, 15));
    EXPECT_EQ(solarToLunar(date(1938, 3, 1)), lunar(1938, 1, 30));
}

TEST(LunarToSolar, AMonthFromJanuary31stThroughAShortFebruaryEndsInMarch) {
    // Month 1 of 1957 begins on 1957-01-31 and has 30 days, like 1938's.
    Expected<CivilDateTime> r = lunarToSolar(date(1957, 1, 30), false);
    ASSERT_TRUE(r.ok()) << r.message();
    EXPECT_EQ(*r, date(1957, 3, 1));
    EXPECT_EQ(solarToLunar(date(1957, 3, 1)), lunar(1957, 1, 30));
}

TEST(LunarToSolar, CopiesHourAndMinute) {
    Expected<CivilDateTime> table = lunarToSolar(date(2001, 4, 29, 5, 6), true);
    ASSERT_TRUE(table.ok());
    EXPECT_EQ(*table, date(2001, 6, 20, 5, 6));
    Expected<CivilDateTime> series = lunarToSolar(date(2051, 1, 1, 22, 59), false);
    ASSERT_TRUE(series.ok());
    EXPECT_EQ(*series, date(2051, 2, 11, 22, 59));
}

struct Failure {
    CivilDateTime lunar;
    bool leap;
    const char* message;
};

void PrintTo(const Failure& f, std::ostream* os) {
    *os << f.lunar.year << "-" << f.lunar.month << "-" << f.lunar.day << (f.leap ? " leap" : "");
}

class LunarToSolarFailures : public testing::TestWithParam<Failure> {};

TEST_P(LunarToSolarFailures, GiveTheExactMessage) {
    const Failure& f = GetParam();
    Expected<CivilDateTime> r = lunarToSolar(f.lunar, f.leap);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.message(), f.message) << f.lunar.year << "-" << f.lunar.month << "-" << f.lunar.day
                                    << (f.leap ? " leap" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Messages, LunarToSolarFailures,
    testing::Values(Failure{date(2001, 4, 30), true, "不存在这个日期,请重新输入！"},  // 29-day leap month
                    Failure{date(2000, 1, 31), false, "不存在这个日期,请重新输入！"},  // above 30, table
                    Failure{date(1700, 1, 31), false, "不存在这个日期,请重新输入！"},  // above 30, series
                    Failure{date(1986, 11, 30), false, "不存在这个日期,请重新输入！"},  // 29-day month
                    Failure{date(2002, 4, 1), true, "此年没有闰4月,请重新确定月份！"},
                    Failure{date(2001, 5, 1), true, "此年没有闰5月,请重新确定月份！"},
                    Failure{date(1950, 12, 3), true, "此年没有闰12月,请重新确定月份！"},
                    Failure{date(2051, 1, 1), true, "此年没有闰月"},
                    Failure{date(1700, 6, 1), true, "此年没有闰月"},
                    Failure{date(2052, 3, 1), true, "不存在这个日期"},     // 2052 has leap month 8
                    Failure{date(2100, 12, 30), false, "不存在这个日期"},  // a 29-day month
                    Failure{date(2051, 1, 0), false, "不存在这个日期,请重新输入！"},
                    Failure{date(2051, 13, 1), false, "不存在这个日期,请重新输入！"}));

TEST(LeapMonthTable, SampleRows) {
    // The modern rows as published. The four ancient rows of a historical
    // reconstruction (-848 → 12, -845 → 8, -842 → 5, -839 → 1) are known
    // differences: the table keeps the astronomical rule there
    // (gen/lunar/leap_month_table.hpp).
    const std::pair<int, int> rows[] = {{1990, 5}, {1993, 3}, {1995, 8}, {1998, 5}, {2001, 4},
                                        {2004, 2}, {2006, 7}, {2009, 5}, {2012, 4}, {2014, 9},
                                        {2017, 6}, {2020, 4}, {2023, 2}, {2025, 6}, {2028, 5}};
    for (auto [year, month] : rows) EXPECT_EQ(leapMonthOf(year), month) << year;
    EXPECT_EQ(leapMonthOf(-848), 8);
    EXPECT_EQ(leapMonthOf(-845), 5);
    EXPECT_EQ(leapMonthOf(-842), 3);
    EXPECT_EQ(leapMonthOf(-839), 2);
}

TEST(LeapMonthTable, AnswersZeroOutsideItsYears) {
    EXPECT_EQ(leapMonthOf(-850), 0);
    EXPECT_EQ(leapMonthOf(2101), 0);
    EXPECT_EQ(leapYearsThrough(-850), 0);
    EXPECT_EQ(leapYearsThrough(2101), leapYearsThrough(2100));
    int count = 0;
    for (int y = kLeapTableFirstYear; y <= kLeapTableLastYear; ++y) {
        if (leapMonthOf(y) != 0) ++count;
        ASSERT_EQ(leapYearsThrough(y), count) << y;
        ASSERT_GE(leapMonthOf(y), 0);
        ASSERT_LE(leapMonthOf(y), 12);
    }
}

TEST(LunarText, Numerals) {
    const char* expected[31] = {"",     "一",   "二",   "三",   "四",   "五",   "六",   "七",
                                "八",   "九",   "十",   "十一", "十二", "十三", "十四", "十五",
                                "十六", "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三",
                                "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
    for (int n = 0; n <= 30; ++n) EXPECT_EQ(lunarNumeral(n), expected[n]) << n;
    EXPECT_EQ(lunarNumeral(31), "");
    EXPECT_EQ(lunarNumeral(-1), "");
    const char* digits[10] = {"○", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(lunarDigitText(i), digits[i]) << i;
    EXPECT_EQ(lunarDigitText(10), "");
}

TEST(LunarText, MonthAndDayNames) {
    EXPECT_EQ(lunarMonthName(1), "正月");
    EXPECT_EQ(lunarMonthName(2), "二月");
    EXPECT_EQ(lunarMonthName(10), "十月");
    EXPECT_EQ(lunarMonthName(11), "十一月");
    EXPECT_EQ(lunarMonthName(12), "十二月");
    EXPECT_EQ(lunarMonthName(4, true), "闰四月");
    EXPECT_EQ(lunarMonthName(1, true), "闰正月");
    EXPECT_EQ(lunarMonthName(13), "");
    EXPECT_EQ(lunarDayName(1), "初一");
    EXPECT_EQ(lunarDayName(10), "初十");
    EXPECT_EQ(lunarDayName(11), "十一");
    EXPECT_EQ(lunarDayName(20), "二十");
    EXPECT_EQ(lunarDayName(21), "廿一");
    EXPECT_EQ(lunarDayName(29), "廿九");
    EXPECT_EQ(lunarDayName(30), "三十");
    EXPECT_EQ(lunarDayName(0), "");
}

}  // namespace
