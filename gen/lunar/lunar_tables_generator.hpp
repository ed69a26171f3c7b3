// The whole generation of the lunar tables, for the command and for
// the test that regenerates and compares.
#pragma once

#include <string>

#include "astronomical_calendar.hpp"
#include "leap_month_table.hpp"
#include "lunar_table_words.hpp"
#include "month_disputes.hpp"

namespace qimen::gen {

struct LunarTableTexts {
    std::string lunarFromSolar;  // data/calendar/lunar_from_solar.inc
    std::string solarFromLunar;  // data/calendar/solar_from_lunar.inc
    std::string leapMonths;      // data/calendar/lunar_leap_months.inc
    std::string disputedMonths;  // data/calendar/disputed_lunar_months.inc
};

// Computes the astronomical months of 1900..2050 and the series months of
// -849..2100 and formats the four files (a few seconds).
LunarTableTexts generateLunarTables();

}  // namespace qimen::gen
