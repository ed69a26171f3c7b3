// The perpetual calendar's pillars under both month rules, its selection
// moves, limits and messages.
#include <gtest/gtest.h>

#include "calendar/calendar_pillars.hpp"
#include "calendar/calendar_text.hpp"
#include "calendar/day_arithmetic.hpp"
#include "calendar/perpetual_calendar.hpp"
#include "calendar/solar_terms.hpp"

namespace {

using namespace qimen::calendar;

CivilDateTime at(int y, int m, int d, int hour = 0, int minute = 0) {
    return CivilDateTime{static_cast<std::int16_t>(y), static_cast<std::int16_t>(m), static_cast<std::int16_t>(d),
                         static_cast<std::int16_t>(hour), static_cast<std::int16_t>(minute)};
}

std::string line(const CalendarPillars& p) {
    return p.zodiacLabel + " " + ganZhiText(p.pillars.year) + " " + ganZhiText(p.pillars.month) + " " +
           ganZhiText(p.pillars.day) + " " + ganZhiText(p.pillars.hour);
}

struct PillarCase {
    CivilDateTime moment;
    bool termsChangeMonth;
    const char* expected;  // zodiac, year, month, day, hour
    const char* why;
};

void PrintTo(const PillarCase& c, std::ostream* os) { *os << c.why; }

class CalendarPillarsOf : public testing::TestWithParam<PillarCase> {};

TEST_P(CalendarPillarsOf, AMoment) {
    auto p = calendarPillars(GetParam().moment, GetParam().termsChangeMonth);
    ASSERT_TRUE(p) << p.message();
    EXPECT_EQ(line(*p), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    BothMonthRules, CalendarPillarsOf,
    testing::Values(
        PillarCase{at(2000, 1, 1), true, "兔年 己卯 丙子 戊午 壬子", "new year's day 2000, before 立春"},
        PillarCase{at(2000, 1, 1), false, "兔年 己卯 丙子 戊午 壬子", "the same by lunar 1999-11-25"},
        PillarCase{at(2000, 1, 1, 23, 30), true, "兔年 己卯 丙子 己未 甲子", "23:00 takes the next day"},
        PillarCase{at(2000, 2, 4, 20, 39), true, "兔年 己卯 丁丑 壬辰 庚戌", "a minute before 立春"},
        PillarCase{at(2000, 2, 4, 20, 40), true, "龙年 庚辰 戊寅 壬辰 庚戌", "立春 2000-02-04 20:40"},
        PillarCase{at(2000, 2, 4, 20, 40), false, "兔年 己卯 丁丑 壬辰 庚戌", "still lunar 1999-12-29"},
        PillarCase{at(2000, 2, 5), false, "龙年 庚辰 戊寅 癸巳 壬子", "lunar new year 2000"},
        PillarCase{at(2001, 6, 10, 12), true, "蛇年 辛巳 甲午 甲辰 庚午", "after 芒种"},
        PillarCase{at(2001, 6, 10, 12), false, "蛇年 辛巳 癸巳 甲辰 庚午", "leap month 4 counts as 4"},
        PillarCase{at(2001, 12, 20), false, "蛇年 辛巳 庚子 丁巳 庚子", "lunar month 11 is 子"},
        PillarCase{at(2002, 1, 20), false, "蛇年 辛巳 辛丑 戊子 壬子", "lunar month 12 is 丑"}));

TEST(CalendarPillars, WithTermsChangingTheMonthAreTheChartsPillarsThroughout1900To2050) {
    // Every 25 hours of the range at minute 7 (each hour of the day in turn,
    // 23:00 included), and the minute of every sectional term and the
    // minute before it.
    int compared = 0;
    auto compare = [&](const CivilDateTime& moment) {
        auto own = calendarPillars(moment, true);
        ASSERT_TRUE(own) << own.message();
        ASSERT_EQ(own->pillars, fourPillars(moment))
            << moment.year << "-" << moment.month << "-" << moment.day << " " << moment.hour << ":" << moment.minute;
        ++compared;
    };
    const double end = julianDay(at(2050, 12, 31, 23, 59));
    for (double jd = julianDay(at(1900, 1, 1, 0, 7)); jd <= end; jd += 25.0 / 24) compare(dateFromJulianDay(jd));
    for (int year = kCalendarFirstYear; year <= kCalendarLastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const CivilDateTime term = termOfMonth(year, month, true).time;
            compare(term);
            compare(dateFromJulianDay(julianDay(term) - 1.0 / 1440));
        }
    }
    RecordProperty("moments", compared);
}

TEST(CalendarPillars, RefuseMomentsTheCalendarDoesNotShow) {
    EXPECT_EQ(calendarPillars(at(1899, 12, 31), true).message(), "年份在1900-2050之间");
    EXPECT_EQ(calendarPillars(at(2051, 1, 1), false).message(), "年份在1900-2050之间");
    EXPECT_EQ(calendarPillars(at(2000, 4, 31), true).message(), "不存在这个日期，请重新输入！");
    EXPECT_EQ(calendarPillars(at(2000, 4, 30, 24, 0), true).message(), "不存在这个日期，请重新输入！");
}

TEST(PerpetualCalendar, ShowsTheSelectedMonthAndMoment) {
    PerpetualCalendar calendar(at(2000, 1, 1));
    auto view = calendar.view();
    ASSERT_TRUE(view) << view.message();
    EXPECT_EQ(view->sheet.page.title, "2000年1月");
    EXPECT_EQ(view->pillars.zodiacLabel, "兔年");
    EXPECT_EQ(view->pillars.text, "己卯年\n丙子月\n戊午日\n壬子时");
    EXPECT_TRUE(view->sheet.cell(1, 5).selected);  // Saturday the 1st

    calendar.setTermsChangeMonth(false);
    calendar.setMonth(2);
    calendar.setDay(4);
    calendar.setTime(22, 0);
    EXPECT_EQ(calendar.view()->pillars.text, "己卯年\n丁丑月\n壬辰日\n辛亥时");
    ASSERT_TRUE(calendar.selectCell(3, 5));  // the 19th
    EXPECT_EQ(calendar.selection(), at(2000, 2, 19, 22, 0));
    EXPECT_FALSE(calendar.selectCell(0, 2));  // the weekday row
    EXPECT_FALSE(calendar.selectCell(1, 0));  // before the 1st
    EXPECT_EQ(calendar.selection().day, 19);
}

TEST(PerpetualCalendar, April31IsRefusedUntilTheDayExists) {
    PerpetualCalendar calendar(at(2000, 4, 30, 8, 0));
    calendar.setDay(31);
    auto view = calendar.view();
    ASSERT_FALSE(view);
    EXPECT_EQ(view.message(), "不存在这个日期，请重新输入！");
    calendar.setMonth(5);
    EXPECT_TRUE(calendar.view());
}

TEST(PerpetualCalendar, TypedYearsOutside1900To2050AreRefusedAndChangeNothing) {
    PerpetualCalendar calendar(at(2000, 6, 15));
    for (int year : {1899, 2051, 0}) {
        auto set = calendar.setYear(year);
        ASSERT_FALSE(set) << year;
        EXPECT_EQ(set.message(), "年份在1900-2050之间");
    }
    EXPECT_EQ(calendar.selection().year, 2000);
    EXPECT_TRUE(calendar.setYear(2050));
    EXPECT_EQ(calendar.selection().year, 2050);
}

TEST(PerpetualCalendar, MonthStepsStopAtJanuary1900AndDecember2050) {
    PerpetualCalendar first(at(1900, 1, 20, 9, 30));
    EXPECT_FALSE(first.previousMonth());
    EXPECT_EQ(first.selection(), at(1900, 1, 20, 9, 30));
    EXPECT_TRUE(first.nextMonth());
    EXPECT_EQ(first.selection(), at(1900, 2, 1, 9, 30));

    PerpetualCalendar last(at(2050, 12, 31, 23, 0));
    EXPECT_FALSE(last.nextMonth());
    EXPECT_EQ(last.selection(), at(2050, 12, 31, 23, 0));
    EXPECT_TRUE(last.view());
    EXPECT_TRUE(last.previousMonth());
    EXPECT_EQ(last.selection(), at(2050, 11, 1, 23, 0));

    PerpetualCalendar turn(at(2000, 1, 15));
    EXPECT_TRUE(turn.previousMonth());
    EXPECT_EQ(turn.selection(), at(1999, 12, 1));
    EXPECT_TRUE(turn.nextMonth());
    EXPECT_TRUE(turn.nextMonth());
    EXPECT_EQ(turn.selection(), at(2000, 2, 1));
}

TEST(PerpetualCalendar, NowAfter2050ShowsTheSameDayOf2050) {
    PerpetualCalendar calendar(at(2100, 2, 28, 10, 5));
    EXPECT_EQ(calendar.selection(), at(2050, 2, 28, 10, 5));
    calendar.goToNow(at(2024, 2, 29, 7, 0));
    EXPECT_EQ(calendar.selection(), at(2024, 2, 29, 7, 0));
    calendar.goToNow(at(2052, 2, 29, 7, 0));  // 2050 has no February 29th
    EXPECT_EQ(calendar.selection(), at(2050, 2, 28, 7, 0));
}

}  // namespace
