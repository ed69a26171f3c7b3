// The zodiac and the four pillars the perpetual calendar shows for a moment.
//
// Its own rules, which switch between two ways of counting the year and the
// month (节气换月):
// - terms change the month (on): the month number is the clock month, one
//   less before that month's sectional term; the year is the clock year, one
//   less before 立春;
// - lunar months (off): the month number is the lunar month + 1 (a leap
//   month counts as its number) and the year the lunar year, so the pillars
//   change on the first day of a lunar month and at the lunar new year.
// The day pillar counts days from 1583-01-01, a 壬辰 day, and moves to the
// next day at 23:00; the hour pillar follows from the day's stem. The calendar takes the clock time as entered:
// no true solar time, no place.
//
// With terms changing the month these are the chart's pillars
// (pillars.hpp) at every moment of 1900..2050.
#pragma once

#include <string>

#include "base/expected.hpp"
#include "calendar/civil_date_time.hpp"
#include "calendar/pillars.hpp"

namespace qimen::calendar {

struct CalendarPillars {
    FourPillars pillars;
    std::string zodiacLabel;  // "兔年": the animal of the year pillar's branch
    std::string text;         // one line each: "己卯年\n丙子月\n戊午日\n壬子时"
};

// The pillars of a moment of 1900..2050. Fails with
// kCalendarYearRangeMessage (month_page.hpp) for a year outside it and with
// kCalendarNoSuchDayMessage for a date or time that does not exist.
Expected<CalendarPillars> calendarPillars(const CivilDateTime& moment, bool termsChangeMonth);

}  // namespace qimen::calendar
