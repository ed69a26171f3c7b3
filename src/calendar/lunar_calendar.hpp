// The lunar calendar (农历) over the supported years -849..2100, both ways.
//
// Data flow: for 1900..2050 both directions read the stored month tables
// (lunar_tables.hpp); for the other years a Gregorian date goes through the
// new-moon series and the lunation count (new_moon_series.hpp), and a lunar
// date is found by converting Gregorian days one by one from an estimate
// until one carries the lunar month, day and leap flag asked for.
#pragma once

#include <string>

#include "base/expected.hpp"
#include "calendar/civil_date_time.hpp"

namespace qimen::calendar {

// A lunar date: year (astronomical, the Gregorian year in which its first
// month begins), month 1..12, day 1..30, hour and minute carried over from
// the Gregorian side; `leap` marks the leap month of that number.
struct LunarDate {
    CivilDateTime date;
    bool leap = false;

    friend bool operator==(const LunarDate&, const LunarDate&) = default;
};

// The failure texts of lunarToSolar, shown to the user as they are.
inline constexpr const char* kLunarDayOutOfRangeMessage = "不存在这个日期,请重新输入！";
inline constexpr const char* kNoSuchLeapMonthFormat = "此年没有闰%d月,请重新确定月份！";
inline constexpr const char* kYearWithoutLeapMonthMessage = "此年没有闰月";
inline constexpr const char* kLunarDateNotFoundMessage = "不存在这个日期";

// Lunar date of a Gregorian/Julian date of -849..2100 (astronomical year, a
// valid date; a date of the 1582-10-05..14 gap is read as the day it names in
// Gregorian terms, ten days later, as julianDay reads it). 1900..2050 answer
// from the table in constant time, other years from the series in a few
// microseconds. 1986-12-31 answers lunar 1986-12-01.
// Examples: 2000-02-05 → 2000-01-01; 1800-01-10 → 1799-12-16.
LunarDate solarToLunar(const CivilDateTime& date);

// The lunar date of the series path, whatever the year (-849..2100): the
// answer solarToLunar gives outside 1900..2050. Lets the two paths be
// compared over the table's years.
LunarDate solarToLunarBySeries(const CivilDateTime& date);

// Gregorian/Julian date of lunar year, month and day of `lunar` (month 1..12,
// day 1..; years -849..2100) in the leap month when `leap` is set; hour and
// minute are copied. Fails with kLunarDayOutOfRangeMessage for a day above 30
// (or above the month's length in a table year, or a month outside 1..12),
// with kNoSuchLeapMonthFormat (the month in place of %d) for a leap month a
// table year does not have, with kYearWithoutLeapMonthMessage for a leap
// month in a year outside the table without one, and with
// kLunarDateNotFoundMessage when the search finds no such day before the
// lunar year after next. Lunar 1938-01-30 answers 1938-03-01 (and 1957-01-30
// 1957-03-01, the other month the table cannot carry into March).
// Outside the table the search walks from about a month before the date
// (120 days before for years below 1) and answers the first day whose
// solarToLunar is the date asked for, year included; it takes microseconds,
// a few tens at worst.
Expected<CivilDateTime> lunarToSolar(const CivilDateTime& lunar, bool leap);

inline Expected<CivilDateTime> lunarToSolar(const LunarDate& lunar) { return lunarToSolar(lunar.date, lunar.leap); }

}  // namespace qimen::calendar
