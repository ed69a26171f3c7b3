// The perpetual calendar's state and what its controls do to it: the
// selected moment (year, month, day, hour, minute) and the 节气换月 switch,
// moved by the year, month, day and time lists, the previous- and
// next-month buttons, the now button and a click on a day; and the view of
// the selection (the month's sheet, its term lines and the moment's pillars).
// A window owns one and forwards every control to it.
#pragma once

#include "base/expected.hpp"
#include "calendar/calendar_pillars.hpp"
#include "calendar/calendar_sheet.hpp"
#include "calendar/civil_date_time.hpp"

namespace qimen::calendar {

// What the window shows for the selection.
struct CalendarView {
    CalendarSheet sheet;      // the grid, with the page and its two term lines
    CalendarPillars pillars;  // the zodiac label and the pillars of the selected moment
};

class PerpetualCalendar {
public:
    // Starts at `now`, its year brought into 1900..2050; 节气换月 on.
    explicit PerpetualCalendar(const CivilDateTime& now);

    const CivilDateTime& selection() const { return selection_; }
    bool termsChangeMonth() const { return termsChangeMonth_; }

    // Back to `now`, its year brought into 1900..2050.
    void goToNow(const CivilDateTime& now);

    // A typed year: within 1900..2050 it is taken; otherwise the selection
    // stays and the answer is kCalendarYearRangeMessage.
    Expected<void> setYear(int year);

    // The lists' values; a value outside the list's range is ignored. The day
    // may exceed the month's length (31 in April): view() then refuses.
    void setMonth(int month);         // 1..12
    void setDay(int day);             // 1..31
    void setTime(int hour, int minute);  // 0..23, 0..59
    void setTermsChangeMonth(bool on) { termsChangeMonth_ = on; }

    // The month before or after, its first day selected, the time kept;
    // false, and nothing changes, at January 1900 or December 2050.
    bool previousMonth();
    bool nextMonth();

    // A click on the grid's cell (row 0..6, column 0..6): selects the day in
    // it and answers true, or answers false for the header row or an empty
    // cell.
    bool selectCell(int row, int column);

    // The view of the selection, or kCalendarNoSuchDayMessage when the
    // selected day is not in the selected month.
    Expected<CalendarView> view() const;

private:
    CivilDateTime selection_;
    bool termsChangeMonth_ = true;
};

}  // namespace qimen::calendar
