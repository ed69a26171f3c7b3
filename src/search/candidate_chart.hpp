// The chart a time search lays for one candidate moment: the rotating-plate
// hour chart up to the re-laid heaven stems, without marks, hidden stems,
// true solar time or text, whatever the chart method or setting pan says.
#pragma once

#include "calendar/civil_date_time.hpp"
#include "chart/chart_record.hpp"

namespace qimen::search {

// Lays into `record` the chart of `moment` (a valid civil date and time in
// 1900..2050), which is used as both clock and compute date, with
// clockJulianDay = `julianDay` (the scan's running value, which solar-term
// comparisons read). Reads record.settings: ju (0 拆补法, otherwise 置闰法),
// zhifu and tianyi (1 re-lays the heaven stems from 天心); pan and angan are
// not read. Resets every computed field first; afterwards the pillars,
// xunHead, yangDun, ju, the four leader fields and all nine cells are set,
// while monthGeneral, plateEcho, the void and horse marks and the hidden
// stems stay zero. Returns false (pillars set, no plate) only when 置闰法 is
// asked for a day outside its table, which the scan's years never reach.
bool layCandidateChart(chart::ChartRecord& record, const calendar::CivilDateTime& moment, double julianDay);

}  // namespace qimen::search
