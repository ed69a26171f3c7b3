// The grids of the rotating-plate charts: the hour chart (pan 0) and the
// month and year charts, six full-width characters wide and four lines per
// palace row.
#pragma once

#include "chart/chart_record.hpp"
#include "chart/other_methods.hpp"

namespace qimen::render {

// Appends the rotating-plate hour grid of a laid record to chartText: per
// outer cell the deity (list by shen and dun) with the void ○ and horse ◇
// marks and, with angan 1 or 2, the hidden stems; the star (芮禽 with both
// heaven stems joined by ┄); the door with the hour flying-star digit when
// jiugong is on; the palace label with the earth stem (坤2 with both earth
// stems). Every line is 46 GBK bytes.
void appendRotatingGrid(chart::ChartRecord& record);

// Appends the month grid: as the hour grid without void, horse and hidden
// stem marks, digits of the month pair; the centre shows the year and month
// pillars, the yuan and the sexagenary year the month method counted from.
void appendMonthGrid(chart::ChartRecord& record, const chart::YuanOfChart& yuan);

// Appends the year grid: as the month grid with the year pair's digits and
// the year pillar beside the yuan in the centre.
void appendYearGrid(chart::ChartRecord& record, const chart::YuanOfChart& yuan);

}  // namespace qimen::render
