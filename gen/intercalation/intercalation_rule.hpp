// Generator of the 置闰 table: the dun and ju of every five-day block from
// 1900-01-01 by the intercalation rule.
//
// The rule: fifteen-day periods begin on the upper-yuan head days (符头, day
// pillars 甲子 己卯 甲午 己酉); each period is assigned one solar term and its
// three five-day blocks take that term's dun and ju for the upper, middle
// and lower yuan. The period beginning 1900-01-06 (己卯) is 小寒 and each
// following period takes the next term, except that after a period assigned
// 芒种 or 大雪 whose first day lies nine or more days before the calendar day
// (UTC+8) of that term, the next period repeats the term (闰). The five days
// 1900-01-01..05 are the lower yuan of 冬至.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "calendar/civil_date_time.hpp"

namespace qimen::gen {

// Date (UTC+8) of the sectional term of (year, month); the rule asks for
// 芒种 (month 6) and 大雪 (month 12).
using SectionalTermDate = std::function<calendar::CivilDateTime(int year, int month)>;

// The 1,839 words of the table, with term dates from `termDate`.
std::vector<std::uint32_t> computeIntercalationTable(const SectionalTermDate& termDate);

// The same with the calendar's own terms (calendar::termOfMonth), which the
// committed table is built from.
std::vector<std::uint32_t> computeIntercalationTable();

// The text of data/calendar/intercalation_table.inc: a header comment, then
// six words a line with the date of the line's first day.
std::string formatIntercalationTable(const std::vector<std::uint32_t>& words);

}  // namespace qimen::gen
