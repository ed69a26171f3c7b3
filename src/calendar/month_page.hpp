// One Gregorian month of 1900..2050 as the perpetual calendar shows it: its
// length, the weekday column of its first day, every day's lunar date and
// the month's two solar terms.
//
// Data flow: (year, month) → day arithmetic (length, weekday of the 1st) →
// the stored term table (sectional and principal term of the month) → the
// lunar tables (each day's lunar date) → texts. calendar_sheet.hpp lays a
// page out as the 7 × 7 grid a window draws.
#pragma once

#include <string>
#include <vector>

#include "base/expected.hpp"
#include "calendar/lunar_calendar.hpp"
#include "calendar/solar_terms.hpp"

namespace qimen::calendar {

// The years the perpetual calendar shows.
inline constexpr int kCalendarFirstYear = 1900;
inline constexpr int kCalendarLastYear = 2050;

// Its two messages, shown as they are.
inline constexpr const char* kCalendarYearRangeMessage = "年份在1900-2050之间";
inline constexpr const char* kCalendarNoSuchDayMessage = "不存在这个日期，请重新输入！";

// One of the month's two terms.
struct PageTerm {
    int code = 0;          // SolarTerm code, 0 = 小寒 … 23 = 冬至
    TermInstant instant;   // UTC+8, to the minute
    std::string text;      // name, day, hour and minute: "立春4日20时40分"
};

// One day of the month.
struct PageDay {
    int day = 0;            // 1..31
    LunarDate lunar;
    std::string lunarText;  // "正月初一", "闰四月廿九", "十二月三十"
    int termCode = -1;      // the code of the month's term that falls on this day, else -1
};

struct MonthPage {
    int year = 0;
    int month = 0;
    int length = 0;          // 28..31
    int firstColumn = 0;     // weekday of the 1st, Monday = 0 … Sunday = 6
    std::string title;       // "2000年2月"
    PageTerm sectional;      // 节, first of the two
    PageTerm principal;      // 中气
    std::vector<PageDay> days;  // days[i] is day i + 1

    // Row 1..6 and column 0..6 of a day's cell in the 7 × 7 grid whose row 0
    // holds the weekday names.
    int rowOf(int day) const { return 1 + (firstColumn + day - 1) / 7; }
    int columnOf(int day) const { return (firstColumn + day - 1) % 7; }
    // The day in the cell at (row, column), or 0 when the cell holds none.
    int dayAt(int row, int column) const;
};

// The page of (year, month). Fails with kCalendarYearRangeMessage for a year
// outside 1900..2050 and with kCalendarNoSuchDayMessage for a month outside
// 1..12.
Expected<MonthPage> monthPage(int year, int month);

// A lunar date as a page cell writes it: "闰" for a leap month, the month
// name ("正月" for month 1, which drops the "闰"), and the day name with
// "初" up to the tenth.
std::string pageLunarText(const LunarDate& lunar);

}  // namespace qimen::calendar
