// The month page and its grid: length, first column, term days and lines,
// the lunar text of every day of 1900..2050, and the cells a window paints.
#include <gtest/gtest.h>

#include "calendar/calendar_sheet.hpp"
#include "calendar/day_arithmetic.hpp"
#include "calendar/lunar_text.hpp"
#include "calendar/month_page.hpp"

namespace {

using namespace qimen::calendar;

TEST(MonthPage, February2000HasItsTwoTermsOnThe4thAndThe19th) {
    auto page = monthPage(2000, 2);
    ASSERT_TRUE(page) << page.message();
    EXPECT_EQ(page->title, "2000年2月");
    EXPECT_EQ(page->length, 29);
    EXPECT_EQ(page->firstColumn, 1);  // 2000-02-01 was a Tuesday
    EXPECT_EQ(page->sectional.text, "立春4日20时40分");
    EXPECT_EQ(page->principal.text, "雨水19日16时33分");
    EXPECT_EQ(page->sectional.code, 2);
    EXPECT_EQ(page->principal.code, 3);
    for (const PageDay& d : page->days) EXPECT_EQ(d.termCode, d.day == 4 ? 2 : d.day == 19 ? 3 : -1) << d.day;
    EXPECT_EQ(page->days[4].lunarText, "正月初一");  // 2000-02-05, the lunar new year
    EXPECT_EQ(page->days[0].lunarText, "十二月廿六");

    const CalendarSheet sheet = layOutSheet(*page, 10);
    EXPECT_EQ(sheet.cell(0, 0).upper, "星期一");
    EXPECT_EQ(sheet.cell(0, 6).upper, "星期日");
    EXPECT_EQ(sheet.cell(0, 4).upperRole, SheetRole::WorkdayHeader);
    EXPECT_EQ(sheet.cell(0, 5).upperRole, SheetRole::WeekendHeader);
    EXPECT_EQ(sheet.cell(1, 0).day, 0);  // Monday before the 1st
    const SheetCell& fourth = sheet.cell(1, 4);
    EXPECT_EQ(fourth.day, 4);
    EXPECT_EQ(fourth.upper, "4");
    EXPECT_EQ(fourth.term, "立春");
    EXPECT_EQ(fourth.lower, "十二月廿九");
    EXPECT_EQ(sheet.cell(3, 5).term, "雨水");  // the 19th, a Saturday
    EXPECT_TRUE(sheet.cell(2, 3).selected);    // the 10th
    EXPECT_EQ(sheetStyle(SheetRole::TermName).rgb, 0xFF0000u);
    EXPECT_EQ(sheetStyle(SheetRole::DayNumber).pointSize, 14);
}

TEST(MonthPage, RefusesYearsOutside1900To2050) {
    EXPECT_TRUE(monthPage(1900, 1));
    EXPECT_TRUE(monthPage(2050, 12));
    for (int year : {1899, 2051}) {
        auto page = monthPage(year, 6);
        ASSERT_FALSE(page) << year;
        EXPECT_EQ(page.message(), "年份在1900-2050之间");
    }
}

TEST(MonthPage, CellsAndDaysCorrespond) {
    const MonthPage page = *monthPage(2024, 9);  // 30 days from a Sunday: six rows
    EXPECT_EQ(page.firstColumn, 6);
    EXPECT_EQ(page.dayAt(1, 6), 1);
    EXPECT_EQ(page.dayAt(6, 0), 30);
    EXPECT_EQ(page.dayAt(1, 5), 0);
    EXPECT_EQ(page.dayAt(6, 1), 0);
    EXPECT_EQ(page.dayAt(0, 3), 0);
    for (int day = 1; day <= page.length; ++day) EXPECT_EQ(page.dayAt(page.rowOf(day), page.columnOf(day)), day);
}

TEST(PageLunarText, LeapMonthsDayNamesAndTheFirstMonth) {
    auto text = [](int month, int day, bool leap) {
        return pageLunarText(LunarDate{CivilDateTime{2001, static_cast<std::int16_t>(month),
                                                     static_cast<std::int16_t>(day), 0, 0},
                                       leap});
    };
    EXPECT_EQ(text(4, 29, true), "闰四月廿九");
    EXPECT_EQ(text(1, 10, false), "正月初十");
    EXPECT_EQ(text(1, 1, true), "正月初一");  // 正月 is never written with 闰
    EXPECT_EQ(text(11, 11, false), "十一月十一");
    EXPECT_EQ(text(12, 30, false), "十二月三十");
}

// Every day of every month of 1900..2050: the page carries the lunar date
// of the conversion `qimen calendar lunar` prints, in the cell of its
// weekday, under the term of its day.
TEST(MonthPage, EveryDayOf1900To2050CarriesItsLunarDateInItsWeekdayColumn) {
    int checked = 0;
    for (int year = kCalendarFirstYear; year <= kCalendarLastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            auto page = monthPage(year, month);
            ASSERT_TRUE(page) << year << "-" << month;
            ASSERT_EQ(static_cast<int>(page->days.size()), monthLength(year, month));
            for (const PageDay& d : page->days) {
                const CivilDateTime date{static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                                         static_cast<std::int16_t>(d.day), 0, 0};
                const LunarDate lunar = solarToLunar(date);
                ASSERT_EQ(d.lunar, lunar) << year << "-" << month << "-" << d.day;
                ASSERT_EQ(d.lunarText,
                          lunarMonthName(lunar.date.month, lunar.leap) + lunarDayName(lunar.date.day));
                ASSERT_EQ(page->columnOf(d.day), (weekday(date) + 6) % 7);
                ++checked;
            }
            EXPECT_EQ(page->days[static_cast<std::size_t>(page->sectional.instant.time.day - 1)].termCode,
                      2 * month - 2);
            EXPECT_EQ(page->days[static_cast<std::size_t>(page->principal.instant.time.day - 1)].termCode,
                      2 * month - 1);
        }
    }
    EXPECT_EQ(checked, dayNumber(2050, 12, 31) - dayNumber(1900, 1, 1) + 1);
}

}  // namespace
