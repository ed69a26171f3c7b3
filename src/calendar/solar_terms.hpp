// Instants of the twenty-four solar terms in civil time of UTC+8: from the
// stored table for 1900..2050, from an astronomical series for every other
// year of -849..2100.
#pragma once

#include <cstdint>

#include "calendar/civil_date_time.hpp"

namespace qimen::calendar {

// A term's own date and time (UTC+8, to the minute) and the Gregorian month
// 1..12 the term belongs to: month m owns its sectional term (节, series
// index 2m − 1) and its principal term (中气, index 2m).
struct TermInstant {
    CivilDateTime time;
    int month = 0;

    friend bool operator==(const TermInstant&, const TermInstant&) = default;
};

// Years answered from the stored table.
inline constexpr int kTermTableFirstYear = 1900;
inline constexpr int kTermTableLastYear = 2050;

// The term of the requested kind that falls in Gregorian month `month` of
// `year`, with the month it belongs to. Used for the year and month pillars.
// Far from the table's years a term can drift into the neighbouring month;
// the answer then belongs to another month than the one asked.
TermInstant termInMonth(int year, int month, bool sectional);

// The term of the requested kind that belongs to `month`, wherever it falls
// (a January sectional term of an ancient year can fall in December of the
// previous year and carries that date).
TermInstant termOfMonth(int year, int month, bool sectional);

// Position of term k (0 = 冬至 of the previous year, 1 = 小寒 … 24 = 冬至) of
// `year` as a fractional day of the year: floor is the day of the year
// (1 = January 1st; ≤ 0 previous year), the fraction the time of day.
// withPeriodic adds the periodic terms (every caller sets it).
double termSeries(int year, int k, bool withPeriodic);

// Instant of term k of `year` by the series, to the minute.
CivilDateTime termSeriesInstant(int year, int k);

// The stored word of (year, month), 1900..2050: low half the sectional term,
// high half the principal term, each day (bits 0..4), hour (5..9) and minute
// (10..15).
std::uint32_t storedTermWord(int year, int month);

}  // namespace qimen::calendar
