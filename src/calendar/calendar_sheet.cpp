// Laying a month page out on the 7 × 7 grid.
#include "calendar/calendar_sheet.hpp"

#include <utility>

#include "calendar/calendar_text.hpp"

namespace qimen::calendar {

SheetStyle sheetStyle(SheetRole role) {
    switch (role) {
        case SheetRole::Background: return {0xFFFFC8, 0};
        case SheetRole::GridLine: return {0x000000, 0};
        case SheetRole::WorkdayHeader: return {0x008000, 13};
        case SheetRole::WeekendHeader: return {0xFF0000, 13};
        case SheetRole::DayNumber: return {0x0000FF, 14};
        case SheetRole::TermName: return {0xFF0000, 10};
        case SheetRole::LunarDate: return {0x000000, 9};
        case SheetRole::TermLines: return {0xFF0000, 0};
        case SheetRole::Pillars: return {0x0000FF, 0};
        case SheetRole::Selection: return {0x008000, 0};
    }
    return {};
}

CalendarSheet layOutSheet(MonthPage page, int selectedDay) {
    CalendarSheet sheet;
    for (int column = 0; column < 7; ++column) {
        SheetCell& c = sheet.cells[static_cast<std::size_t>(column)];
        c.upper = "星期" + std::string(weekdayText((column + 1) % 7));  // Monday first
        c.upperRole = column < 5 ? SheetRole::WorkdayHeader : SheetRole::WeekendHeader;
    }
    for (const PageDay& d : page.days) {
        SheetCell& c = sheet.cells[static_cast<std::size_t>(page.rowOf(d.day) * 7 + page.columnOf(d.day))];
        c.day = d.day;
        c.upper = std::to_string(d.day);
        if (d.termCode >= 0) c.term = solarTermText(d.termCode);
        c.lower = d.lunarText;
        c.selected = d.day == selectedDay;
    }
    sheet.selectedDay = selectedDay;
    sheet.page = std::move(page);
    return sheet;
}

}  // namespace qimen::calendar
