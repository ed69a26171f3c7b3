// The two month tables of the core (data/calendar/lunar_from_solar.inc and
// data/calendar/solar_from_lunar.inc) packed from numbered lunar months, in
// the layout decoded by src/calendar/lunar_tables.hpp.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "month_numbering.hpp"

namespace qimen::gen {

inline constexpr int kMonthTableFirstYear = 1900;
inline constexpr int kMonthTableLastYear = 2050;

struct MonthTables {
    std::vector<std::uint32_t> lunarFromSolar;  // by Gregorian (year, month)
    std::vector<std::uint32_t> solarFromLunar;  // by lunar (year, month)
    // Gregorian months in which a second lunar month begins after the one
    // B leads into (written in the high half), as year × 100 + month.
    std::vector<int> twoStartMonths;
    // Lunar months running into a third Gregorian month (beginning on the
    // last day of January before a February too short for the rest): the
    // layout cannot say this; lunar year × 100 + month.
    std::vector<int> threeMonthLunarMonths;
};

// Packs the words of 1900..2050.
// Given: months covering every day of 1900-01-01..2050-12-31 and every month
// of lunar years 1900..2050, in order, without gaps.
// Throws std::runtime_error for a month the layout cannot hold: an offset
// outside 0..3, a month of other than 29 or 30 days, or a missing lunar
// month.
MonthTables packMonthTables(const std::vector<LunarMonth>& months);

// The texts of the two .inc files: a header comment (source, layout, range,
// how to regenerate, the special months), then twelve words per line with
// the year in a comment.
std::string formatLunarFromSolarTable(const MonthTables& tables);
std::string formatSolarFromLunarTable(const MonthTables& tables);

}  // namespace qimen::gen
