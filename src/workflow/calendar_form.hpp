// The perpetual-calendar window's logic: the selection (PerpetualCalendar)
// and the boxes the window shows when a typed year or a selected day cannot
// be drawn. The window forwards each control to the calendar and asks
// redraw() for the view; nothing here knows a widget.
#pragma once

#include <optional>
#include <string_view>

#include "calendar/perpetual_calendar.hpp"
#include "workflow/prompter.hpp"

namespace qimen::workflow {

// Captions of the calendar's boxes.
inline constexpr std::string_view kCalendarYearEnteredCaption = "错误";  // Enter in the year edit
inline constexpr std::string_view kCalendarYearCaption = "年份不对";     // a redraw with a bad year
inline constexpr std::string_view kCalendarDayCaption = "日期不对";

class CalendarForm {
public:
    CalendarForm(const calendar::CivilDateTime& now, Prompter& prompter) : calendar_(now), prompter_(prompter) {}

    calendar::PerpetualCalendar& calendar() { return calendar_; }
    const calendar::PerpetualCalendar& calendar() const { return calendar_; }

    // Enter in the year edit: a year of 1900..2050 is taken and the view
    // answered; any other text shows "年份在1900-2050之间" (caption "错误") and
    // answers nothing.
    std::optional<calendar::CalendarView> yearEntered(std::string_view yearText);

    // The view after any control changed, the year read from the edit's
    // text: a bad year shows "年份在1900-2050之间" (caption "年份不对", error
    // icon), a day beyond the month "不存在这个日期，请重新输入！" (caption
    // "日期不对", information icon); either answers nothing, and the window
    // keeps what it shows.
    std::optional<calendar::CalendarView> redraw(std::string_view yearText);

private:
    calendar::PerpetualCalendar calendar_;
    Prompter& prompter_;
};

}  // namespace qimen::workflow
