// The table of solar-term instants compiled into the core: for each year of
// 1900..2050 and each Gregorian month, the month's sectional term (节) and
// principal term (中气) in civil time of UTC+8, to the minute.
//
// Data flow: term k of a year → its solar longitude → the TT instant the
// Sun reaches it (astro.hpp) → civil minute of UTC+8 → packed half word →
// one word per month → the text of data/calendar/solar_term_table.inc.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "astro/time_scale.hpp"

namespace qimen::gen {

inline constexpr int kSolarTermTableFirstYear = 1900;
inline constexpr int kSolarTermTableLastYear = 2050;
inline constexpr std::size_t kSolarTermTableWords =
    static_cast<std::size_t>(kSolarTermTableLastYear - kSolarTermTableFirstYear + 1) * 12;

// Apparent solar longitude defining term k of the series.
// Given: k in 1..24 (1 = 小寒, 3 = 立春, 24 = 冬至); Gregorian month m holds
// k = 2m − 1 (sectional) and k = 2m (principal).
// Returns: 285 + 15 (k − 1) reduced to [0, 360) degrees: 小寒 285, 立春 315,
// 春分 0, 冬至 270.
double solarTermLongitude(int k);

// TT instant of term k of `year`: the crossing of solarTermLongitude(k)
// nearest to the middle of its usual days (the 6th for a sectional term, the
// 21st for a principal term).
// Given: year 1900..2100 (the range of the ephemerides), k in 1..24.
// Throws std::invalid_argument for k outside 1..24.
astro::JulianDate solarTermInstant(int year, int k);

// One half of a stored word: day (bits 0..4), hour (5..9), minute (10..15).
std::uint16_t packTermHalf(int day, int hour, int minute);

// The stored word of Gregorian month `month` of `year`: low half the
// sectional term, high half the principal term, each the term's instant
// rounded to the nearest civil minute (30 s up).
// Given: year 1900..2100, month 1..12.
// Throws std::runtime_error if a rounded term falls outside its month (which
// no month of 1900..2050 does), std::invalid_argument for a bad month.
std::uint32_t computeSolarTermWord(int year, int month);

// The table, (year − 1900) × 12 + (month − 1) → word, low half the
// sectional term, high half the principal term (computeSolarTermWord).
// Throws std::runtime_error if a rounded term falls outside its month.
std::vector<std::uint32_t> computeSolarTermTable();

// The text of data/calendar/solar_term_table.inc for `words` (which must
// hold kSolarTermTableWords words): a header comment, then one line per year
// of twelve `0x........u,` words and a `// year` comment, a body for
// `constexpr std::uint32_t kTable[] = { #include … };`.
// Throws std::invalid_argument for a wrong number of words.
std::string formatSolarTermTable(const std::vector<std::uint32_t>& words);

}  // namespace qimen::gen
