// Time scales of the calendar generators. Data flow: civil time of UTC+8
// (the time of the calendar) ↔ UT (civil time minus eight hours) ↔ TT
// (UT + ΔT), the argument of every ephemeris in astro.hpp.
//
// Civil time is taken as UT1 + 8 h. UTC is steered to stay within 0.9 s of
// UT1, and before 1972 time signals followed UT itself, so the difference is
// well below the uncertainty of ΔT and the minute of the tables.
#pragma once

#include <cstdint>

namespace qimen::astro {

// A Julian date in two parts as ERFA takes it; the date is jd1 + jd2.
// ttFromCivil returns jd1 = 2451545.0 (J2000.0) with the offset in jd2, which
// keeps the instant to about 1 µs over centuries; the event finders keep the
// jd1 of their guess.
struct JulianDate {
    double jd1 = 2451545.0;
    double jd2 = 0.0;

    double days() const { return jd1 + jd2; }
};

// The instant `days` days after `date` (days may be negative).
JulianDate plusDays(JulianDate date, double days);

// Difference a − b in days, computed part by part to keep precision.
double daysBetween(JulianDate a, JulianDate b);

// Civil date and time of UTC+8 in the Gregorian calendar.
struct CivilTime {
    int year = 2000;
    int month = 1;      // 1..12
    int day = 1;        // 1..31
    int hour = 0;       // 0..23
    int minute = 0;     // 0..59
    double second = 0;  // [0, 60)
};

// Offset of civil time from UT, hours.
inline constexpr double kCivilOffsetHours = 8.0;

// ΔT = TT − UT1 in seconds.
// Given: year, a decimal Gregorian year (2000.5 is mid-2000).
// Returns: ΔT in seconds. Valid 1800..2150; throws std::domain_error
// outside. Source and accuracy: see delta_t.cpp.
double deltaTSeconds(double year);

// A few lines (separated by '\n', no final newline) naming the ΔT model and
// its sources, for the headers of generated tables.
const char* deltaTModelDescription();

// Decimal Gregorian year of an instant, 2000.0 at 2000-01-01 00:00, counted
// in mean years of 365.2425 days (good to a fraction of a day).
double decimalYear(JulianDate tt);

// TT of a civil instant.
// Given: a valid Gregorian civil date of UTC+8, any year ΔT accepts; the
// second may be fractional.
// Returns: the TT Julian date. Throws std::invalid_argument for a date ERFA
// rejects (month outside 1..12, day outside the month) and
// std::domain_error outside the range of ΔT.
// ΔT is evaluated at the UT instant, in this function and its inverses.
JulianDate ttFromCivil(const CivilTime& civil);

// Civil instant (UTC+8) of a TT instant, the inverse of ttFromCivil to a few
// microseconds. The second is not rounded: it lies in [0, 60).
// Throws std::domain_error outside the range of ΔT.
CivilTime civilFromTt(JulianDate tt);

// The civil (UTC+8) minute count of a TT instant: minutes since
// 2000-01-01 00:00 civil time, rounded to the nearest minute with exactly
// 30 s going up (09:00:42 → 09:01, 09:00:30 → 09:01, 09:00:29.9 → 09:00).
std::int64_t civilMinuteCount(JulianDate tt);

// The civil date and time of a minute count (second = 0), exact.
CivilTime civilFromMinuteCount(std::int64_t minutes);

}  // namespace qimen::astro
