// The header of every chart text: method, matter, asker and place, the
// Gregorian and lunar dates, the solar terms of the month with the seasonal
// strengths, pillars, void branches and, for the charts that have a ju, the
// dun/ju/xun line and the 直符/直使 line; and the day chart's almanac lines.
#pragma once

#include <string>

#include "chart/chart_record.hpp"

namespace qimen::render {

// Replaces chartText with the header of the record's chart. Reads the
// request texts, computeDate, clockDate, lunarDate, leapMonth, the four
// pillars, monthElement and, except for day and small charts, xunHead,
// yangDun, ju and the leader fields; the settings `sun` and `yuejiang`.
// Method 250 prints as an hour chart. The month general is computed here
// (monthGeneralOfChart), so a flying-palace chart (whose layout leaves
// monthGeneral unset) prints the right one. The lunar line names the lunar year of lunarDate, not the
// 立春 year of yearGZ. Expects a laid record (ju 1..9 for the methods that
// print it); never fails otherwise.
void appendHeader(chart::ChartRecord& record);

// Appends the day almanac (喜神方位, 天乙贵人, 截路空亡 and the twelve
// 黄道/黑道 spirits) of dayGZ to chartText; the day grid calls it right after
// the grid. The text ends without a line break.
void appendDayAlmanac(chart::ChartRecord& record);

// "%d度%d分" parts of a coordinate in degrees: floor of the value and the
// nearest whole minute (an exact half going to the lower one); 60 minutes
// carry into the next degree.
struct DegreesMinutes {
    int degrees = 0;
    int minutes = 0;
};
DegreesMinutes degreesMinutes(double value);

// The pillars line "干支:己卯年 丙子月 戊午日 壬子时" with its line break.
std::string pillarsLineText(const chart::ChartRecord& record);

// The lunar line "农历:丁亥年 十二月 廿九日 子时。" of a lunar date (year of
// its first month, month 1..12, day 1..30, hour 0..23), without a line
// break. The year's stem and branch follow the lunar year.
std::string lunarLineText(const calendar::CivilDateTime& lunarDate, bool leapMonth);

}  // namespace qimen::render
