// The grids of the two charts laid only for display: the day chart (with
// its almanac lines) and the flying-palace small chart, four full-width
// characters wide and three lines per palace row.
#pragma once

#include "chart/chart_record.hpp"

namespace qimen::render {

// Lays the day chart of dayGZ (its half-year by 夏至 and 冬至 of the compute
// year against clockJulianDay) and appends its grid, then the day almanac:
// per outer cell the day spirit, the door (with the day flying-star digit
// when jiugong is on) and the palace label; the centre shows 阳/阴, the day
// pillar and the centre's spirit. Every grid line is 34 GBK bytes.
void appendDayGrid(chart::ChartRecord& record);

// Lays the small chart of the hour branch and appends its grid: per outer
// cell the spirit and officer of the first branch slot, of the second slot
// in the corner cells, the door and the stem; the centre shows its two
// stems. Every line is 34 GBK bytes.
void appendSmallChartGrid(chart::ChartRecord& record);

}  // namespace qimen::render
