// The boundary report of a chart: the places where the moment of a request
// lies so near a boundary of the calendar, or on a point schools dispute,
// that another reading of it gives another chart — with the numbers of
// that other chart.
//
// Data flow: the request and the record the chart driver laid from it →
// five checks, each comparing the chart with the chart of the other reading
// (chart_numbers.hpp lays it with the engine's own steps) → the warnings
// whose other reading differs, in the order below.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/expected.hpp"
#include "boundary/chart_numbers.hpp"
#include "boundary/daylight_saving.hpp"
#include "chart/chart_record.hpp"

namespace qimen::boundary {

enum class BoundaryKind {
    SolarTerm,        // a solar-term instant within the window
    LateZiHour,       // 23:00–23:59, where schools disagree on the day
    TrueSolarTime,    // true solar time in use puts the moment in another double hour or day
    DaylightSaving,   // a clock time of China's summer time 1986–1991
    LunarMonthStart,  // a lunar month whose first day calendars disagree on
};

// "solar-term", "late-zi-hour", "true-solar-time", "daylight-saving",
// "lunar-month-start": the kind's name in the command line's JSON.
std::string_view boundaryKindName(BoundaryKind kind);

struct BoundaryWarning {
    BoundaryKind kind = BoundaryKind::SolarTerm;
    // One line for the user (UTF-8): what the boundary is, the other reading
    // and what changes under it.
    std::string text;
    // Whole minutes, by kind: SolarTerm the term's instant minus the clock time
    // (> 0 still to come, ≤ 0 passed); LateZiHour the minutes past 23:00;
    // TrueSolarTime true solar time minus clock time; DaylightSaving the standard
    // time minus the clock time (−60); LunarMonthStart the move of the
    // moment under the other calendar (1440 for a lunar input, else 0).
    int minutes = 0;
    // The chart of the other reading; none when it cannot be told (a zone
    // database that cannot be read).
    std::optional<ChartNumbers> alternative;
};

struct BoundaryOptions {
    // Solar terms nearer than this many minutes (inclusive) are reported.
    double termWindowMinutes = 30;
    // The summers to check clock times against; null uses chinaSummerTime().
    const Expected<std::vector<SummerTimePeriod>>* summerTime = nullptr;
};

// The warnings for the chart `charted` that the driver laid from `request`
// (drawChart succeeded; the request's method tells a given ju from a
// determined one). Order: solar term, late 子 hour, true solar time, summer
// time, lunar month. A check whose other reading lays the same chart (same
// pillars, dun, ju, month general and lunar date) gives no warning, except
// for summer time, which always changes the moment. Never fails: a zone
// database that cannot be read gives a daylight-saving warning for clock
// times of 1986–1991 saying so, without an alternative. Costs a few chart
// numbers (pillars and ju, no layout): microseconds.
std::vector<BoundaryWarning> reportBoundaries(const chart::ChartRequest& request, const chart::ChartRecord& charted,
                                              const BoundaryOptions& options = {});

}  // namespace qimen::boundary
