// Day arithmetic on civil dates: Julian day numbers, day counts, day of year,
// validation and weekday, over the astronomical years -849..2100 with the
// Julian calendar before 1582-10-15 and the Gregorian calendar from then on.
#pragma once

#include "calendar/civil_date_time.hpp"

namespace qimen::calendar {

// Julian day of the date and time (x.5 is midnight). Dates inside the
// 1582-10-05..14 gap are computed by the Julian rule and so name the day ten
// days later in Gregorian terms. Examples: 2000-01-01 00:00 → 2451544.5,
// -849-01-01 → 1410960.5.
double julianDay(const CivilDateTime& date);

// Civil date and time of a Julian day, the inverse of julianDay at the day
// level over the supported range. The time is floored to the minute after a
// tolerance of a hundredth of a second, so that a time built from whole
// minutes comes back as the same minute despite binary rounding.
CivilDateTime dateFromJulianDay(double jd);

// The same time of the next day (1582-10-04 is followed by 1582-10-15).
CivilDateTime nextDay(const CivilDateTime& date);

// Day of the year, 1 for January 1st. In 1582 the Gregorian part subtracts
// the ten lost days; a date inside the gap gives 0.
int dayOfYear(int year, int month, int day);

// Day count: the Julian day number at noon minus 1721425 (2000-01-01 →
// 730120). Accepts day 0 (the last day of the previous month).
int dayNumber(int year, int month, int day);

// Month × 100 + day of the n-th day of the year, the day counted within the
// month (in 1582 the 278th day, October 15th, answers 1005). n ≤ 0 answers
// as January (100 + n), n beyond the year's length as December (1200 + n
// less the days of January..November).
int monthDayFromDayOfYear(int year, int n);

// Length of the month under the date's calendar rule (October 1582 has 21).
int monthLength(int year, int month);

// True when the year is in -849..2100, the month in 1..12 and the day in 1 up
// to the month's length. February has 29 days in years divisible by 4 up to
// 1582 and in Gregorian leap years after it; the 1582 gap is accepted.
bool isValidDate(const CivilDateTime& date);

// 0..6, 0 = Sunday.
int weekday(const CivilDateTime& date);

}  // namespace qimen::calendar
