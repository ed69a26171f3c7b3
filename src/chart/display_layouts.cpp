// Day-chart and small-chart placements.
#include "chart/display_layouts.hpp"

#include "calendar/day_arithmetic.hpp"
#include "calendar/solar_terms.hpp"
#include "chart/rings.hpp"

namespace qimen::chart {
namespace {

// Doors in the order 休 生 伤 杜 景 死 惊 开, as Door codes.
constexpr std::array<Door, 8> kDoorSequence = {1, 8, 3, 4, 0, 2, 7, 6};

// Lays the eight doors from the outer-ring position `first`, one ring
// position per door in direction `step`.
void layDoors(std::array<Door, 9>& doorOfCell, int first, int step) {
    doorOfCell[kCentreCell] = kDoorCentre;
    for (int i = 0; i < 8; ++i) doorOfCell[kOuterRing[calendar::positiveMod(first + step * i, 8)]] = kDoorSequence[i];
}

}  // namespace

bool dayChartYangHalf(int year, double clockJulianDay) {
    double summer = calendar::julianDay(calendar::termOfMonth(year, 6, false).time);
    double winter = calendar::julianDay(calendar::termOfMonth(year, 12, false).time);
    return !(clockJulianDay >= summer && clockJulianDay < winter);
}

DayChartLayout layDayChart(GanZhiCode dayGZ, bool yangHalf) {
    DayChartLayout layout;
    layout.yangHalf = yangHalf;
    int d = cycleOrdinal(dayGZ);
    int c = yangHalf ? 1 : -1;
    int e = yangHalf ? (d + 7) % 9 : (84 - d) % 9;
    if (e == 0) e = 9;
    for (int i = 0; i < 9; ++i)
        layout.spiritOfCell[cellOfPalace(calendar::positiveMod(e - 1 + i * c, 9) + 1)] = static_cast<std::uint8_t>(i);

    constexpr std::array<Palace, 8> yangStarts = {1, 2, 3, 4, 6, 7, 8, 9};
    constexpr std::array<Palace, 8> yinStarts = {9, 8, 7, 6, 4, 3, 2, 1};
    int h = (d - 1) / 3 % 8;
    Palace first = yangHalf ? yangStarts[h] : yinStarts[h];
    layDoors(layout.doorOfCell, ringPositionOfCell(cellOfPalace(first)), d % 2 == 1 ? 1 : -1);
    return layout;
}

SmallChartLayout laySmallChart(BranchCode hb) {
    // The slot of each branch in this chart: 亥 丑 辰 申 take the second.
    constexpr std::array<std::uint8_t, 12> slot = {1, 0, 1, 0, 0, 1, 0, 0, 0, 1, 0, 0};
    // The officers' start branch by hour branch: 亥巳 → 午 … 子午 → 申.
    constexpr std::array<BranchCode, 12> officerStart = {7, 9, 11, 1, 3, 5, 7, 9, 11, 1, 3, 5};

    SmallChartLayout layout;
    for (auto& cell : layout.spirit) cell = {kNoName, kNoName};
    for (auto& cell : layout.officer) cell = {kNoName, kNoName};
    for (int i = 0; i < 12; ++i) {
        int spiritBranch = (hb + i) % 12;
        layout.spirit[kCellOfBranch[spiritBranch]][slot[spiritBranch]] = static_cast<std::uint8_t>(i);
        int officerBranch = (officerStart[hb] + i) % 12;
        layout.officer[kCellOfBranch[officerBranch]][slot[officerBranch]] = static_cast<std::uint8_t>(i);
    }

    // Ten places: palaces 1..9 (index 0..8) and the centre again (index 9).
    Palace start = palaceOfCell(kCellOfBranch[hb]);
    for (int i = 0; i < 10; ++i) {
        StemCode stem = static_cast<StemCode>((i + 1) % 10);  // 甲 乙 … 壬 癸
        int place = (start - 1 + i) % 10;
        if (place == 9)
            layout.centreSecondStem = stem;
        else
            layout.stemOfCell[cellOfPalace(place + 1)] = stem;
    }

    Palace next = start == 4 ? 6 : start == 9 ? 1 : start + 1;
    layDoors(layout.doorOfCell, ringPositionOfCell(cellOfPalace(next)), 1);
    return layout;
}

}  // namespace qimen::chart
