// Conversions between Gregorian/Julian dates and lunar dates: the table path
// of 1900..2050, the series path of the other years (lunar_day_runs.hpp),
// and the lunar-to-Gregorian search outside the table.
#include "calendar/lunar_calendar.hpp"

#include <algorithm>
#include <cstdio>

#include "calendar/day_arithmetic.hpp"
#include "calendar/lunar_day_runs.hpp"
#include "calendar/lunar_tables.hpp"
#include "calendar/numeric.hpp"

namespace qimen::calendar {
namespace {

std::int16_t i16(int x) { return static_cast<std::int16_t>(x); }

// A date of the 1582 gap names the Gregorian day ten days later.
CivilDateTime outsideReformGap(const CivilDateTime& date) {
    if (date.year == 1582 && date.month == 10 && date.day > 4 && date.day < 15) {
        CivilDateTime named = dateFromJulianDay(julianDay(date));
        named.hour = date.hour;
        named.minute = date.minute;
        return named;
    }
    return date;
}

// The date with the hour and minute of `time`.
CivilDateTime withTimeOf(const CivilDateTime& date, const CivilDateTime& time) {
    return CivilDateTime{date.year, date.month, date.day, time.hour, time.minute};
}

Expected<CivilDateTime> solarFromTable(const CivilDateTime& lunar, bool leap) {
    const int y = lunar.year;
    const int m = lunar.month;
    const int d = lunar.day;
    if (y == 1938 && m == 1 && d == 30 && !leap) return withTimeOf(CivilDateTime{1938, 3, 1, 0, 0}, lunar);

    const std::uint32_t word = storedSolarFromLunarWord(y, m);
    const std::uint32_t half = leap ? (word >> 16) : (word & 0xFFFFu);
    if (leap && !(word >> 31)) {
        char text[96];
        std::snprintf(text, sizeof text, kNoSuchLeapMonthFormat, m);
        return fail(text);
    }
    const bool isLong = (half >> 7) & 0x1;
    if (d > (isLong ? 30 : 29)) return fail(kLunarDayOutOfRangeMessage);

    const int add = static_cast<int>(half & 0x1F);
    const int h = static_cast<int>((half >> 5) & 0x3);
    const int g = static_cast<int>((half >> 8) & 0x1F);
    const int h2 = static_cast<int>((half >> 13) & 0x3);
    int month;
    int day;
    if (g != 0 && d > g) {
        month = m + h2;
        day = d - g;
    } else if (add == 0 && h == 0 && d == g) {  // a month beginning on the 31st
        month = m;
        day = 31;
    } else {
        month = m + h;
        day = d + add;
    }
    int year = y;
    if (month > 12) {
        month -= 12;
        year += 1;
    }
    // A lunar month beginning on January 31st runs through a short February
    // into March (1938 and 1957 month 1, day 30): carry the overflow.
    if (day > monthLength(year, month)) {
        day -= monthLength(year, month);
        if (++month > 12) {
            month = 1;
            year += 1;
        }
    }
    return withTimeOf(CivilDateTime{i16(year), i16(month), i16(day), 0, 0}, lunar);
}

// Converts Gregorian days from an estimate on until one has the lunar date
// asked for; gives up once the lunar year after next is reached. Steps from
// run to run (lunar_day_runs.hpp), which finds the day a day-by-day walk
// would find.
Expected<CivilDateTime> solarBySearch(const CivilDateTime& lunar, bool leap) {
    const int y = lunar.year;
    const int m = lunar.month;
    const int d = lunar.day;
    if (leap && leapMonthOf(y) == 0) return fail(kYearWithoutLeapMonthMessage);

    const CivilDateTime estimate{i16(y), i16(m), i16(std::min(d, 28)), 0, 0};
    const LunarDate there = solarToLunar(estimate);
    // Start about a month before the date asked for: the lunar month of the
    // Gregorian date (y, m, ·) is m or one or two before it (the difference
    // counts forward); where the first month of the year was moved it can be
    // one after it, and the difference then counts back.
    const int monthsAhead = positiveMod(m - there.date.month + 6, 12) - 6;  // [-6, 5]
    const int offset = y >= 1 ? monthsAhead * 28 + d - there.date.day - 30 : -120;
    double jd = julianDay(outsideReformGap(estimate)) + offset;
    for (;;) {
        const LunarDayRun run = lunarDayRunFrom(dateFromJulianDay(jd));
        const LunarDate& first = run.first;
        if (first.date.year == y && first.date.month == m && first.leap == leap && d >= first.date.day &&
            d < first.date.day + run.days)
            return withTimeOf(dateFromJulianDay(jd + (d - first.date.day)), lunar);
        if (first.date.year >= y + 2) return fail(kLunarDateNotFoundMessage);
        jd += run.days;
    }
}

}  // namespace

LunarDate solarToLunar(const CivilDateTime& date) { return lunarDayRunFrom(outsideReformGap(date)).first; }

LunarDate solarToLunarBySeries(const CivilDateTime& date) {
    return seriesLunarDayRunFrom(outsideReformGap(date)).first;
}

Expected<CivilDateTime> lunarToSolar(const CivilDateTime& lunar, bool leap) {
    if (lunar.day > 30 || lunar.day < 1 || lunar.month < 1 || lunar.month > 12)
        return fail(kLunarDayOutOfRangeMessage);
    if (lunar.year >= kLunarTableFirstYear && lunar.year <= kLunarTableLastYear) return solarFromTable(lunar, leap);
    return solarBySearch(lunar, leap);
}

}  // namespace qimen::calendar
