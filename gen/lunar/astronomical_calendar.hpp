// The Chinese calendar of 1900..2050 computed astronomically, the source of
// the two month tables of the core and of the leap-month table's entries for
// those years.
//
// Data flow: true new moons and principal terms (astro.hpp: ERFA ephemerides,
// apparent longitudes, the ΔT model of the solar terms) → TT instants → the
// civil day of each event (UTC+8; in 1912..1928 the local mean time of the
// Beijing meridian, see below) → month_numbering.hpp → lunar months.
//
// The almanacs of 1912..1928 were computed for the meridian of Beijing,
// 116°25′ E, whose local mean time is UTC+8 − 14 min 20 s: an event of those
// years in the first 14 min 20 s after midnight UTC+8 belongs to the previous
// day. The years before 1912 follow the calendars published today (Hong
// Kong Observatory, Purple Mountain Observatory), which count them in UTC+8:
// lunar 1906 month 4 begins there on 1906-04-24, where Beijing time would
// give the 23rd. The years from 1929 on use UTC+8. The rule moves
// three month starts one day earlier (each month before it one day shorter):
// lunar 1914 month 10 to 1914-11-17, 1916 month 1 to 1916-02-03 and 1920
// month 10 to 1920-11-10; no principal term moves a leap month.
// tests/gen/lunar_tables_test.cpp keeps this list.
#pragma once

#include <vector>

#include "astro/time_scale.hpp"
#include "month_numbering.hpp"

namespace qimen::gen {

// The civil years (UTC+8) whose events are counted in Beijing local mean time.
inline constexpr int kBeijingMeanTimeFirstYear = 1912;
inline constexpr int kBeijingMeanTimeLastYear = 1928;
// Beijing local mean time minus UTC+8, seconds: (116°25′ − 120°) × 240 s/°.
inline constexpr double kBeijingMeanTimeOffsetSeconds = -860.0;

// The TT instants the calendar of 1900..2050 is built from: every new moon
// from about 1899-10 to about 2052-02 and the twelve principal terms of each
// Gregorian year 1899..2051 (Gregorian month m holds the term at solar
// longitude 285° + 15° (2m − 1); month 12 holds 冬至).
struct AstronomicalEvents {
    std::vector<astro::JulianDate> newMoons;
    std::vector<astro::JulianDate> principalTerms;  // 12 per year, in order
    int firstTermYear = 1899;
};

// Computes the events (about 1,900 new moons and 1,836 terms; a second or
// two). Throws std::runtime_error if a root finder fails.
AstronomicalEvents computeAstronomicalEvents();

// An event's civil day (day count of calendar::dayNumber) and its distance
// to the nearer midnight of that day, seconds.
struct EventDay {
    int day = 0;
    double secondsFromMidnight = 0;
};

// The civil day of a TT instant: UTC+8, or Beijing local mean time for a
// civil year of 1912..1928 when beijingMeanTime is set.
EventDay civilDayOf(astro::JulianDate tt, bool beijingMeanTime);

// The numbered months covering every day of 1900-01-01..2051-01-31 (lunar
// 1899 month 11 … lunar 2050 month 12 and a little beyond).
// beijingMeanTime = false gives UTC+8 throughout, to list what the rule
// moves.
std::vector<LunarMonth> astronomicalLunarMonths(const AstronomicalEvents& events, bool beijingMeanTime = true);

// Months of the rule's calendar whose first day, number or leap flag differ
// from those of UTC+8 throughout.
std::vector<LunarMonth> lmtMovedMonths(const AstronomicalEvents& events);

}  // namespace qimen::gen
