// The perpetual calendar's selection and its moves.
#include "calendar/perpetual_calendar.hpp"

#include <algorithm>

#include "calendar/day_arithmetic.hpp"

namespace qimen::calendar {
namespace {

std::int16_t i16(int x) { return static_cast<std::int16_t>(x); }

CivilDateTime withinCalendarYears(CivilDateTime now) {
    now.year = i16(std::clamp<int>(now.year, kCalendarFirstYear, kCalendarLastYear));
    now.day = i16(std::min<int>(now.day, monthLength(now.year, now.month)));  // 02-29 of a capped year
    return now;
}

}  // namespace

PerpetualCalendar::PerpetualCalendar(const CivilDateTime& now) : selection_(withinCalendarYears(now)) {}

void PerpetualCalendar::goToNow(const CivilDateTime& now) { selection_ = withinCalendarYears(now); }

Expected<void> PerpetualCalendar::setYear(int year) {
    if (year < kCalendarFirstYear || year > kCalendarLastYear) return fail(kCalendarYearRangeMessage);
    selection_.year = i16(year);
    return ok();
}

void PerpetualCalendar::setMonth(int month) {
    if (month >= 1 && month <= 12) selection_.month = i16(month);
}

void PerpetualCalendar::setDay(int day) {
    if (day >= 1 && day <= 31) selection_.day = i16(day);
}

void PerpetualCalendar::setTime(int hour, int minute) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return;
    selection_.hour = i16(hour);
    selection_.minute = i16(minute);
}

bool PerpetualCalendar::previousMonth() {
    if (selection_.year == kCalendarFirstYear && selection_.month == 1) return false;
    if (--selection_.month < 1) {
        selection_.month = 12;
        --selection_.year;
    }
    selection_.day = 1;
    return true;
}

bool PerpetualCalendar::nextMonth() {
    if (selection_.year == kCalendarLastYear && selection_.month == 12) return false;
    if (++selection_.month > 12) {
        selection_.month = 1;
        ++selection_.year;
    }
    selection_.day = 1;
    return true;
}

bool PerpetualCalendar::selectCell(int row, int column) {
    auto page = monthPage(selection_.year, selection_.month);
    if (!page) return false;
    const int day = page->dayAt(row, column);
    if (day == 0) return false;
    selection_.day = i16(day);
    return true;
}

Expected<CalendarView> PerpetualCalendar::view() const {
    auto page = monthPage(selection_.year, selection_.month);
    if (!page) return fail(page.message());
    if (selection_.day > page->length) return fail(kCalendarNoSuchDayMessage);
    auto pillars = calendarPillars(selection_, termsChangeMonth_);
    if (!pillars) return fail(pillars.message());
    return CalendarView{layOutSheet(std::move(*page), selection_.day), std::move(*pillars)};
}

}  // namespace qimen::calendar
