// The yin-plate grid.
#include "render/yin_plate_grid.hpp"

#include <array>

#include "chart/vocabulary.hpp"
#include "render/grid_frame.hpp"

namespace qimen::render {
namespace {

using chart::ChartRecord;
using chart::PalaceCell;

// Branch codes of the marks around the box.
constexpr int kSi = 6, kWu = 7, kWei = 8, kShen = 9, kYou = 10, kXu = 11;
constexpr int kHai = 0, kZi = 1, kChou = 2, kYin = 3, kMao = 4, kChen = 5;

std::string_view voidMark(const ChartRecord& record, int branch) { return isBranchVoid(record, branch) ? "○" : "　"; }
std::string_view voidPair(const ChartRecord& record, int branch) { return isBranchVoid(record, branch) ? "○　" : "　　"; }

std::string hiddenPair(const PalaceCell& cell) {
    std::string text = "　";
    text += chart::stemText(cell.hiddenStem);
    text += chart::stemText(cell.hiddenStem2);
    return text;
}

void appendRow(std::string& out, const ChartRecord& record, int row) {
    static constexpr std::array<int, 3> kLeftBranch = {kChen, kMao, kYin};
    static constexpr std::array<int, 3> kRightBranch = {kShen, kYou, kXu};
    const PalaceCell& centre = record.cells[chart::kCentreCell];
    const PalaceCell& left = record.cells[static_cast<std::size_t>(row * 3)];
    const PalaceCell& right = record.cells[static_cast<std::size_t>(row * 3 + 2)];

    out += chart::stemText(left.hiddenStem);
    for (int column = 0; column < 3; ++column) {
        int c = row * 3 + column;
        if (c == chart::kCentreCell) {
            out += "│　　　　";
            continue;
        }
        out += "│";
        out += chart::deityText(chart::DeityList::YinPlate, record.cells[static_cast<std::size_t>(c)].deity);
        out += "　　　";
    }
    out += "│";
    out += chart::stemText(right.hiddenStem);
    out += "\r\n";

    out += chart::stemText(left.hiddenStem2);
    for (int column = 0; column < 3; ++column) {
        int c = row * 3 + column;
        if (c == chart::kCentreCell) {
            out += "│　　　　";
            continue;
        }
        const PalaceCell& cell = record.cells[static_cast<std::size_t>(c)];
        out += "│";
        out += chart::stemText(cell.heavenStem);
        out += cell.star == chart::kStarRui ? chart::stemText(centre.heavenStem) : "　";
        out += "　";
        out += chart::starText(cell.star);
    }
    out += "│";
    out += chart::stemText(right.hiddenStem2);
    out += "\r\n";

    out += voidMark(record, kLeftBranch[static_cast<std::size_t>(row)]);
    for (int column = 0; column < 3; ++column) {
        int c = row * 3 + column;
        if (c == chart::kCentreCell) {
            out += "│　　　";
            out += chart::stemText(record.centerHiddenStem);
            continue;
        }
        const PalaceCell& cell = record.cells[static_cast<std::size_t>(c)];
        out += "│";
        out += chart::stemText(cell.earthStem);
        out += chart::palaceOfCell(c) == chart::kKunPalace ? chart::stemText(centre.earthStem) : "　";
        out += "　";
        out += chart::doorText(cell.door);
    }
    out += "│";
    out += voidMark(record, kRightBranch[static_cast<std::size_t>(row)]);
    out += "\r\n";
}

}  // namespace

void renderYinPlateGrid(ChartRecord& record) {
    std::string& out = record.chartText;
    const PalaceCell& li = record.cells[1];
    const PalaceCell& kan = record.cells[7];

    out += hasBranchHorse(record, kSi) ? "马　" : "　　";
    out += "　　　";
    out += voidPair(record, kSi);
    out += hiddenPair(li);
    out += voidPair(record, kWu);
    out += "　　　";
    out += voidPair(record, kWei);
    out += hasBranchHorse(record, kShen) ? "马" : "　";
    out += "\r\n";

    out += "　" + borderLine(4, "┌", "┬", "┐");
    for (int row = 0; row < 3; ++row) {
        appendRow(out, record, row);
        out += "　" + (row < 2 ? borderLine(4, "├", "┼", "┤") : borderLine(4, "└", "┴", "┘"));
    }

    out += "　　";
    out += "　　　";
    out += voidPair(record, kChou);
    out += hiddenPair(kan);
    out += voidPair(record, kZi);
    out += "　　　";
    out += voidPair(record, kHai);
    out += "\r\n";

    out += hasBranchHorse(record, kYin) ? "马　" : "　　";
    for (int i = 0; i < 15; ++i) out += "　";
    out += hasBranchHorse(record, kHai) ? "马" : "　";
    out += "\r\n";
}

}  // namespace qimen::render
