// The two charts laid only for display: the day chart (nine day spirits and
// the eight doors) and the flying-palace small chart (spirits and officers
// of the twelve branches, stems and doors from the hour branch). Pure
// functions: they return the placement for the grid renderer to print.
#pragma once

#include <array>
#include <cstdint>

#include "chart/codes.hpp"

namespace qimen::chart {

// Day chart placement by grid cell.
struct DayChartLayout {
    bool yangHalf = true;
    std::array<std::uint8_t, 9> spiritOfCell{};  // daySpiritText index 0..8
    std::array<Door, 9> doorOfCell{};            // Door codes; the centre holds 5 (no door)

    friend bool operator==(const DayChartLayout&, const DayChartLayout&) = default;
};

// The day chart's half-year: yin from 夏至 (inclusive) to 冬至 (exclusive)
// of `year`, compared with a clock Julian day; yang otherwise.
bool dayChartYangHalf(int year, double clockJulianDay);

// Day spirits 太乙 … 天乙 from the palace (d + 7) mod 9 (yang half) or
// (84 − d) mod 9 (yin half), 0 read as 9, d the day pillar with 癸亥 as 60,
// forwards or backwards in Luoshu order; doors 休 生 伤 杜 景 死 惊 开 with 休
// at position ((d − 1) div 3) mod 8 of the palaces 1 2 3 4 6 7 8 9 (yang) or
// 9 8 7 6 4 3 2 1 (yin), the rest following the outer ring clockwise on odd
// d and counter-clockwise on even d.
DayChartLayout layDayChart(GanZhiCode dayGZ, bool yangHalf);

// Marker of an empty slot in the small chart.
inline constexpr std::uint8_t kNoName = 0xFF;

// Small chart placement by grid cell and branch slot (0 first, 1 second).
struct SmallChartLayout {
    std::array<std::array<std::uint8_t, 2>, 9> spirit{};   // smallSpiritText index, or kNoName
    std::array<std::array<std::uint8_t, 2>, 9> officer{};  // officerText index, or kNoName
    std::array<Door, 9> doorOfCell{};                      // the centre holds 5 (no door)
    std::array<StemCode, 9> stemOfCell{};                  // the centre: its first stem
    StemCode centreSecondStem = 0;

    friend bool operator==(const SmallChartLayout&, const SmallChartLayout&) = default;
};

// The small chart of an hour branch: spirit i (青龙 …) on branch hb + i,
// officer i (建 …) on branch b + i with b by hb (亥巳 → 午, 丑未 → 戌, 寅申 → 子,
// 卯酉 → 寅, 辰戌 → 辰, 子午 → 申), each in its branch's cell and this chart's
// slot (亥 丑 辰 申 second); stems 甲 … 癸 on the palaces 1..9 and a tenth
// place (the centre again) from hb's palace; doors 休 … 开 clockwise from
// the palace after hb's in Luoshu order (5 skipped).
SmallChartLayout laySmallChart(BranchCode hourBranch);

}  // namespace qimen::chart
