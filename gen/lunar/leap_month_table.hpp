// The leap-month table of the core (data/calendar/lunar_leap_months.inc):
// for each lunar year of -849..2100 the month after which it inserts its
// leap month, or 0.
//
// Data flow: years 1900..2050 ← the astronomical months of the month tables
// (astronomical_calendar.hpp), so that the three tables agree; every other
// year ← the months of the core's own series (series_calendar.hpp) under the
// same rule of the month without a principal term.
//
// Two astronomical leap months are left out: those of -720 and -256. The
// core's lunation count numbers months from the new moon of -849-01-21 with
// a fixed origin and historical shifts of the first month (+4 up to -722, +3
// up to -256, +1 in -255, 0 after, +1 for 9..23 and 238..240); with every
// astronomical leap year counted it lands two months early from -254 on (the
// month of 冬至 would be month 9). Two leap years fewer make the shifts what
// they stand for: the first month at 子 (Zhou) up to -256 (with -721 at 丑,
// the first year of the Chunqiu), at 寅 from -254 on, at 丑 under Wang Mang
// (9..23) and in 238..240, and month 11 holding 冬至 in every later year. The
// leaps left out are the first after the shift falls at -721 and the last
// before it falls at -255; where they are left out the months run on without
// a repeat and the numbering changes.
//
// The ancient sample rows. A historical reconstruction gives -848 → 12,
// -845 → 8, -842 → 5, -839 → 1; the series rule gives 8, 5, 3, 2 there.
// Tried over -856..-832 without finding all four rows (and the six years
// between them without a leap): true principal terms (the series) and mean
// ones (平气: 冬至 of the series moved by -6..+6 days in steps of 0.05, then
// 365¼/12 days apart); the series' new moons and mean ones (29 499/940 days,
// the quarter-day calendar 四分历, at every phase in steps of 0.05 days); the
// leap at the first month without a principal term and at the end of the
// year; the months numbered from 寅, 丑, 子 and 亥. Nine of ten rows at best.
// The astronomical rule stays for the ancient years and the four rows are
// known differences (tests/gen/lunar_tables_test.cpp).
#pragma once

#include <map>
#include <string>
#include <vector>

namespace qimen::gen {

inline constexpr int kLeapTableFirstYear = -849;
inline constexpr int kLeapTableLastYear = 2100;

// Years whose astronomical leap month the table leaves out (see above).
inline constexpr int kLeapYearsLeftOut[] = {-720, -256};

// The leap month of every year of the core's series rule, -849..2100.
std::map<int, int> seriesLeapMonths();

// The table, index year + 849: the astronomical leap months for 1900..2050
// (`astronomical`, lunar year → month; years it does not list have none),
// the series rule for the other years but kLeapYearsLeftOut.
std::vector<int> computeLeapMonthTable(const std::map<int, int>& astronomical);

// The text of data/calendar/lunar_leap_months.inc: a header comment, then
// ten values per line with the first year of the line in a comment.
// Throws std::invalid_argument unless `table` has 2,950 entries.
std::string formatLeapMonthTable(const std::vector<int>& table);

}  // namespace qimen::gen
