// A month page laid out as the 7 × 7 grid a window paints: row 0 the weekday
// names, rows 1..6 the days, each cell with its texts and how to paint them,
// so that the window only maps roles to its pens and fonts.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calendar/month_page.hpp"

namespace qimen::calendar {

// What a painted text or shape is; sheetStyle gives its colour and size.
enum class SheetRole : std::uint8_t {
    Background,     // the grid's fill
    GridLine,       // the six inner lines each way
    WorkdayHeader,  // 星期一 … 星期五
    WeekendHeader,  // 星期六, 星期日
    DayNumber,      // the day of the month, upper half of a cell
    TermName,       // a term's name after the day number on its day
    LunarDate,      // lower half of a cell
    TermLines,      // the month's two term lines beside the grid
    Pillars,        // the selected moment's pillars beside the grid
    Selection,      // the square that marks the selected day
};

struct SheetStyle {
    std::uint32_t rgb = 0;  // 0xRRGGBB
    int pointSize = 0;      // 0: the window's own size
};

// Background light yellow (FF FF C8), grid lines black, workday headers
// green (00 80 00) and weekend headers red (FF 00 00) at 13 pt, day numbers
// blue (00 00 FF) at 14 pt, term names red at 10 pt, lunar dates black at
// 9 pt, term lines red, pillars blue, the selection square green.
SheetStyle sheetStyle(SheetRole role);

struct SheetCell {
    int day = 0;            // the day of the month, 0 for the header row and empty cells
    std::string upper;      // "星期一" in row 0; the day number "4" in a day cell
    SheetRole upperRole = SheetRole::DayNumber;
    std::string term;       // on a term day the term's name, painted after a blank
    std::string lower;      // the lunar date of a day cell
    bool selected = false;  // the selected day's cell
};

struct CalendarSheet {
    MonthPage page;
    int selectedDay = 1;
    std::array<SheetCell, 49> cells;  // row by row, 7 per row

    const SheetCell& cell(int row, int column) const { return cells[static_cast<std::size_t>(row * 7 + column)]; }
};

// The grid of a page with `selectedDay` (1..page.length) marked.
CalendarSheet layOutSheet(MonthPage page, int selectedDay);

}  // namespace qimen::calendar
