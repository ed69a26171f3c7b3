// The month general (月将) of a chart under setting yuejiang: by the month
// pillar, as the charts have always taken it, or changing at the principal
// term (中气), where schools that follow the sun's station place the change.
#pragma once

#include "chart/chart_record.hpp"

namespace qimen::chart {

// Setting yuejiang 0: the general of the month pillar's branch (寅 → 亥 …
// 丑 → 子), changing at the sectional term. Non-zero: the general of the
// principal term in force, 雨水 → 亥, 春分 → 戌 … 冬至 → 丑, 大寒 → 子, so that
// between a sectional term and the principal term after it the previous
// month's general stands. Reads monthGZ, yearGZ, clockDate and
// clockJulianDay (as splitComplementJu does).
BranchCode monthGeneralOfChart(const ChartRecord& record);

}  // namespace qimen::chart
