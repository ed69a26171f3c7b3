// The lunar months whose first day published calendars disagree on, from
// the generated table data/calendar/disputed_lunar_months.inc: the month
// tables follow almanacs reckoned on the Beijing meridian, where calendars
// reckoned in UTC+8 begin the month a day later. For a date of such a month
// the other reckoning gives another lunar date, and a lunar date another
// Gregorian day.
#pragma once

#include <optional>
#include <span>

#include "calendar/civil_date_time.hpp"
#include "calendar/lunar_calendar.hpp"

namespace qimen::calendar {

struct DisputedLunarMonth {
    int lunarYear = 0;
    int month = 0;       // 1..12
    bool leap = false;
    CivilDateTime tableStart;  // first day in the month tables (lunarToSolar, solarToLunar)
    CivilDateTime otherStart;  // first day in a calendar reckoned in UTC+8
};

// Every disputed month, in date order.
std::span<const DisputedLunarMonth> disputedLunarMonths();

// The disputed month that holds lunar date `lunar` (year, month and leap
// flag compared; the day is not), if any.
const DisputedLunarMonth* disputedMonthOf(const LunarDate& lunar);

// The lunar date the other reckoning gives to the Gregorian day `date` of a
// disputed month `month`: its days fall one lunar day later there, so the
// first day of the tables is the last day of the month before, and each
// later day is one day lower. Hour and minute are copied. Needs the day
// before `month.tableStart` to be in the supported years.
LunarDate otherLunarDate(const DisputedLunarMonth& month, const CivilDateTime& date);

}  // namespace qimen::calendar
