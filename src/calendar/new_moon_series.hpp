// The lunar calendar outside its stored tables: the days of new moons from a
// series, the lunar day they give, and the lunar month from a count of
// lunations since the new moon of -849-01-21, corrected by the leap-month
// table and the historical moves of the first month of the year.
//
// Data flow: Gregorian (y, m, d) → its day count W → the fifteen new-moon
// days of year y → lunar day c → lunations since -849-01-21 → minus the leap
// months up to y and the historical shift → month number → leap correction.
#pragma once

#include <array>

namespace qimen::calendar {

// The days (on the scale of dayNumber, UTC+8) of the new moons of lunations
// k − 1 … k + 13 of a year, k = floor(12.3685 × (year − 1900)): fifteen
// lunations from about a month before the year to its end.
struct NewMoonDays {
    int year = 0;
    std::array<int, 15> days{};  // strictly increasing, 29 or 30 apart
};

// The new moons of `year` (any year; the series is meant for -849..2100).
// The arguments of the angular series are rounded to 32-bit floats, as the
// calendar defines them, so the days are reproducible to the bit.
NewMoonDays newMoonDays(int year);

// Lunar day 1..30 of day count `dayCount`: one plus the days since the latest
// of `moons` at most 29 days before it (a later new moon wins a tie between
// two). 0 when no new moon of the list is 0..29 days before; this never
// happens for a day of moons.year within -849..2100.
int lunarDayFromSeries(int dayCount, const NewMoonDays& moons);

// The historical moves of the first month added to the lunation count of
// `year`: +4 up to -722, +3 up to -256, +1 in -255, 0 up to 8, +1 in 9..23,
// 0 in 24..237, +1 in 238..240, 0 from 241 on.
int historicalMonthShift(int year);

// A month number of the lunation count; for a leap month also which year's
// entry of the leap-month table made it leap.
struct LunationMonth {
    int month = 1;  // 1..12
    bool leap = false;
    bool leapOfPreviousYear = false;  // leapMonthOf(year − 1) rather than (year)

    friend bool operator==(const LunationMonth&, const LunationMonth&) = default;
};

// Lunar month of the Gregorian date (year, month, day) whose lunar day is
// `lunarDay` (from the series). The count rounds (day − lunar day − day of
// -849-01-21) / 29.530589 half down, takes away the leap years of
// -849..year and the historical shift, and places the year's leap month from
// leapMonthOf(year − 1) and leapMonthOf(year). A leap month after month 12
// is found only through leapMonthOf(year − 1), in the Gregorian year after
// its own: month 12 of a lunar year begins in late December at the earliest.
LunationMonth lunationMonth(int year, int month, int day, int lunarDay);

}  // namespace qimen::calendar
