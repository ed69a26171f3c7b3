// The lunar months whose first day depends on the meridian the calendar is
// reckoned for: the months the rule's calendar (astronomical_calendar.hpp)
// begins on another day than a calendar kept in UTC+8 throughout, written
// as data/calendar/disputed_lunar_months.inc for the core's warnings.
#pragma once

#include <string>
#include <vector>

#include "month_numbering.hpp"

namespace qimen::gen {

// One month as the rule's calendar has it and the same month (same index)
// in the UTC+8 calendar.
struct MonthDispute {
    LunarMonth rule;
    LunarMonth zone;
};

// The months of `rule` whose first day, number, leap flag or year differ
// from those of `zone` at the same position. Given: both lists from
// astronomicalLunarMonths over the same events.
std::vector<MonthDispute> monthDisputes(const std::vector<LunarMonth>& rule, const std::vector<LunarMonth>& zone);

// The text of disputed_lunar_months.inc: a header comment, then one row per
// dispute: lunar year, month, leap (0/1), the first day in the tables (year,
// month, day) and the first day in a UTC+8 calendar.
std::string formatDisputedMonthTable(const std::vector<MonthDispute>& disputes);

}  // namespace qimen::gen
