// Helpers of the chart tests: records laid from a given dun, ju and
// pillars, and a readable text of each palace for cell-by-cell comparison.
#pragma once

#include <array>
#include <string>

#include "chart/chart.hpp"

namespace qimen::chart::testing {

// A record holding only what the rotating and flying layouts read.
inline ChartRecord recordFor(bool yangDun, int ju, GanZhiCode hourGZ, GanZhiCode monthGZ = 3) {
    ChartRecord record;
    record.yangDun = yangDun;
    record.ju = static_cast<std::int16_t>(ju);
    record.hourGZ = hourGZ;
    record.monthGZ = monthGZ;
    return record;
}

// "deity star heaven door earth" of one cell, deities by list W, e.g.
// "直符 蓬 戊 开 丙".
inline std::string cellText(const PalaceCell& cell) {
    std::string text(deityText(DeityList::W, cell.deity));
    text += ' ';
    text += starText(cell.star);
    text += ' ';
    text += stemText(cell.heavenStem);
    text += ' ';
    text += doorText(cell.door);
    text += ' ';
    text += stemText(cell.earthStem);
    return text;
}

// The palaces in grid order 巽 离 坤 / 震 中 兑 / 艮 坎 乾.
inline std::array<std::string, 9> chartText(const ChartRecord& record) {
    std::array<std::string, 9> texts;
    for (int c = 0; c < 9; ++c) texts[c] = cellText(record.cells[c]);
    return texts;
}

// Hidden stems in grid order, each as its one or two stem texts ("　" for
// code 10), e.g. "丙" or "己壬".
inline std::array<std::string, 9> hiddenText(const ChartRecord& record) {
    std::array<std::string, 9> texts;
    for (int c = 0; c < 9; ++c) {
        texts[c] = std::string(stemText(record.cells[c].hiddenStem));
        if (record.cells[c].hiddenStem2 != kNoStem) texts[c] += stemText(record.cells[c].hiddenStem2);
    }
    return texts;
}

// The marks of every cell as four digits voidFirst voidSecond horseFirst
// horseSecond, grid order.
inline std::array<std::string, 9> marksText(const ChartRecord& record) {
    std::array<std::string, 9> texts;
    for (int c = 0; c < 9; ++c) {
        const PalaceCell& cell = record.cells[c];
        texts[c] = std::to_string(cell.voidFirst) + std::to_string(cell.voidSecond) +
                   std::to_string(cell.horseFirst) + std::to_string(cell.horseSecond);
    }
    return texts;
}

}  // namespace qimen::chart::testing
