// Building a month page from the day arithmetic, the term table and the
// lunar tables.
#include "calendar/month_page.hpp"

#include <cstdio>

#include "calendar/calendar_text.hpp"
#include "calendar/day_arithmetic.hpp"
#include "calendar/lunar_text.hpp"

namespace qimen::calendar {
namespace {

PageTerm pageTerm(int year, int month, bool sectional) {
    PageTerm term;
    term.instant = termInMonth(year, month, sectional);
    // In the table's years a term falls in the month it belongs to.
    term.code = 2 * term.instant.month - (sectional ? 2 : 1);  // [0, 23]
    char numbers[48];
    std::snprintf(numbers, sizeof numbers, "%d日%d时%d分", term.instant.time.day, term.instant.time.hour,
                  term.instant.time.minute);
    term.text = std::string(solarTermText(term.code)) + numbers;
    return term;
}

}  // namespace

int MonthPage::dayAt(int row, int column) const {
    if (row < 1 || row > 6 || column < 0 || column > 6) return 0;
    const int day = row * 7 + column - 7 - firstColumn + 1;
    return day >= 1 && day <= length ? day : 0;
}

std::string pageLunarText(const LunarDate& lunar) {
    return lunarMonthName(lunar.date.month, lunar.leap && lunar.date.month != 1) + lunarDayName(lunar.date.day);
}

Expected<MonthPage> monthPage(int year, int month) {
    if (year < kCalendarFirstYear || year > kCalendarLastYear) return fail(kCalendarYearRangeMessage);
    if (month < 1 || month > 12) return fail(kCalendarNoSuchDayMessage);

    MonthPage page;
    page.year = year;
    page.month = month;
    page.length = monthLength(year, month);
    const CivilDateTime first{static_cast<std::int16_t>(year), static_cast<std::int16_t>(month), 1, 0, 0};
    page.firstColumn = (weekday(first) + 6) % 7;  // Sunday 0 → 6
    page.title = std::to_string(year) + "年" + std::to_string(month) + "月";
    page.sectional = pageTerm(year, month, true);
    page.principal = pageTerm(year, month, false);

    page.days.reserve(static_cast<std::size_t>(page.length));
    CivilDateTime date = first;
    for (int day = 1; day <= page.length; ++day) {
        date.day = static_cast<std::int16_t>(day);
        PageDay& d = page.days.emplace_back();
        d.day = day;
        d.lunar = solarToLunar(date);
        d.lunarText = pageLunarText(d.lunar);
        if (page.sectional.instant.time.day == day) d.termCode = page.sectional.code;
        if (page.principal.instant.time.day == day) d.termCode = page.principal.code;
    }
    return page;
}

}  // namespace qimen::calendar
