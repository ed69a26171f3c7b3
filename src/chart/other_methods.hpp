// The month, year and yin-plate charts: each method's dun and ju, laid with
// the rotating-plate steps and another governing pillar or another ju.
#pragma once

#include "chart/chart_record.hpp"

namespace qimen::chart {

// What the month and year methods hand to their grid: the yuan (0 上元,
// 1 中元, 2 下元) and, for the month chart, the sexagenary year it counted from.
struct YuanOfChart {
    int yuan = 0;
    GanZhiCode startYear = 0;

    friend bool operator==(const YuanOfChart&, const YuanOfChart&) = default;
};

// Month chart: always yin dun; the year pillar counted back to the nearest
// year with stem 甲 or 己 (itself when it has one) gives ju 1 (子午卯酉),
// 4 (寅申巳亥) or 7 (辰戌丑未). Sets yangDun and ju.
YuanOfChart monthChartJu(ChartRecord& record);
// The rotating plate (layRotatingPlate) laid with the month pillar; setting zhifu applies.
void layMonthChart(ChartRecord& record);

// Year chart: always yin dun; the 180-year 三元 cycle of the 立春 year
// (1864–1923 上元, 1924–1983 中元, 1984–2043 下元) gives ju 1, 4 or 7. Reads
// yearGZ and computeDate.year; sets yangDun and ju.
YuanOfChart yearChartJu(ChartRecord& record);
// The rotating plate (layRotatingPlate) laid with the year pillar; setting zhifu applies.
void layYearChart(ChartRecord& record);

// Yin-plate chart: yang dun before 夏至 and from 冬至 of the compute year;
// ju = (year branch number + month number + lunar day + hour branch number)
// mod 9 (0 → 9), branch numbers 子 1 … 亥 12, the month number from the
// lunar month, or with setting selyue 1 from the month branch (寅 1 … 丑 12).
// Reads lunarDate, which the driver fills. Sets yangDun and ju.
void yinPlateJu(ChartRecord& record);
// The rotating plate (layRotatingPlate) laid with the hour pillar (setting zhifu applies,
// tianyi does not), month general, plate echo, horse and void marks, and
// hidden stems by rotation whatever the setting angan says.
void layYinPlateChart(ChartRecord& record);

}  // namespace qimen::chart
