// The common grid frame and the small texts of the grids.
#include "render/grid_frame.hpp"

#include "chart/flying_stars.hpp"
#include "chart/vocabulary.hpp"

namespace qimen::render {

std::string borderLine(int width, std::string_view left, std::string_view middle, std::string_view right) {
    std::string rule;
    for (int i = 0; i < width; ++i) rule += "─";
    std::string line(left);
    line += rule;
    line += middle;
    line += rule;
    line += middle;
    line += rule;
    line += right;
    line += "\r\n";
    return line;
}

void appendFramedGrid(std::string& out, const GridPicture& picture) {
    out += borderLine(picture.width, "┌", "┬", "┐");
    for (int row = 0; row < 3; ++row) {
        for (int line = 0; line < picture.lineCount; ++line) {
            for (int column = 0; column < 3; ++column) {
                out += "│";
                out += picture.lines[static_cast<std::size_t>(row * 3 + column)][static_cast<std::size_t>(line)];
            }
            out += "│\r\n";
        }
        if (row < 2)
            out += borderLine(picture.width, "├", "┼", "┤");
        else
            out += borderLine(picture.width, "└", "┴", "┘");
    }
}

std::string_view flyingDigitText(int value) { return chart::fullWidthDigitText(value == 0 ? 9 : value); }

std::string_view flyingDigitOfCell(const chart::ChartRecord& record, FlyingPillar pillar, int cell) {
    auto index = static_cast<std::size_t>(pillar) * 2;
    int centre = record.flyingStars[index];
    int step = record.flyingStars[index + 1];
    int value = cell == chart::kCentreCell ? calendar::positiveMod(centre, 9) : chart::flyingStarOfCell(cell, centre, step);
    return flyingDigitText(value);
}

bool isBranchVoid(const chart::ChartRecord& record, int branch) {
    const chart::PalaceCell& cell = record.cells[chart::kCellOfBranch[static_cast<std::size_t>(branch)]];
    return (chart::isSecondSlotBranch(static_cast<chart::BranchCode>(branch)) ? cell.voidSecond : cell.voidFirst) != 0;
}

bool hasBranchHorse(const chart::ChartRecord& record, int branch) {
    const chart::PalaceCell& cell = record.cells[chart::kCellOfBranch[static_cast<std::size_t>(branch)]];
    return (chart::isSecondSlotBranch(static_cast<chart::BranchCode>(branch)) ? cell.horseSecond : cell.horseFirst) != 0;
}

}  // namespace qimen::render
