// The lunar months that the calendar core's own series give: new moons from
// the new-moon series (each Gregorian year from its own series, as the core
// reads a date of that year) and principal terms from the solar-term series,
// each on its civil day of UTC+8. The leap-month table outside 1900..2050 is
// read from these months, so that the core's lunation count, which subtracts
// the table's leap years, lands on the months these series define.
#pragma once

#include <vector>

#include "month_numbering.hpp"

namespace qimen::gen {

// Days of the new moons falling in Gregorian years first..last, in order:
// those of newMoonDays(y) that fall in year y.
std::vector<int> seriesNewMoons(int firstYear, int lastYear);

// Principal terms (series indices 2, 4 … 24) of years first..last with their
// days, and the year of each 冬至 in `solsticeYears`.
std::vector<TermDay> seriesPrincipalTerms(int firstYear, int lastYear, std::vector<int>& solsticeYears);

// Numbered months of every sui whose months all begin within years
// first − 1 .. last + 1 (so every month of lunar years first..last).
std::vector<LunarMonth> seriesLunarMonths(int firstYear, int lastYear);

}  // namespace qimen::gen
