// True solar time of a clock time kept in the zone of 120° east.
#pragma once

#include "calendar/civil_date_time.hpp"

namespace qimen::calendar {

// Clock time corrected by the equation of time of its day of the year
// (truncated to whole minutes) and by the longitude difference from 120° E
// (four minutes a degree, floored). Longitude in degrees east.
// Example: 2000-02-11 12:00 at 120° → 11:46.
CivilDateTime trueSolarTime(const CivilDateTime& date, double longitude);

// Equation of time in minutes (apparent minus mean solar time) by day of the
// year counted from 0; index 365 is the last day of a leap year.
double equationOfTime(int dayIndex);

}  // namespace qimen::calendar
