// The four sexagenary pillars (year, month, day, hour) of a moment.
#pragma once

#include "calendar/civil_date_time.hpp"
#include "calendar/ganzhi.hpp"

namespace qimen::calendar {

struct FourPillars {
    GanZhiCode year = 0;
    GanZhiCode month = 0;
    GanZhiCode day = 0;
    GanZhiCode hour = 0;

    friend bool operator==(const FourPillars&, const FourPillars&) = default;
};

// Pillars of a moment. The year changes at 立春 and the month at each
// sectional term, both compared with the clock time (UTC+8 term instants);
// the day and hour follow `computeDate`, which differs from the clock date
// only when true solar time is in use. From 23:00 on, the day pillar is the
// next day's and the hour is that day's 子 hour.
// Example: 2000-01-01 00:00 → 己卯 丙子 戊午 壬子.
FourPillars fourPillars(const CivilDateTime& clockDate, const CivilDateTime& computeDate);

// Same, with clock and compute date equal.
inline FourPillars fourPillars(const CivilDateTime& date) { return fourPillars(date, date); }

}  // namespace qimen::calendar
