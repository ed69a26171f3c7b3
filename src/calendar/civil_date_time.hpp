// The five-number civil date and time shared by Gregorian/Julian dates, lunar
// dates and solar-term instants.
#pragma once

#include <cstdint>

namespace qimen::calendar {

// Years are astronomical: 0 is 1 BCE, -849 is 850 BCE. The Julian calendar
// rules dates before 1582-10-15, the Gregorian calendar from then on.
struct CivilDateTime {
    std::int16_t year = 0;
    std::int16_t month = 1;   // 1..12
    std::int16_t day = 1;     // 1..31
    std::int16_t hour = 0;    // 0..23
    std::int16_t minute = 0;  // 0..59

    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

// Supported range of astronomical years.
inline constexpr int kFirstYear = -849;
inline constexpr int kLastYear = 2100;

// The user writes years without a year 0 (-1 is 1 BCE); the calendar counts
// astronomically (0 is 1 BCE). These convert between the two.
constexpr int astronomicalFromUserYear(int userYear) { return userYear < 0 ? userYear + 1 : userYear; }
constexpr int userFromAstronomicalYear(int year) { return year <= 0 ? year - 1 : year; }

}  // namespace qimen::calendar
