// The box-drawn 3 × 3 frame shared by the chart grids, and the small texts
// every grid prints: stems, flying-star digits and the marks of a branch.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "chart/chart_record.hpp"

namespace qimen::render {

// The content of a grid: for each grid cell 0..8 (巽 离 坤 / 震 中 兑 / 艮 坎
// 乾) up to four text lines, each exactly `width` full-width characters.
struct GridPicture {
    int width = 6;      // W, in full-width characters
    int lineCount = 4;  // L, 1..4
    std::array<std::array<std::string, 4>, 9> lines;
};

// Appends the frame with the picture's cells: a top border ┌─…┬─…┬─…┐, the
// rows of L lines "│cell│cell│cell│" with borders ├┼┤ between rows and └┴┘
// after the last; every line ends in "\r\n". Cell texts are copied as they
// are; the renderers keep them at W full-width characters.
void appendFramedGrid(std::string& out, const GridPicture& picture);

// The border line of a grid of width W: `left`, W × "─", `middle`, …, `right`,
// "\r\n".
std::string borderLine(int width, std::string_view left, std::string_view middle, std::string_view right);

// The full-width digit of a flying-star value 0..8: 0 prints "９" (the nine
// star), 1..8 print "１".."８".
std::string_view flyingDigitText(int value);

// Flying-star pair of the pillar a grid shows.
enum class FlyingPillar { Year = 0, Month = 1, Day = 2, Hour = 3 };

// The flying-star digit of grid cell 0..8 (the centre gives the pair's
// centre value) from the record's flyingStars.
std::string_view flyingDigitOfCell(const chart::ChartRecord& record, FlyingPillar pillar, int cell);

// True when the branch's slot (first or second, by codes.hpp) of the cell
// holding it is marked void, or holds the post horse.
bool isBranchVoid(const chart::ChartRecord& record, int branch);
bool hasBranchHorse(const chart::ChartRecord& record, int branch);

// True when the setting angan lays hidden stems (1 by rotation, 2 by flight).
constexpr bool hiddenStemsOn(const chart::ChartSettings& settings) {
    return settings.angan == 1 || settings.angan == 2;
}

}  // namespace qimen::render
