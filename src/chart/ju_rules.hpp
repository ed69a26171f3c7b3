// The dun (yang or yin) and ju (1..9) of an hour chart, by the
// split-and-complement method (拆补法) or the intercalation method (置闰法).
#pragma once

#include <cstdint>

#include "chart/chart_record.hpp"

namespace qimen::chart {

struct DunJu {
    bool yangDun = false;
    std::int16_t ju = 0;

    friend bool operator==(const DunJu&, const DunJu&) = default;
};

// Yuan (元) of a day pillar: 0 upper, 1 middle, 2 lower, from the five-day
// blocks of the sixty-day cycle (甲子 to 戊辰 upper, 己巳 to 癸酉 middle …,
// 己卯 upper again). No 超神 or 接气 adjustment.
constexpr int yuanOfDay(GanZhiCode dayGZ) { return (cycleOrdinal(dayGZ) - 1) / 5 % 3; }

// Dun and ju of a solar term and yuan by the traditional rule: base ju per
// group of three terms (冬至 小寒 大寒 → 1; 立春 雨水 惊蛰 → 8; 春分 清明 谷雨
// → 3; 立夏 小满 芒种 → 4; 夏至 … → 9; 立秋 … → 2; 秋分 … → 7; 立冬 … → 6),
// plus (yang) or minus (yin) the term's place in its group and six per yuan,
// modulo 9. `termIndex` is the series index 0..24 (1 小寒 … 24 冬至; 0 and 24
// are both 冬至); yang dun from 冬至 up to 夏至. Examples: 冬至 1 7 4,
// 夏至 9 3 6, 立春 upper 8, 大雪 upper 4.
constexpr DunJu termJu(int termIndex, int yuan) {
    constexpr int base[8] = {1, 8, 3, 4, 9, 2, 7, 6};
    int k = termIndex % 24;
    int g = k / 3;
    int r = k % 3;
    int s = g < 4 ? 1 : -1;
    int v = (base[g] + s * r + 6 * s * yuan + 18) % 9;
    return {g < 4, static_cast<std::int16_t>(v == 0 ? 9 : v)};
}

// 拆补法: the term in force is the latest sectional or principal term of the
// month of the month pillar (compared with clockJulianDay), the yuan is that
// of the day pillar. Reads monthGZ, yearGZ, dayGZ, clockDate.year and
// clockJulianDay; sets yangDun and ju. Needs the solar terms of the clock
// year and the year before.
void splitComplementJu(ChartRecord& record);

// The series index 0..24 of the term in force by the rule of
// splitComplementJu (k = 2m, 2m − 1 or 2m − 2 for the month m asked).
int termInForce(const ChartRecord& record);

// First and last clock year the 置闰 table serves, and the refusal of a
// moment outside them, shown to the user as it is.
inline constexpr int kIntercalationFirstYear = 1900;
inline constexpr int kIntercalationLastYear = 2050;
inline constexpr const char* kIntercalationYearsMessage = "置闰法起局只能用于1900-2050年。";

// 置闰法 from the stored table: the whole days n from 1900-01-01 to the day of
// computeDate (its hour does not count, so a 23:xx moment stays in its
// calendar day) select the five-day block n div 5. Sets yangDun and ju and
// returns true; returns false and changes nothing when the compute date lies
// outside the table (before 1900-01-01 or after its last block in 2051),
// which true solar time can cause for a clock year the driver accepted.
bool intercalationJu(ChartRecord& record);

// The table entry of the five-day block `block` (0 starts 1900-01-01);
// throws std::out_of_range beyond the table.
DunJu intercalationBlock(int block);

}  // namespace qimen::chart
