// Year, month, day and hour pillars from the day count and the solar terms.
#include "calendar/pillars.hpp"

#include <cmath>

#include "calendar/day_arithmetic.hpp"
#include "calendar/solar_terms.hpp"

namespace qimen::calendar {
namespace {

// Julian day of 立春 of the clock year: the sectional term that belongs to
// February, looked up in February, then March, then January, since in the
// ancient years it can drift out of February.
double beginningOfSpring(int year) {
    TermInstant term = termInMonth(year, 2, true);
    if (term.month != 2) {
        term = termInMonth(year, 3, true);
        if (term.month != 2) term = termInMonth(year, 1, true);
    }
    return julianDay(term.time);
}

}  // namespace

FourPillars fourPillars(const CivilDateTime& clockDate, const CivilDateTime& computeDate, DayChange dayChange) {
    FourPillars p;
    double clockJd = julianDay(clockDate);

    int yearCount = clockDate.year + (clockJd >= beginningOfSpring(clockDate.year) ? 1 : 0) + 896;
    p.year = static_cast<GanZhiCode>(positiveMod(yearCount, 60));

    // October 1582 lost ten days; its month pillar is found from September.
    int lookupMonth = (clockDate.year == 1582 && clockDate.month == 10) ? 9 : clockDate.month;
    TermInstant sectional = termInMonth(clockDate.year, lookupMonth, true);
    int l = sectional.month - (clockJd >= julianDay(sectional.time) ? 0 : 1);
    if (l <= 1) l += 12;  // February 2 … December 12, January 13
    int f = p.year % 10;
    p.month = ganZhiOf(positiveMod(l + 2 * f - 1, 10), positiveMod(l + 1, 12));

    auto dayCount = static_cast<long long>(std::floor(julianDay(computeDate) - 1410960.5));
    p.day = static_cast<GanZhiCode>(positiveMod(dayCount + 51, 60));
    // The 子 hour from 23:00 takes its stem from the next day's pillar.
    GanZhiCode hourDay = computeDate.hour == 23 ? static_cast<GanZhiCode>((p.day + 1) % 60) : p.day;
    if (dayChange == DayChange::At23) p.day = hourDay;

    int t = computeDate.hour;
    int u = t % 2 == 1 ? (t + 1) % 24 : t;
    int s = hourDay % 10 == 0 ? 5 : hourDay % 10;
    p.hour = ganZhiOf(positiveMod(u / 2 + 2 * s - 1, 10), (u / 2 + 1) % 12);
    return p;
}

}  // namespace qimen::calendar
