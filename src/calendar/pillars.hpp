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

// When the day pillar moves on: at 23:00, with the 子 hour that opens the
// next day (the charts' rule), or at midnight, so that 23:00–23:59 is the
// late 子 hour (夜子时) of its own calendar day.
enum class DayChange : std::uint8_t { At23, AtMidnight };

// Pillars of a moment. The year changes at 立春 and the month at each
// sectional term, both compared with the clock time (UTC+8 term instants);
// the day and hour follow `computeDate`, which differs from the clock date
// only when true solar time is in use. From 23:00 on, the hour is the 子 hour
// of the next day (its stem counted from the next day's pillar) and, with
// DayChange::At23, the day pillar is already the next day's; with
// DayChange::AtMidnight it stays the calendar day's.
// Example: 2000-01-01 00:00 → 己卯 丙子 戊午 壬子; 2000-01-01 23:30 → day 己未
// (At23) or 戊午 (AtMidnight), hour 甲子 either way.
FourPillars fourPillars(const CivilDateTime& clockDate, const CivilDateTime& computeDate,
                        DayChange dayChange = DayChange::At23);

// Same, with clock and compute date equal.
inline FourPillars fourPillars(const CivilDateTime& date) { return fourPillars(date, date); }

}  // namespace qimen::calendar
