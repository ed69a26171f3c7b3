// The nine-palace flying stars (九宫飞星) of year, month, day and hour.
#pragma once

#include "chart/chart_record.hpp"

namespace qimen::chart {

// Fills flyingStars (centre value 0..8, 0 meaning nine, and step ±1 for
// year, month, day and hour) from the pillars, computeDate and
// clockJulianDay. Year: from the 立春 year, one 三元 cycle of 180 years
// backwards; month: from the year branch; day: from the latest even-month
// principal term (冬至 雨水 谷雨 forwards, 夏至 处暑 霜降 backwards); hour:
// from the day branch, backwards between 夏至 and 冬至. Needs the solar terms
// of the compute year and the year before.
void computeFlyingStars(ChartRecord& record);

// The flight order of the grid cells (中5 → 乾6 → 兑7 → 艮8 → 离9 → 坎1 →
// 坤2 → 震3 → 巽4): the number of flights from the centre to each cell.
inline constexpr std::array<int, 9> kFlightOrderOfCell = {8, 4, 6, 7, 0, 2, 3, 5, 1};

// The flying-star value 0..8 of a cell for a centre value and step.
constexpr int flyingStarOfCell(int cell, int centre, int step) {
    return calendar::positiveMod(step * kFlightOrderOfCell[static_cast<std::size_t>(cell)] + centre + 18, 9);
}

}  // namespace qimen::chart
