// One hour chart from a moment: the engine steps of the chart driver's hour
// method without any text, shared by the driver and the time search.
#pragma once

#include "calendar/civil_date_time.hpp"
#include "calendar/pillars.hpp"
#include "chart/chart_record.hpp"
#include "chart/ju_rules.hpp"

namespace qimen::chart {

// Sets clockDate, computeDate (differing only under true solar time) and
// clockJulianDay = julianDay(clockDate).
void setChartMoment(ChartRecord& record, const calendar::CivilDateTime& clockDate,
                    const calendar::CivilDateTime& computeDate);

// Resets the computed fields, computes the four pillars and monthElement of
// the record's moment (year and month by the clock, day and hour by the
// compute date; the day pillar of 23:00–23:59 is the next day's unless
// setting zishi moves the day change to midnight).
void computePillars(ChartRecord& record);

// The day change the settings ask for (setting zishi: 0 at 23:00).
constexpr calendar::DayChange dayChangeOf(const ChartSettings& settings) {
    return settings.zishi != 0 ? calendar::DayChange::AtMidnight : calendar::DayChange::At23;
}

// The moment whose lunar date a chart shows: computeDate, or the next day
// at 23:xx when the day changes at 23:00 (the lunar day follows the day
// pillar).
calendar::CivilDateTime lunarMomentOf(const ChartRecord& record);

// The hour chart of the record's moment: computePillars, then dun and ju by
// setting ju (拆补法, or 置闰法 when non-zero), then layHourChart. Returns
// false when 置闰法 is asked for a compute day outside its table; the
// pillars are then computed and nothing is laid. Allocates nothing.
bool computeHourChart(ChartRecord& record);

// Lays the hour plate for the yangDun and ju already in the record: the
// flying palace when setting pan is non-zero, else the rotating plate.
void layHourChart(ChartRecord& record);

// Dun and ju of a chart laid for a given ju (method 250): a value above 9
// is yang dun, the ju is the value mod 10 (11..19 yang 1..9, 1..9 yin 1..9).
// A ju digit of 0 has no palace; it is answered as 9, like every palace
// count of the layouts.
constexpr DunJu givenDunJu(int givenJu) {
    int ju = givenJu % 10;
    return {givenJu > 9, static_cast<std::int16_t>(ju == 0 ? 9 : ju)};
}

}  // namespace qimen::chart
