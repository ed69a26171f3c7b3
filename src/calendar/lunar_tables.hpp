// The three stored tables of the lunar calendar and their lookups: the
// Gregorian-to-lunar and lunar-to-Gregorian words of 1900..2050 and the
// leap month of every lunar year of -849..2100. The words are generated
// astronomically by gen/lunar; their layout is decoded here only.
#pragma once

#include <cstdint>

namespace qimen::calendar {

// Years answered by the two month tables.
inline constexpr int kLunarTableFirstYear = 1900;
inline constexpr int kLunarTableLastYear = 2050;
// Years of the leap-month table.
inline constexpr int kLeapTableFirstYear = -849;
inline constexpr int kLeapTableLastYear = 2100;

// The Gregorian-to-lunar word of Gregorian (year, month), year 1900..2050,
// month 1..12 (the caller keeps to that range). Low 16 bits:
//   bits 0..4   B: the last day of the month that still belongs to the lunar
//               month begun in an earlier Gregorian month (0 when a lunar
//               month begins on the 1st);
//   bits 5..6   month offset for days after B; bit 7 leap flag after B;
//   bits 8..12  day offset for days up to B;
//   bits 13..14 month offset for days up to B; bit 15 leap flag up to B.
// High 16 bits, for the 64 months of 1900..2050 in which a second lunar
// month begins after the one B leads into (new moons on the 1st and the
// 30th or 31st, or on the 2nd and the 31st):
//   bits 16..20 C, the first day of that second month (0: none);
//   bits 21..22 its month offset; bit 23 its leap flag.
std::uint32_t storedLunarFromSolarWord(int year, int month);

// The lunar-to-Gregorian word of lunar (year, month), year 1900..2050,
// month 1..12. Low half the ordinary month, high half the leap month of the
// same number, bit 31 set when the year has that leap month. Each half:
// bits 0..4 add, bits 5..6 h, bit 7 long (30 days), bits 8..12 g,
// bits 13..14 h2. Lunar day 1 is Gregorian day add + 1 of month
// (lunar month + h); the first g lunar days stay in that month, later days
// are day (lunar day − g) of month (lunar month + h2); months above 12 are in
// the next year. add = 0, h = 0, g = 1 also marks a month beginning on the
// 31st of Gregorian month (lunar month).
std::uint32_t storedSolarFromLunarWord(int year, int month);

// The month (1..12) after which lunar year `year` inserts its leap month, or
// 0 for a year without one. Years outside -849..2100 answer 0.
int leapMonthOf(int year);

// How many years of -849..year have a leap month: 0 before -849, the whole
// table's count after 2100. Constant time.
int leapYearsThrough(int year);

}  // namespace qimen::calendar
