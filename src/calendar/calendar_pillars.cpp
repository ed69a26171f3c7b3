// The perpetual calendar's pillars of a moment.
#include "calendar/calendar_pillars.hpp"

#include "calendar/calendar_text.hpp"
#include "calendar/day_arithmetic.hpp"
#include "calendar/lunar_calendar.hpp"
#include "calendar/month_page.hpp"
#include "calendar/numeric.hpp"
#include "calendar/solar_terms.hpp"

namespace qimen::calendar {
namespace {

bool before(const CivilDateTime& moment, const CivilDateTime& instant) { return julianDay(moment) < julianDay(instant); }

}  // namespace

Expected<CalendarPillars> calendarPillars(const CivilDateTime& moment, bool termsChangeMonth) {
    if (moment.year < kCalendarFirstYear || moment.year > kCalendarLastYear) return fail(kCalendarYearRangeMessage);
    if (!isValidDate(moment) || moment.hour < 0 || moment.hour > 23 || moment.minute < 0 || moment.minute > 59)
        return fail(kCalendarNoSuchDayMessage);

    int monthNumber;  // 2 = 寅 … 12 = 子, 13 = 丑
    int year;         // the year the year pillar names
    if (termsChangeMonth) {
        monthNumber = moment.month - (before(moment, termInMonth(moment.year, moment.month, true).time) ? 1 : 0);
        year = moment.year - (before(moment, termInMonth(moment.year, 2, true).time) ? 1 : 0);
    } else {
        const LunarDate lunar = solarToLunar(moment);
        monthNumber = (lunar.date.month + 1) % 12;
        year = lunar.date.year;
    }
    if (monthNumber <= 1) monthNumber += 12;

    CalendarPillars out;
    FourPillars& p = out.pillars;
    p.year = static_cast<GanZhiCode>(positiveMod(year - 1863, 60));
    const int yearStem = p.year % 10;
    p.month = ganZhiOf(positiveMod(monthNumber + 2 * yearStem - 1, 10), (monthNumber + 1) % 12);
    const int days = dayNumber(moment.year, moment.month, moment.day) - dayNumber(1583, 1, 1);
    p.day = static_cast<GanZhiCode>(positiveMod(days + 29 + (moment.hour == 23 ? 1 : 0), 60));
    const int hour = moment.hour % 2 == 1 ? (moment.hour + 1) % 24 : moment.hour;  // even: 0 子, 2 丑 …
    const int dayStem = p.day % 10 == 0 ? 5 : p.day % 10;
    p.hour = ganZhiOf(positiveMod(hour / 2 + 2 * dayStem - 1, 10), (hour / 2 + 1) % 12);

    out.zodiacLabel = std::string(zodiacText(branchOf(p.year))) + "年";
    out.text = ganZhiText(p.year) + "年\n" + ganZhiText(p.month) + "月\n" + ganZhiText(p.day) + "日\n" +
               ganZhiText(p.hour) + "时";
    return out;
}

}  // namespace qimen::calendar
