// The lunar date of a Gregorian date together with the run of following days
// that continue the same lunar month one day at a time. solarToLunar is the
// first day of a run; the lunar-to-Gregorian search steps from run to run,
// which finds the same day as stepping day by day.
#pragma once

#include "calendar/civil_date_time.hpp"
#include "calendar/lunar_calendar.hpp"

namespace qimen::calendar {

// `first` is the lunar date of the day asked for; the `days` days from it on
// (1..31) all lie in its Gregorian month and carry the same lunar year, month
// and leap flag with lunar days first.date.day, +1, +2 …
struct LunarDayRun {
    LunarDate first;
    int days = 1;
};

// The run from `date` (a valid Gregorian/Julian date of -849..2100 outside
// the 1582 gap; hour and minute are carried). Table years answer from the
// table, the others from the series, whose new moons are kept per thread for
// the last year asked (they depend on the year alone).
LunarDayRun lunarDayRunFrom(const CivilDateTime& date);

// The same by the series path whatever the year.
LunarDayRun seriesLunarDayRunFrom(const CivilDateTime& date);

}  // namespace qimen::calendar
